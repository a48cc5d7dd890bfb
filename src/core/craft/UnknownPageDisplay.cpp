#include "craft/CraftTable.h"
#include "craft/DisplaySteps.h"
#include "text/NumberRule.h"

#include <charconv>
#include <cstring>

namespace plorik::display {

namespace {

std::uint32_t littleEndian(const std::vector<std::uint8_t>& bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

// A Float value in the shortest text that reads back as the same value, so an unchanged row is
// written back unchanged.
std::string floatText(std::uint32_t bits)
{
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

} // namespace

void showUnknownPage(const DisplayContext& context)
{
    Control& grid = context["StringGrid3"];
    const CraftTable table(context.profile);
    for (std::size_t row = 1; row < grid.rowCount() && row <= kUnknownRows; ++row) {
        const std::string& location = grid.cell(row, 3);
        if (location.empty())
            continue;
        const std::int64_t offset = readNumber(grid.cell(row, 4));
        std::int64_t position = 0;
        if (location == "Shipslot") {
            position = std::int64_t{context.profile.held(Key::CraftOffset)} + context.slotOffset + offset;
        } else if (location == "Shiptype") {
            position = table.shipTypeEntryOffset(context.slotNumber()) + offset;
        } else {
            grid.setCell(row, 3, "$Error in data.txt");
            continue;
        }
        const std::string& type = grid.cell(row, 1);
        std::string value;
        if (type == "Byte" || type == "Char") {
            const auto bytes = context.exe->readExactlyAt(position, 1);
            // A zero byte is a character that shows nothing.
            value = type == "Byte"  ? std::to_string(bytes[0])
                    : bytes[0] == 0 ? std::string()
                                    : std::string(1, static_cast<char>(bytes[0]));
        } else if (type == "Word" || type == "Integer") {
            value = std::to_string(littleEndian(context.exe->readExactlyAt(position, 2)));
        } else if (type == "LongInt") {
            value = std::to_string(static_cast<std::int32_t>(littleEndian(context.exe->readExactlyAt(position, 4))));
        } else if (type == "Float") {
            value = floatText(littleEndian(context.exe->readExactlyAt(position, 4)));
        } else {
            continue;
        }
        grid.setCell(row, 2, value);
    }
}

} // namespace plorik::display
