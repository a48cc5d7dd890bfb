#include "session/Session.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"
#include "exchange/ShipFile.h"
#include "io/AtomicFile.h"
#include "text/NumberRule.h"

namespace plorik {

namespace {

const FileChoice kOpenShip{"Open a *.shp file", "*.shp", "PLORIK SHP file |*.shp", 1};
const FileChoice kSaveShip{"Save current Ship slot as a *.shp file", "*.shp", "PLORIK SHP file |*.shp", 1, true};

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
    const ShipFileTexts texts{main[controls::PatchCommentMemo].text(), main[controls::DBOPTFile].text(),
                              main[controls::PluralnameBox].text(),    main[controls::CraftNameBox].text(),
                              main[controls::CraftTypeBox].text(),     main[controls::ManufactorBox].text(),
                              main[controls::UsedByBox].text(),        main[controls::CrewBox].text(),
                              main[controls::DescriptionBox].text(),   m_versionName,
                              main[controls::ShipTypeList].text(),     main[controls::CraftIDBox].text(),
                              main[controls::Playmodebox].text(),      main[controls::CapWpnSys].text()};
    // The load takes the craft data from the first "[Bin]" of the file: a text holding it would save
    // a file that never loads back.
    for (const MainControl* box :
         {&controls::PatchCommentMemo, &controls::DBOPTFile, &controls::PluralnameBox, &controls::CraftNameBox,
          &controls::CraftTypeBox, &controls::ManufactorBox, &controls::UsedByBox, &controls::CrewBox,
          &controls::DescriptionBox, &controls::ShipTypeList, &controls::CraftIDBox, &controls::Playmodebox,
          &controls::CapWpnSys}) {
        if (main[*box].text().find(kShipFileBin) != std::string::npos) {
            error(std::string(box->caption) + " holds \"" + std::string(kShipFileBin) +
                  "\", which marks where a ship file's craft data begins: the file would not load again. Remove it "
                  "and save again." +
                  nothingWrittenParagraph());
            return;
        }
    }
    const auto entry = std::span(m_slot.bytes().data(), static_cast<std::size_t>(m_profile->entryLength()));
    const std::filesystem::path target(*path);
    std::filesystem::path scratch = target;
    scratch += ".plorik-save.tmp";
    replaceFileContent(target, shipFileContent(currentSlot(), texts, entry), scratch);
}

// The file is read once; then the questions: where the craft goes and whether a file of another
// game version may be used. Nothing of the slot changes until every check has passed; only "Original
// Craft Slot:" and "Patch Comment:" show the file's values from the questions on.
void Session::loadShipFile(const std::string& path)
{
    if (!m_profile) {
        error("PLORIK has no game executable to load the ship file into: choose one with File > \"Select EXE "
              "File..\" and start PLORIK again.");
        return;
    }
    const ShipFileReading reading = readShipFileFrom(path, m_profile->entryLength());
    if (!reading.file) {
        error(reading.refusal);
        return;
    }
    const ShipFile& ship = *reading.file;
    const std::int32_t shown = currentSlot();
    const auto target = shipFileTarget(ship);
    if (!target)
        return;
    if (!ship.binaryRefusal.empty()) {
        error(ship.binaryRefusal);
        return;
    }
    // A shorter binary part leaves the rest of the buffer: of the slot it goes to.
    SlotBuffer loaded = m_slot;
    const std::int32_t offset = (*target - 1) * m_profile->entryLength();
    if (*target != currentSlot())
        CraftTable(*m_profile).readSlot(executablePath(), offset, loaded);
    std::copy(ship.binary.begin(), ship.binary.end(), loaded.bytes().begin());
    m_slot = loaded;
    m_slotOffset = offset;
    (*m_main)[controls::CraftNoBox].setText(std::to_string(*target));
    // A file without a ship type line that moves to another slot shows that slot's own ship type.
    showSlot(*target == shown);
    fillFromShipFile(ship);
}

std::optional<std::int32_t> Session::shipFileTarget(const ShipFile& ship)
{
    Form& main = *m_main;
    const std::int32_t slots = m_profile->slotCount();
    std::int32_t target = currentSlot();
    if (ship.version.asksSlot) {
        const std::int32_t original = ship.slot;
        main[controls::OrigSlotBox].setText(std::to_string(original));
        const Answer here =
            m_prompter.message({"Confirm PLORIK Ship file location:",
                                "Would you like to locate this craft at its original slot: " + std::to_string(original),
                                MessageIcon::Question, MessageButtons::YesNo, Answer::No});
        if (here == Answer::Yes) {
            // The slot of another game may not exist in this one.
            if (original < 1 || original > slots) {
                error("Invalid Slot number!");
                return std::nullopt;
            }
            target = original;
        } else if (original == readLeadingNumber(main[controls::CraftNoBox].text())) {
            const auto typed = m_prompter.input(
                "PLORIK User query", "Which slot number should the SHP file be loaded to:", std::to_string(original));
            if (!typed)
                return std::nullopt;
            const std::int32_t chosen = readNumber(*typed) & 0xFF;
            if (chosen == 0 || chosen >= slots - 1) {
                error("Invalid Slot number!");
                return std::nullopt;
            }
            target = chosen;
        }
        const std::string& comment = ship.texts.patchComment;
        main[controls::PatchCommentMemo].setText(comment);
        if (comment.size() >= 2)
            m_prompter.message(
                {"Ship file information:", comment, MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
    }
    if (ship.version.comparesVersionName && ship.texts.versionName.substr(0, 40) != m_versionName.substr(0, 40)) {
        const Answer proceed = m_prompter.message(
            {"Version difference!",
             "The SHP file appears to be of a different version than the EXE file you are editing. Continuing may "
             "corrupt parts of your EXE file. Do you widh to proceed loading BIN data?",
             MessageIcon::Question, MessageButtons::YesNo, Answer::No});
        if (proceed != Answer::Yes)
            return std::nullopt;
    }
    return target;
}

void Session::fillFromShipFile(const ShipFile& ship)
{
    Form& main = *m_main;
    const ShipFileTexts& texts = ship.texts;
    main[controls::PatchCommentMemo].setText(texts.patchComment);
    main[controls::DBOPTFile].setText(texts.optFile);
    main[controls::PluralnameBox].setText(texts.pluralName);
    main[controls::CraftNameBox].setText(texts.craftName);
    main[controls::CraftTypeBox].setText(texts.craftType);
    main[controls::ManufactorBox].setText(texts.manufacturer);
    main[controls::UsedByBox].setText(texts.inUseBy);
    main[controls::CrewBox].setText(texts.crew);
    main[controls::DescriptionBox].setText(texts.description);
    main[controls::TopCraftNameBox].setText(main[controls::CraftNameBox].text());
    if (main[controls::Shiplistnamebox].enabled())
        main[controls::Shiplistnamebox].setText(main[controls::CraftNameBox].text());
    if (ship.version.lastTextLine >= 14) {
        main[controls::ShipTypeList].setText(texts.shipType);
        main[controls::EnabledBox].setChecked(true);
    }
    if (ship.version.lastTextLine >= 17) {
        main[controls::CraftIDBox].setText(texts.craftId);
        main[controls::Playmodebox].setText(texts.flightMode);
        main[controls::CapWpnSys].setText(texts.weaponSystem);
    }
}

} // namespace plorik
