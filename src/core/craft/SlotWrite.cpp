#include "craft/SlotWrite.h"

#include "craft/SlotGathering.h"
#include "gamefiles/PilotFiles.h"
#include "gamefiles/ShipListWrite.h"
#include "io/BinaryFile.h"
#include "io/GamePath.h"
#include "text/NumberRule.h"

namespace plorik {

namespace {

constexpr const char* kNoSpecies = "n/a";

} // namespace

std::filesystem::path SlotWrite::gameFile(const std::string& name) const
{
    return resolveGamePath(m_context.gameDir, name);
}

std::filesystem::path SlotWrite::scratch() const
{
    return resolveGamePath(m_context.gameDir, "temp.tmp");
}

std::int32_t SlotWrite::slotNumber() const
{
    return readNumber(m_context.form["CraftNoBox"].text());
}

void SlotWrite::notify(const std::string& caption, const std::string& text, MessageIcon icon)
{
    m_context.prompter.message({caption, text, icon, MessageButtons::Ok, Answer::Ok});
}

Answer SlotWrite::ask(const std::string& caption, const std::string& text, MessageButtons buttons, Answer defaultButton)
{
    return m_context.prompter.message({caption, text, MessageIcon::Question, buttons, defaultButton});
}

void SlotWrite::run()
{
    if (!checkValues())
        return;
    m_species = std::to_string(readLeadingNumber((*this)["SpecNo"].text())).substr(0, 4);
    if (!chooseSpecies())
        return;
    if (!checkValues())
        return; // a new species number must fit the species table too
    updatePilotFiles();
    SlotGathering(m_context.form, m_context.profile, m_context.slot).gather();
    writeExecutable();
    if (xwa() && (*this)["Shiplistwrite"].checked() && (*this)["SpecNo"].text() != kNoSpecies)
        writeShipList();
    if (!writeDescriptions())
        return;
    if (!xwa() && !writeFrontText())
        return;
    writeStrings();
}

// Values that cannot be stored are refused before anything is written.
bool SlotWrite::checkValues()
{
    std::optional<std::string> refusal = SlotGathering(m_context.form, m_context.profile, m_context.slot).refusal();
    const std::string& species = (*this)["SpecNo"].text();
    const std::int32_t tableSize = m_context.profile.slotCount();
    if (!refusal && !m_context.profile.absent(Key::SpecNoOffset) && species != kNoSpecies) {
        const std::int32_t number = readLeadingNumber(species);
        if (number < 1 || number > tableSize)
            refusal = "Species No.: " + species + " is not in the species table. Allowed are 1 to " +
                      std::to_string(tableSize) + ".";
    }
    if (!refusal)
        return true;
    notify("PLORIK error:", *refusal + "\r\rNothing was written.", MessageIcon::Error);
    return false;
}

bool SlotWrite::chooseSpecies()
{
    if (!(*this)["Shiplistwrite"].enabled() || (*this)["SpecNo"].text() != kNoSpecies)
        return true;
    const Answer answer = ask(
        "Confirm PLORIK Ship file location:",
        "You haven't specified a Species entry, the craft will need this to work. PLORIK can add an entirely new line "
        "for your craft, if you click \"yes\". If you click \"no\" PLORIK will instead find a *DONTUSEME slot and use "
        "that. If you want to control species setting yourself, click cancel to abort writing now.",
        MessageButtons::YesNoCancel, Answer::No);
    if (answer == Answer::Yes) {
        const std::int32_t next = lastSpeciesNumber(gameFile("shiplist.txt")).value_or(0) + 1;
        if (next == 256) {
            notify("PLORIK Warning:", "Out of species numbers, Pick one manually. aborting write procedure...",
                   MessageIcon::Warning);
            return false;
        }
        m_species = std::to_string(next);
    } else if (answer == Answer::No) {
        const auto spare = lastSpareSpeciesNumber(gameFile("shiplist.txt"));
        if (!spare) {
            notify("PLORIK Warning:", "Out of *DONTUSEME slots, aborting write procedure...", MessageIcon::Warning);
            return false;
        }
        m_species = std::to_string(*spare);
    } else {
        return false;
    }
    (*this)["SpecNo"].setText(m_species);
    return true;
}

void SlotWrite::updatePilotFiles()
{
    if (!(*this)["Known"].checked())
        return;
    const std::int64_t offset = kPilotKnownCraft + readNumber(m_species);
    for (const auto& file : pilotFiles(resolveGamePath(m_context.gameDir))) {
        BinaryFile pilot(file, BinaryFile::Mode::ReadWrite);
        if (pilot.readExactlyAt(offset, 1).front() == 1)
            continue;
        const Answer answer = ask("PLORIK query:",
                                  "The Pilot file: " + file.filename().string() + " has this craft listed " +
                                      "as being unknown would you like to change this?",
                                  MessageButtons::YesNo, Answer::Yes);
        if (answer == Answer::Yes) {
            const std::uint8_t known = 1;
            pilot.writeAt(offset, std::span(&known, 1));
        }
    }
}

} // namespace plorik
