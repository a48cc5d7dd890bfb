#include "session/Session.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "craft/CraftTable.h"
#include "exchange/ShipFile.h"
#include "io/AtomicFile.h"
#include "io/FileHandle.h"
#include "text/LineReader.h"
#include "text/NumberRule.h"
#include "windows/MainWindowControls.h"

namespace plorik {

namespace {

const FileChoice kOpenShip{"Open a *.shp file", "*.shp", "PLORIK SHP file |*.shp", 1};
const FileChoice kSaveShip{"Save current Ship slot as a *.shp file", "*.shp", "PLORIK SHP file |*.shp", 1, true};

// Reads lines up to and including the one that is exactly the marker line; false when there is
// none, or when nothing follows it.
bool skipToMarker(LineReader& text)
{
    while (!text.atEnd()) {
        if (text.readLine() == kShipFileMarker)
            return !text.atEnd();
    }
    return false;
}

// Line 3 is one raw byte (a CR or an LF too, for slots 13 and 10) and its line end.
std::uint8_t readSlotLine(LineReader& text)
{
    const auto slot = static_cast<std::uint8_t>(text.readChar());
    text.readLine();
    return slot;
}

bool atLeast(ShipFileVersion version, ShipFileVersion lowest)
{
    return static_cast<int>(version) >= static_cast<int>(lowest);
}

} // namespace

void Session::openShip()
{
    if (!m_profile)
        return;
    if (const auto path = m_prompter.openFile(kOpenShip))
        loadShipFile(*path);
}

void Session::saveShip()
{
    if (!m_profile)
        return;
    // The text lines come from the pages: a slot not fully shown would mix two slots in one file.
    if (refusedWhileNotShown())
        return;
    const auto path = m_prompter.saveFile(kSaveShip);
    if (!path)
        return;
    if (const auto refusal = saveTargetRefusal(*path, protectedFiles(), ".shp")) {
        error(*refusal + nothingWrittenParagraph());
        return;
    }
    Form& main = *m_main;
    const ShipFileTexts texts{main[ui::Memo1].text(),          main[ui::DBOPTFile].text(),
                              main[ui::PluralnameBox].text(),  main[ui::CraftNameBox].text(),
                              main[ui::CraftTypeBox].text(),   main[ui::ManufactorBox].text(),
                              main[ui::UsedByBox].text(),      main[ui::CrewBox].text(),
                              main[ui::DescriptionBox].text(), m_versionName,
                              main[ui::ComboBox10].text(),     main[ui::CraftIDBox].text(),
                              main[ui::Playmodebox].text(),    main[ui::CapWpnSys].text()};
    const auto entry = std::span(m_slot.bytes().data(), static_cast<std::size_t>(m_profile->entryLength()));
    const std::filesystem::path target(*path);
    std::filesystem::path scratch = target;
    scratch += ".plorik-save.tmp";
    replaceFileContent(target, shipFileContent(currentSlot(), texts, entry), scratch);
}

// Three passes over the file: the check pass asks where the craft goes and whether a file of another
// game version may be used, the byte pass takes the craft entry, the fill pass the texts. Nothing of
// the slot changes until every check has passed; only "Original Craft Slot:" and "Patch Comment:"
// show the file's values from the check pass on.
void Session::loadShipFile(const std::string& path)
{
    if (!m_profile) {
        error("PLORIK has no game executable to load the ship file into: choose one with File > \"Select EXE "
              "File..\" and start PLORIK again.");
        return;
    }
    // Its size is checked before it is read: no more than the largest ship file of this game is
    // ever held in memory.
    const FileHandle handle = FileHandle::openRegular(path, FileHandle::Access::Read);
    const std::int64_t limit = shipFileSizeLimit(m_profile->entryLength());
    std::string file(static_cast<std::size_t>(std::min(handle.size(), limit + 1)), '\0');
    file.resize(handle.readAt(0, std::span(reinterpret_cast<std::uint8_t*>(file.data()), file.size())));
    if (std::ssize(file) > limit) {
        error("This SHP file is " + std::to_string(handle.size()) +
              " bytes long, longer than any ship file of this game (at most " + std::to_string(limit) +
              " bytes). Nothing was loaded.");
        return;
    }
    Form& main = *m_main;
    const std::int32_t slots = m_profile->slotCount();

    LineReader text = LineReader::fromText(file);
    if (!skipToMarker(text)) {
        error("Bad SHP file format!");
        return;
    }
    const auto version = shipFileVersion(text.readLine());
    if (!version) {
        error("SHP file version not supported!");
        return;
    }
    if (shipFileLineEndsChanged(file, *version)) {
        error("This SHP file's line ends were changed (it was copied as text); its ship data is damaged. Nothing "
              "was loaded.");
        return;
    }
    const std::int32_t shown = currentSlot();
    std::int32_t target = shown;
    if (*version != ShipFileVersion::V10) {
        const std::int32_t original = readSlotLine(text);
        main[ui::OrigSlotBox].setText(std::to_string(original));
        const Answer here =
            m_prompter.message({"Confirm PLORIK Ship file location:",
                                "Would you like to locate this craft at its original slot: " + std::to_string(original),
                                MessageIcon::Question, MessageButtons::YesNo, Answer::No});
        if (here == Answer::Yes) {
            // The slot of another game may not exist in this one.
            if (original < 1 || original > slots) {
                error("Invalid Slot number!");
                return;
            }
            target = original;
        } else if (original == readLeadingNumber(main[ui::CraftNoBox].text())) {
            const auto typed = m_prompter.input(
                "PLORIK User query", "Which slot number should the SHP file be loaded to:", std::to_string(original));
            if (!typed)
                return;
            const std::int32_t chosen = readNumber(*typed) & 0xFF;
            if (chosen == 0 || chosen >= slots - 1) {
                error("Invalid Slot number!");
                return;
            }
            target = chosen;
        }
        const std::string comment = text.readLine();
        main[ui::Memo1].setText(comment);
        if (comment.size() >= 2)
            m_prompter.message(
                {"Ship file information:", comment, MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
    }
    for (int line = 0; line < 8; ++line)
        text.readLine();
    if (atLeast(*version, ShipFileVersion::V15) && text.readLine().substr(0, 40) != m_versionName.substr(0, 40)) {
        const Answer proceed = m_prompter.message(
            {"Version difference!",
             "The SHP file appears to be of a different version than the EXE file you are editing. Continuing may "
             "corrupt parts of your EXE file. Do you widh to proceed loading BIN data?",
             MessageIcon::Question, MessageButtons::YesNo, Answer::No});
        if (proceed != Answer::Yes)
            return;
    }

    std::size_t start = 0;
    if (atLeast(*version, ShipFileVersion::V14)) {
        const auto binary = shipFileBinaryStart(file);
        if (!binary) {
            error("Missing Bin section!");
            return;
        }
        start = *binary;
    }
    // From V1.4 on the binary part is the craft entry alone: longer, it is another game's (or a
    // damaged) entry. A V1.0 or V1.3 file goes into the slot buffer whole.
    const std::size_t length = file.size() - start;
    const auto entryLength = static_cast<std::size_t>(m_profile->entryLength());
    if (atLeast(*version, ShipFileVersion::V14) && length > entryLength) {
        error("The ship data in this SHP file is " + std::to_string(length) +
              " bytes long; a craft entry of this "
              "game holds " +
              std::to_string(entryLength) + " bytes. Nothing was loaded.");
        return;
    }
    if (length > SlotBuffer::kSize) {
        error("This SHP file is " + std::to_string(length) +
              " bytes long; a file of its version is read whole into "
              "the slot, which holds at most " +
              std::to_string(SlotBuffer::kSize) + " bytes. Nothing was loaded.");
        return;
    }
    // A shorter binary part leaves the rest of the buffer: of the slot it goes to.
    SlotBuffer loaded = m_slot;
    const std::int32_t offset = (target - 1) * m_profile->entryLength();
    if (target != currentSlot())
        CraftTable(*m_profile).readSlot(executablePath(), offset, loaded);
    std::copy(file.begin() + static_cast<std::ptrdiff_t>(start), file.end(), loaded.bytes().begin());
    m_slot = loaded;
    m_slotOffset = offset;
    main[ui::CraftNoBox].setText(std::to_string(target));
    // A file without a ship type line that moves to another slot shows that slot's own ship type.
    showSlot(target == shown);
    fillFromShipFile(file, *version);
}

void Session::fillFromShipFile(const std::string& file, ShipFileVersion version)
{
    Form& main = *m_main;
    LineReader text = LineReader::fromText(file);
    skipToMarker(text);
    text.readLine();
    readSlotLine(text);
    main[ui::Memo1].setText(text.readLine());
    for (ControlKey key : {ui::DBOPTFile, ui::PluralnameBox, ui::CraftNameBox, ui::CraftTypeBox, ui::ManufactorBox,
                           ui::UsedByBox, ui::CrewBox, ui::DescriptionBox})
        main[key].setText(text.readLine());
    main[ui::CraftnameBox2].setText(main[ui::CraftNameBox].text());
    if (main[ui::Shiplistnamebox].enabled())
        main[ui::Shiplistnamebox].setText(main[ui::CraftNameBox].text());
    text.readLine();
    if (atLeast(version, ShipFileVersion::V16)) {
        main[ui::ComboBox10].setText(text.readLine());
        main[ui::EnabledBox].setChecked(true);
    }
    if (atLeast(version, ShipFileVersion::V17)) {
        for (ControlKey key : {ui::CraftIDBox, ui::Playmodebox, ui::CapWpnSys})
            main[key].setText(text.readLine());
    }
}

} // namespace plorik
