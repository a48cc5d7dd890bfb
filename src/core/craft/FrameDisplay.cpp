#include "controls/MainWindowControls.h"
#include "craft/DisplaySteps.h"

namespace plorik::display {

void setShipTypeTexts(const DisplayContext& context)
{
    static constexpr std::size_t kFamilyItems[] = {3, 8, 9, 18, 19};
    static constexpr const char* kXwaTexts[] = {"3  Freighter/Transport", "8  Accelerator ring", "9  Sat./buoy",
                                                "18 Droid", "19 Mine"};
    static constexpr const char* kXvtTexts[] = {"3  Freighter/Transport/Container", "8  Unknown", "9  Installation",
                                                "18 Unknown", "19 Unknown"};
    Control& shipType = context[controls::ShipTypeList];
    for (std::size_t i = 0; i < std::size(kFamilyItems); ++i)
        shipType.setItem(kFamilyItems[i], context.xwa() ? kXwaTexts[i] : kXvtTexts[i]);
}

void showStatusNotes(const DisplayContext& context)
{
    Control& status = context[controls::StatusBar];
    status.setText("");
    if (context.slotOffset == 0)
        status.setText(" - This slot has s-foils function.");
    else if (context.slotNumber() == 12 && !context.xwa())
        status.setText(" - This slot has SLAM function.");
}

void showCraftId(const DisplayContext& context)
{
    Control& craftId = context[controls::CraftIDBox];
    if (context.profile.absent(Key::IffName) && context.profile.absent(Key::ShortNamesLine))
        craftId.setEnabled(false);
    if (const auto at = context.field(Key::IffName, 1))
        craftId.setText(context.slot.text(*at));
    else if (!context.profile.absent(Key::IffName))
        craftId.setEnabled(false); // beyond the buffer
}

void resetWeaponTypes(const DisplayContext& context)
{
    for (MainKey key : {controls::Laser1List, controls::Laser2List, controls::Laser3List, controls::Warhead1List,
                        controls::Warhead2List})
        context[key].setText("Unknown");
}

void updateFirePriorityBox(MainForm& form, MainKey trackBar, MainKey box)
{
    form[box].setText(std::to_string(form[trackBar].position()));
}

} // namespace plorik::display
