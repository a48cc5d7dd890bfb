#include "craft/CraftTable.h"
#include "craft/DisplaySteps.h"
#include "gamefiles/OptList.h"
#include "gamefiles/TextLines.h"
#include "text/NumberRule.h"

namespace plorik::display {

namespace {

constexpr const char* kShipTypeControls[] = {"ComboBox10",  "ComboBox11", "optindex", "DBOPTFile",
                                             "optlistfile", "CapWpnSys",  "ComboBox5"};

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
        for (const char* key : kShipTypeControls)
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
        context["ComboBox10"].setIndex(shipType <= 20 ? shipType : -1);
    }
    context["EnabledBox"].setChecked(entry[at(-3)] == 3);
    const std::int32_t selector = xwa ? unsignedAt(entry, at(17), 2) : entry[at(21)];
    const std::int32_t optIndex = xwa ? unsignedAt(entry, at(19), 2) : entry[at(22)];
    const std::string listFile = optListFileName(selector, xwa);
    context["optlistfile"].setText(listFile);
    context["optindex"].setText(std::to_string(optIndex));
    context["CapWpnSys"].setText(std::to_string(entry[at(14)]));
    context["ComboBox5"].setText(std::to_string(entry[at(xwa ? 13 : 19)]));

    if (listFile == kUnknownOptList) {
        context["DBOPTFile"].setText("None Assigned");
        return;
    }
    const auto model = readLineNumber(context.gameFile(listFile), std::int64_t{optIndex} + 1);
    context["DBOPTFile"].setText(model.value_or("None assigned"));
}

} // namespace plorik::display
