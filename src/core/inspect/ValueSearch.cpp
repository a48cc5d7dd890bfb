#include "inspect/ValueSearch.h"

#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"
#include "inspect/InspectionError.h"
#include "io/BinaryFile.h"
#include "text/NumberRule.h"

#include <algorithm>

namespace plorik {

namespace {

// The searched bytes and the offset reported for the first of them.
struct Block {
    std::vector<std::uint8_t> bytes;
    std::size_t firstOffset = 0;
};

// "Shipslot block": the craft entry as last read, loaded or written. Anything else: the ship type
// bytes in the executable from the entry's base (3 bytes after its start, so the last 3 are the next
// entry's), counted from 1, for the slot the whole "Craft No." text names.
Block searchedBlock(const Form& form, const ValueSearch::Slot& slot)
{
    const VersionProfile& profile = slot.profile;
    if (form[controls::WorkOnList].text() == "Shipslot block") {
        const auto& bytes = slot.buffer.bytes();
        const auto length =
            static_cast<std::size_t>(std::clamp<std::int32_t>(profile.entryLength(), 0, SlotBuffer::kSize));
        return {{bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)}, 0};
    }
    if (profile.absent(Key::ShipTypeStart))
        throw InspectionError("This game version has no ship type block (SHIPTYPESTART).");
    const std::int32_t craft = readNumber(form[controls::CraftNoBox].text());
    const BinaryFile exe(slot.executable, BinaryFile::Mode::Read);
    const auto length = static_cast<std::size_t>(std::max<std::int32_t>(profile.held(Key::ShipTypeLen), 0));
    return {exe.readExactlyAt(CraftTable(profile).shipTypeBase(craft), length), 1};
}

} // namespace

void ValueSearch::find(MainForm& form, const Slot& slot)
{
    const auto value = static_cast<std::uint16_t>(readNumber(form[controls::ValueBox].text()));
    const Block block = searchedBlock(form, slot);
    std::vector<std::uint16_t> found;
    for (std::size_t i = 0; i < block.bytes.size(); ++i) {
        if (block.bytes[i] != value)
            continue;
        if (found.size() == kMostMatches)
            throw InspectionError("More than " + std::to_string(kMostMatches) + " offsets hold the value " +
                                  std::to_string(value) + ". Search for a rarer value.");
        found.push_back(static_cast<std::uint16_t>(block.firstOffset + i));
    }
    m_matches = std::move(found);
    form[controls::FeedbackBox].setText(std::to_string(m_matches.size()) + " matches found");
}

void ValueSearch::compare(MainForm& form, const Slot& slot)
{
    form[controls::FeedbackBox].setText("Match: ");
    const auto value = static_cast<std::uint8_t>(readNumber(form[controls::ValueBox].text()));
    const Block block = searchedBlock(form, slot);
    std::string feedback = "Match: ";
    for (std::size_t i = 0; i < block.bytes.size(); ++i) {
        const auto offset = static_cast<std::uint16_t>(block.firstOffset + i);
        if (block.bytes[i] == value && std::find(m_matches.begin(), m_matches.end(), offset) != m_matches.end())
            feedback += "\r\noffset: " + std::to_string(offset);
    }
    form[controls::FeedbackBox].setText(feedback);
}

} // namespace plorik
