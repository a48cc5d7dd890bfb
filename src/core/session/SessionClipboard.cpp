#include "session/Session.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"
#include "io/BinaryFile.h"
#include "io/GamePath.h"

namespace plorik {

namespace {

// The part of a ship type entry that "Paste Ship" copies, and the whole entry of "Paste Shiptype
// Only", both from 3 bytes before the entry's base.
constexpr std::size_t kPastedShipTypeBytes = 18;
constexpr std::size_t kWholeShipTypeBytes = 24;

struct Copy {
    std::string region;
    std::int64_t from;
    std::int64_t to;
    std::size_t length;
};

// Every region is checked before the first byte is written; then each is copied.
void copyRegions(const std::filesystem::path& executable, const std::filesystem::path& gameFolder,
                 const std::vector<Copy>& copies, const BeforeWrite& beforeWrite)
{
    refuseLinkOutside(executable, gameFolder);
    BinaryFile exe(executable, BinaryFile::Mode::ReadWrite);
    const std::int64_t size = exe.size();
    for (const Copy& copy : copies) {
        for (const std::int64_t at : {copy.from, copy.to}) {
            if (at < 0 || at + static_cast<std::int64_t>(copy.length) > size)
                throw PlorikError(copy.region + " (bytes " + std::to_string(at) + " to " +
                                  std::to_string(at + static_cast<std::int64_t>(copy.length) - 1) +
                                  ") lies outside the executable, which has " + std::to_string(size) + " bytes." +
                                  nothingWrittenParagraph());
        }
    }
    PlannedWrite planned;
    for (const Copy& copy : copies)
        planned.region(executable, copy.to, exe.readExactlyAt(copy.from, copy.length), copy.region);
    announce(beforeWrite, planned);
    for (const PlannedChange& change : planned.changes)
        exe.writeRegion(change.offset, change.bytes, change.what);
}

} // namespace

void Session::copyShip()
{
    if (!m_profile)
        return;
    m_clipboardSlot = currentSlot();
    Form& main = *m_main;
    main[controls::PasteShipItem].setEnabled(true);
    // Without ship type entries there is nothing for "Paste Shiptype Only" to copy.
    if (m_profile->isXwa() && !m_profile->absent(Key::ShipTypeStart))
        main[controls::PasteShipTypeOnlyItem].setEnabled(true);
}

void Session::pasteShip()
{
    if (!m_profile || !m_clipboardSlot)
        return;
    const Answer answer = m_prompter.message(
        {"Confirm paste action:",
         "You are about to paste the stat contents of the ship clipboard over the current slot. This action will "
         "overwrite data in the current slot by automatically using the \"write\" operation. Are you sure this is "
         "what you wish to do?",
         MessageIcon::Question, MessageButtons::YesNo, Answer::No});
    if (answer != Answer::Yes)
        return;
    const auto lock = lockGameFolder();
    if (!lock)
        return;
    const CraftTable table(*m_profile);
    const std::int32_t from = *m_clipboardSlot;
    const std::int32_t to = currentSlot();
    std::vector<Copy> copies{{"the craft entry of slot " + std::to_string(from), table.craftEntryOffset(from),
                              table.craftEntryOffset(to), static_cast<std::size_t>(m_profile->entryLength())}};
    if (!m_profile->absent(Key::ShipTypeStart))
        copies.push_back({"the ship type entry of slot " + std::to_string(from), table.shipTypeEntryOffset(from),
                          table.shipTypeEntryOffset(to), kPastedShipTypeBytes});
    copyRegions(executablePath(), resolveGamePath(m_gameDir), copies,
                recorder(std::string(controls::PasteShipItem.caption)));
    refreshAfterPaste();
}

void Session::pasteShipTypeOnly()
{
    if (!m_profile || !m_clipboardSlot || m_profile->absent(Key::ShipTypeStart))
        return;
    const Answer answer = m_prompter.message(
        {"Confirm paste action:",
         "You are about to paste the complete shiptype contents of the ship clipboard over the current slot. This "
         "action will overwrite data in the current shiptype slot by automatically using the \"write\" operation. "
         "Also this is a somewhat specialized procedure, that by purpose will mess up the Plorik logic. Are you sure "
         "this is what you wish to do?",
         MessageIcon::Question, MessageButtons::YesNo, Answer::No});
    if (answer != Answer::Yes)
        return;
    const auto lock = lockGameFolder();
    if (!lock)
        return;
    const CraftTable table(*m_profile);
    const std::int32_t from = *m_clipboardSlot;
    copyRegions(executablePath(), resolveGamePath(m_gameDir),
                {{"the ship type entry of slot " + std::to_string(from), table.shipTypeEntryOffset(from),
                  table.shipTypeEntryOffset(currentSlot()), kWholeShipTypeBytes}},
                recorder(std::string(controls::PasteShipTypeOnlyItem.caption)));
    refreshAfterPaste();
}

// As after a change of "Craft No.": the slot is read again and shown, so unsaved edits are gone.
void Session::refreshAfterPaste()
{
    (*m_main)[controls::CraftNoBox].setText(std::to_string(currentSlot()));
    craftNumberChanged();
}

} // namespace plorik
