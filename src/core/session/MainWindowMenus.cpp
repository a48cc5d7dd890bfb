#include "session/MainWindowForm.h"

#include "form/FormBuilder.h"

namespace plorik {

namespace {

void item(Form& form, const std::string& menu, const std::string& key, const std::string& caption,
          const std::string& shortcut = "", bool enabled = true)
{
    Control& control =
        form.add({.key = key, .kind = ControlKind::MenuItem, .caption = caption, .page = menu, .shortcut = shortcut});
    control.setEnabled(enabled);
}

void tool(Form& form, const std::string& key, const std::string& hint)
{
    form.add({.key = key, .kind = ControlKind::ToolButton, .caption = "", .page = "Tool bar", .hint = hint});
}

} // namespace

void addMainWindowMenus(Form& form)
{
    item(form, "&File", "Openship1", "&Open Ship..", "Ctrl+O");
    item(form, "&File", "Saveshipas1", "&Save Ship as..", "Ctrl+S");
    item(form, "&File", "SaveasZT1", "Save as Single ZT..");
    item(form, "&File", "SelectEXEFile1", "Select EXE File..");
    item(form, "&File", "Exit1", "E&xit");

    item(form, "&Edit", "Cut1", "Cu&t", "Ctrl+X");
    item(form, "&Edit", "Copy1", "&Copy", "Ctrl+C");
    item(form, "&Edit", "Paste1", "&Paste", "Ctrl+V", false);
    item(form, "&Edit", "Copyship1", "Copy Ship");
    item(form, "&Edit", "Pasteship1", "Paste Ship", "", false);
    item(form, "&Edit", "Pasteshiptypeonly1", "Paste Shiptype Only", "", false);

    // The cockpit editor is switched on by a successful identification.
    item(form, "E&ditors", "INTCockpitEditor1", "INT Cockpit Editor..", "", false);
    item(form, "E&ditors", "WeaponsEditor1", "Weapons Editor..");

    item(form, "&Images", "Backup1", "Create Backup Image");
    item(form, "&Images", "Recreatefromimage1", "Recreate from Image");
    item(form, "&Images", "Recreatesingleslot1", "Recreate Single Slot");
    item(form, "&Images", "ZTpackage1", "Make ZT Package");
    item(form, "&Images", "XWAZTpackage1", "Make XWA ZT Package", "", false);

    item(form, "&Help", "Contents1", "&Contents", "F1");
    item(form, "&Help", "Topic1", "&Topic");
    item(form, "&Help", "Tutorial1", "&Tutorial");
    item(form, "&Help", "HowtoUseHelp1", "&How to Use Help");
    item(form, "&Help", "Introduction1", "Introduction");
    item(form, "&Help", "About1", "&About...");

    tool(form, "OpenShipTool", "Open a ship file");
    tool(form, "SaveShipTool", "Save the slot as a ship file");
    tool(form, "CopyTool", "Copy");
    tool(form, "CutTool", "Cut");
    tool(form, "PasteTool", "Paste");
    tool(form, "LastTool", "Reserved");
}

} // namespace plorik
