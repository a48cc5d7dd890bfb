#include "craft/HexView.h"

#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"

namespace plorik {

namespace {

constexpr std::size_t kBytesPerRow = 8;
constexpr std::size_t kWeaponOptRecord = 24;

} // namespace

void HexView::choose(MainForm& form, const VersionProfile& profile)
{
    Control& grid = form[controls::HexGrid];
    const std::string& choice = form[controls::DisplayBox].text();
    if (choice == "Ship Type Block")
        grid.setGridSize(static_cast<std::size_t>(profile.held(Key::ShipTypeLen)) / kBytesPerRow + 2, 9);
    else if (choice == "Shipslot Block")
        grid.setGridSize(static_cast<std::size_t>(profile.entryLength()) / kBytesPerRow + 2, 9);
    else if (choice == "Weapon OPT Block")
        grid.setGridSize(5, 9);
    else
        form[controls::HexOffsetLabel].setText("Offset: *");
}

void HexView::fill()
{
    const DisplayContext& context = m_context;
    const std::string& choice = context[controls::DisplayBox].text();
    const CraftTable table(context.profile);
    const std::int32_t slot = context.slotNumber();
    std::vector<std::uint8_t> bytes;
    std::int64_t offset = 0;
    if (choice == "Shipslot Block") {
        offset = table.craftEntryOffset(slot);
        const auto& buffer = context.slot.bytes();
        bytes.assign(buffer.begin(), buffer.begin() + context.profile.entryLength());
    } else if (choice == "Ship Type Block" || choice == "Weapon OPT Block") {
        if (context.profile.absent(Key::ShipTypeStart))
            return;
        const bool shipType = choice == "Ship Type Block";
        offset = shipType ? table.shipTypeEntryOffset(slot) : table.weaponOptRecordOffset(slot);
        const std::size_t length =
            shipType ? static_cast<std::size_t>(context.profile.held(Key::ShipTypeLen)) : kWeaponOptRecord;
        bytes = context.exe->readExactlyAt(offset, length);
    } else {
        return;
    }
    context[controls::HexOffsetLabel].setText("offset: " + std::to_string(offset));
    Control& grid = context[controls::HexGrid];
    for (std::size_t row = 1; row < grid.rowCount(); ++row) {
        const std::size_t first = (row - 1) * kBytesPerRow;
        grid.setCell(row, 0, row == 1 || first < bytes.size() ? std::to_string(first) : "");
        for (std::size_t column = 1; column <= kBytesPerRow; ++column) {
            const std::size_t index = first + column - 1;
            grid.setCell(row, column, index < bytes.size() ? std::to_string(bytes[index]) : "");
        }
    }
}

} // namespace plorik
