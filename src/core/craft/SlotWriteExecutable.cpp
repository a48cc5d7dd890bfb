#include "craft/CraftTable.h"
#include "craft/SlotWrite.h"
#include "gamefiles/GameTextWrites.h"
#include "gamefiles/OptList.h"
#include "io/BinaryFile.h"
#include "io/FileError.h"
#include "text/NumberRule.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace plorik {

namespace {

void putLittleEndian(BinaryFile& exe, std::int64_t at, std::uint32_t value, std::size_t width)
{
    std::uint8_t bytes[4];
    for (std::size_t i = 0; i < width; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    exe.writeAt(at, std::span<const std::uint8_t>(bytes, width));
}

// A free value's text as a whole decimal number; anything else stops the write.
std::int64_t decimalValue(const std::string& text)
{
    std::int64_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw PlorikError("'" + text + "' is not a valid integer value");
    return value;
}

double decimalFloat(const std::string& text)
{
    double value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    // A single-precision field takes finite values of its range only.
    if (first == last || error != std::errc() || end != last || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max())
        throw PlorikError("'" + text + "' is not a valid floating point value");
    return value;
}

} // namespace

void SlotWrite::writeExecutable()
{
    const VersionProfile& profile = m_context.profile;
    BinaryFile exe(m_context.executable, BinaryFile::Mode::ReadWrite);
    const auto& buffer = m_context.slot.bytes();
    exe.writeAt(std::int64_t{profile.held(Key::CraftOffset)} + m_context.slotOffset,
                std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(profile.entryLength())));
    const std::string& model = (*this)["DBOPTFile"].text();
    // The placeholders the display shows for a missing entry are not model names.
    if (model != "None Assigned" && model != "None assigned")
        writeOptList();
    writeSpeciesTable(exe);
    writeShipTypeEntry(exe);
    writeFreeValues(exe);
    checkShipSlotLink(exe);
}

void SlotWrite::writeOptList()
{
    Control& listFile = (*this)["optlistfile"];
    Control& index = (*this)["optindex"];
    if (listFile.text() == kUnknownOptList) {
        listFile.setText(optListFileName(0, xwa()));
        index.setText(std::to_string(countOptListLines(gameFile(listFile.text()))));
    }
    const std::int64_t wanted = readNumber(index.text());
    const std::int64_t placed =
        writeOptListEntry(gameFile(listFile.text()), scratch(), wanted, (*this)["DBOPTFile"].text());
    if (placed != wanted)
        index.setText(std::to_string(placed));
}

void SlotWrite::writeSpeciesTable(BinaryFile& exe)
{
    if (m_context.profile.absent(Key::SpecNoOffset) || (*this)["SpecNo"].text() == "n/a")
        return;
    const std::int64_t species = readNumber(m_species);
    // The table is written in whole 2-byte records counted from the start of the file.
    const std::int64_t record = (std::int64_t{m_context.profile.held(Key::SpecNoOffset)} + 2 * (species - 1)) / 2;
    putLittleEndian(exe, record * 2, static_cast<std::uint32_t>(slotNumber()), 2);
}

void SlotWrite::writeShipTypeEntry(BinaryFile& exe)
{
    const VersionProfile& profile = m_context.profile;
    if (profile.absent(Key::ShipTypeStart))
        return;
    const std::int64_t base = CraftTable(profile).shipTypeBase(slotNumber());
    const int shipType = (*this)["ComboBox10"].index();
    if (shipType >= 0) // no item chosen: the stored type stays
        putLittleEndian(exe, base, static_cast<std::uint32_t>(shipType), 1);
    putLittleEndian(exe, base - 3, (*this)["EnabledBox"].checked() ? 3 : 2, 1);

    const std::string& listFile = (*this)["optlistfile"].text();
    const std::int64_t selectorAt = base + (xwa() ? 17 : 21);
    for (std::int32_t selector = 0; selector < 3; ++selector) {
        if (listFile == optListFileName(selector, true) && listFile != kUnknownOptList)
            putLittleEndian(exe, selectorAt, static_cast<std::uint32_t>(selector), 2);
        else if (listFile == optListFileName(selector, false) && listFile != kUnknownOptList)
            putLittleEndian(exe, selectorAt, static_cast<std::uint32_t>(selector), 1);
    }
    const auto optIndex = static_cast<std::uint32_t>(readNumber((*this)["optindex"].text()));
    if (xwa()) {
        putLittleEndian(exe, base + 14, static_cast<std::uint32_t>(readLeadingNumber((*this)["CapWpnSys"].text())), 1);
        putLittleEndian(exe, base + 13, static_cast<std::uint32_t>(readLeadingNumber((*this)["ComboBox5"].text())), 1);
        putLittleEndian(exe, base + 19, optIndex, 2);
    } else {
        putLittleEndian(exe, base + 22, optIndex, 1);
    }
}

void SlotWrite::writeFreeValues(BinaryFile& exe)
{
    const VersionProfile& profile = m_context.profile;
    Control& grid = (*this)["StringGrid3"];
    for (std::size_t row = 1; row <= kUnknownRows && row < grid.rowCount(); ++row) {
        const std::string location = grid.cell(row, 3);
        if (location.empty())
            continue;
        const std::int64_t offset = readNumber(grid.cell(row, 4));
        std::int64_t at = 0;
        if (location == "Shipslot") {
            at = std::int64_t{profile.held(Key::CraftOffset)} + m_context.slotOffset + offset;
        } else if (location == "Shiptype") {
            at = CraftTable(profile).shipTypeEntryOffset(slotNumber()) + offset;
        } else {
            grid.setCell(row, 3, "$Error in data.txt");
            continue;
        }
        const std::string& type = grid.cell(row, 1);
        const std::string& value = grid.cell(row, 2);
        if (type == "Byte") {
            putLittleEndian(exe, at, static_cast<std::uint32_t>(decimalValue(value)), 1);
        } else if (type == "Word" || type == "Integer") {
            putLittleEndian(exe, at, static_cast<std::uint32_t>(decimalValue(value)), 2);
        } else if (type == "LongInt") {
            putLittleEndian(exe, at, static_cast<std::uint32_t>(decimalValue(value)), 4);
        } else if (type == "Float") {
            const float single = static_cast<float>(decimalFloat(value));
            std::uint32_t bits = 0;
            std::memcpy(&bits, &single, sizeof bits);
            putLittleEndian(exe, at, bits, 4);
        } else if (type == "Char") {
            putLittleEndian(exe, at, value.empty() ? 0u : static_cast<unsigned char>(value.front()), 1);
        }
    }
}

void SlotWrite::checkShipSlotLink(BinaryFile& exe)
{
    if (m_context.profile.absent(Key::ShipTypeStart))
        return;
    const std::int64_t at = CraftTable(m_context.profile).shipTypeBase(slotNumber()) + (xwa() ? 15 : 20);
    const std::int32_t link = exe.readExactlyAt(at, 1).front();
    if (link + 1 == slotNumber())
        return;
    const Answer answer = ask("PLORIK query:",
                              "The shipslot link number amd the actual slot number differs. Would you like Plorik to "
                              "fix it?",
                              MessageButtons::YesNo, Answer::Yes);
    if (answer == Answer::Yes)
        putLittleEndian(exe, at, static_cast<std::uint32_t>(slotNumber() - 1), 1);
}

} // namespace plorik
