#include "craft/FreeValues.h"

#include "craft/CraftTable.h"
#include "text/StrictNumber.h"

#include <bit>
#include <charconv>

namespace plorik {

namespace {

std::uint32_t littleEndian(std::span<const std::uint8_t> bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

std::vector<std::uint8_t> lowBytes(std::uint64_t value, std::size_t width)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

const char* typeName(FreeValueType type)
{
    switch (type) {
    case FreeValueType::Byte: return "Byte";
    case FreeValueType::Word: return "Word";
    case FreeValueType::Integer: return "Integer";
    case FreeValueType::LongInt: return "LongInt";
    case FreeValueType::Float: return "Float";
    case FreeValueType::Char: return "Char";
    }
    return "";
}

} // namespace

std::optional<FreeValueType> freeValueType(std::string_view name)
{
    for (const FreeValueType type : {FreeValueType::Byte, FreeValueType::Word, FreeValueType::Integer,
                                     FreeValueType::LongInt, FreeValueType::Float, FreeValueType::Char}) {
        if (name == typeName(type))
            return type;
    }
    return std::nullopt;
}

std::size_t freeValueWidth(FreeValueType type)
{
    switch (type) {
    case FreeValueType::Byte:
    case FreeValueType::Char: return 1;
    case FreeValueType::Word:
    case FreeValueType::Integer: return 2;
    case FreeValueType::LongInt:
    case FreeValueType::Float: return 4;
    }
    return 1;
}

std::optional<std::int64_t> freeValuePosition(const VersionProfile& profile, std::int32_t slot,
                                              std::string_view location, std::int64_t offset)
{
    const CraftTable table(profile);
    if (location == "Shipslot")
        return table.craftEntryOffset(slot) + offset;
    if (location == "Shiptype")
        return table.shipTypeEntryOffset(slot) + offset;
    return std::nullopt;
}

std::string freeValueText(FreeValueType type, std::span<const std::uint8_t> bytes)
{
    const std::uint32_t value = littleEndian(bytes);
    switch (type) {
    case FreeValueType::Byte:
    case FreeValueType::Word:
    case FreeValueType::Integer: return std::to_string(value);
    case FreeValueType::LongInt: return std::to_string(static_cast<std::int32_t>(value));
    case FreeValueType::Char: return value == 0 ? std::string() : std::string(1, static_cast<char>(value));
    case FreeValueType::Float: {
        // The shortest text that reads back as the same float.
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, std::bit_cast<float>(value));
        return std::string(text, result.ptr);
    }
    }
    return {};
}

std::optional<std::vector<std::uint8_t>> freeValueBytes(FreeValueType type, const std::string& text,
                                                        std::string& problem)
{
    const std::size_t width = freeValueWidth(type);
    if (type == FreeValueType::Char)
        return lowBytes(text.empty() ? 0u : static_cast<unsigned char>(text.front()), 1);
    if (type == FreeValueType::Float) {
        if (const auto single = parseSingle(text))
            return lowBytes(std::bit_cast<std::uint32_t>(*single), 4);
        problem = "is not a floating-point number a Float can hold";
        return std::nullopt;
    }
    // Whole numbers may be written signed or unsigned: -1 and 255 are the same Byte.
    const std::int64_t lowest = -(std::int64_t{1} << (8 * width - 1));
    const std::int64_t highest = (std::int64_t{1} << (8 * width)) - 1;
    const auto number = parseWholeNumber(text);
    if (!number || *number < lowest || *number > highest) {
        problem = "does not fit a " + std::string(typeName(type)) + " (" + std::to_string(lowest) + " to " +
                  std::to_string(highest) + ")";
        return std::nullopt;
    }
    return lowBytes(static_cast<std::uint64_t>(*number), width);
}

} // namespace plorik
