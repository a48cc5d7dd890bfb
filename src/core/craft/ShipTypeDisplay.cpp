#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"
#include "craft/DisplaySteps.h"
#include "craft/Placeholders.h"
#include "gamefiles/OptList.h"
#include "gamefiles/TextLines.h"
#include "text/NumberRule.h"

namespace plorik::display {

namespace {

constexpr MainKey kShipTypeControls[] = {controls::ShipTypeList,  controls::WorkOnList,     controls::OptIndexBox,
                                         controls::DBOPTFile,     controls::OptListFileBox, controls::CapWpnSys,
                                         controls::TargetTypeList};

std::int32_t unsignedAt(const std::vector<std::uint8_t>& bytes, std::int64_t at, int width)
{
    const auto i = static_cast<std::size_t>(at);
    return width == 1 ? bytes[i] : bytes[i] | (bytes[i + 1] << 8);
}

} // namespace

void showShipTypeEntry(const DisplayContext& context, bool keepShipType)
{
    const VersionProfile& profile = context.profile;
    if (profile.absent(Key::ShipTypeStart)) {
        for (MainKey key : kShipTypeControls)
            context[key].setEnabled(false);
        return;
    }
    const std::int32_t slot = context.slotNumber();
    const CraftTable table(profile);
    // The entry from 3 bytes before its base up to its family's last field.
    const bool xwa = context.xwa();
    const std::vector<std::uint8_t> entry =
        context.exe->readExactlyAt(table.shipTypeEntryOffset(slot), xwa ? 3 + 21 : 3 + 23);
    const auto at = [](std::int64_t offsetFromBase) { return 3 + offsetFromBase; };

    if (!keepShipType) {
        const std::int32_t shipType = entry[at(0)];
        context[controls::ShipTypeList].setIndex(shipType <= 20 ? shipType : -1);
    }
    context[controls::EnabledBox].setChecked(entry[at(-3)] == 3);
    const std::int32_t selector = xwa ? unsignedAt(entry, at(17), 2) : entry[at(21)];
    const std::int32_t optIndex = xwa ? unsignedAt(entry, at(19), 2) : entry[at(22)];
    const std::string listFile = optListFileName(selector, xwa);
    context[controls::OptListFileBox].setText(listFile);
    context[controls::OptIndexBox].setText(std::to_string(optIndex));
    context[controls::CapWpnSys].setText(std::to_string(entry[at(14)]));
    context[controls::TargetTypeList].setText(std::to_string(entry[at(xwa ? 13 : 19)]));

    if (listFile == kUnknownOptList) {
        context[controls::DBOPTFile].setText(std::string(kNoModelList));
        return;
    }
    const auto model = readLineNumber(context.gameFile(listFile), std::int64_t{optIndex} + 1);
    context[controls::DBOPTFile].setText(model.value_or(std::string(kNoModelLine)));
}

} // namespace plorik::display
