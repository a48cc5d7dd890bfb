#include "session/MainWindowForm.h"

#include "form/FormBuilder.h"

namespace plorik {

const std::vector<std::string>& mainWindowPages()
{
    static const std::vector<std::string> pages = {"Statistics",  "Descriptions", "Weaponry", "Wpn. Slots",
                                                   "Development", "Opt",          "Cockpit",  "Unknown"};
    return pages;
}

std::unique_ptr<Form> buildMainWindowForm()
{
    auto form = std::make_unique<Form>(kMainWindowCaption);
    addMainWindowFrame(*form);
    addMainWindowMenus(*form);
    addStatisticsPage(*form);
    addDescriptionsPage(*form);
    addWeaponryPage(*form);
    addWeaponSlotsPage(*form);
    addDevelopmentPage(*form);
    addOptPage(*form);
    addCockpitPage(*form);
    addUnknownPage(*form);
    return form;
}

void addMainWindowFrame(Form& form)
{
    FormBuilder frame(form, "");
    frame.combo("CraftNoBox", "Craft No.");
    frame.button("PrevSlotButton", "&-", "Previous slot");
    frame.button("NextSlotButton", "&+", "Next slot");
    frame.button("Button3", "Write", "Write the slot to the executable and the game files");
    frame.check("Shiplistwrite", "Write to Shiplist.txt", true);
    frame.readOnlyBox("CraftnameBox2", "", "-");
    frame.box("CraftIDBox", "Craft ID:");
    frame.memo("GameVersionBox", "Game Version:", "None selected", true);
    frame.readOnlyBox("GameDirBox", "Current Game Dir:", "n/a");
    frame.add(
        {.key = "LogoImage", .kind = ControlKind::Picture, .caption = "", .hint = "Visit the PLORIK project page"});
    frame.add({.key = "StatusBar", .kind = ControlKind::StatusBar, .caption = ""});
}

} // namespace plorik
