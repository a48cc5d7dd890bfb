#include "craft/SlotWrite.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "craft/SlotGathering.h"
#include "gamefiles/ShipListWrite.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/GamePath.h"
#include "text/NumberRule.h"

namespace plorik {

std::filesystem::path SlotWrite::gameFile(const std::string& name) const
{
    return resolveGamePath(m_context.gameDir, name);
}

std::filesystem::path SlotWrite::scratch() const
{
    return resolveGamePath(m_context.gameDir, "temp.tmp");
}

bool SlotWrite::speciesChosen() const
{
    return control(controls::SpecNo).text() != kNoValue;
}

void SlotWrite::refuse(const std::string& text)
{
    notify("PLORIK error:", text + nothingWrittenParagraph(), MessageIcon::Error);
}

void SlotWrite::notify(const std::string& caption, const std::string& text, MessageIcon icon)
{
    m_context.prompter.message({caption, text, icon, MessageButtons::Ok, Answer::Ok});
}

Answer SlotWrite::ask(const std::string& caption, const std::string& text, MessageButtons buttons, Answer defaultButton)
{
    return m_context.prompter.message({caption, text, MessageIcon::Question, buttons, defaultButton});
}

bool SlotWrite::run()
{
    for (const auto& check : {&SlotWrite::valueRefusal, &SlotWrite::freeValueRefusal, &SlotWrite::shipListRefusal,
                              &SlotWrite::lineRefusal}) {
        if (const auto refusal = (this->*check)()) {
            refuse(*refusal);
            return false;
        }
    }
    m_species = std::to_string(readLeadingNumber(control(controls::SpecNo).text())).substr(0, 4);
    if (!chooseSpecies())
        return false;
    if (const auto refusal = speciesRefusal()) {
        refuse(*refusal); // a chosen species number must fit the species table too
        return false;
    }

    SlotBuffer gathered = m_context.slot;
    SlotGathering(m_context.form, m_context.shown, m_context.profile, gathered).gather();
    WritePlan planned;
    try {
        planned = plan(gathered);
    } catch (const PlorikError& failure) {
        refuse(failure.what());
        return false;
    }
    m_context.slot = gathered;
    const std::vector<std::filesystem::path> pilots = askPilotFiles(planned);
    if (planned.slotLink && !askSlotLink())
        planned.slotLink.reset();
    if (m_context.prompter.abandoned())
        return false; // a question found no answer: the slot stays as it is
    commit(planned, pilots);
    return true;
}

WritePlan SlotWrite::plan(const SlotBuffer& gathered)
{
    WritePlan plan;
    planExecutable(plan, gathered);
    planTextFiles(plan);
    checkFiles(plan);
    return plan;
}

bool SlotWrite::chooseSpecies()
{
    if (!control(controls::Shiplistwrite).enabled() || speciesChosen())
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
    control(controls::SpecNo).setText(m_species);
    return true;
}

std::vector<std::filesystem::path> SlotWrite::askPilotFiles(const WritePlan& plan)
{
    std::vector<std::filesystem::path> confirmed;
    for (const auto& file : plan.pilotFiles) {
        const Answer answer = ask("PLORIK query:",
                                  "The Pilot file: " + file.filename().string() + " has this craft listed " +
                                      "as being unknown would you like to change this?",
                                  MessageButtons::YesNo, Answer::Yes);
        if (answer == Answer::Yes)
            confirmed.push_back(file);
    }
    return confirmed;
}

bool SlotWrite::askSlotLink()
{
    return ask("PLORIK query:",
               "The shipslot link number amd the actual slot number differs. Would you like Plorik to fix it?",
               MessageButtons::YesNo, Answer::Yes) == Answer::Yes;
}

PlannedWrite SlotWrite::planned(const WritePlan& plan, const std::vector<std::filesystem::path>& pilots) const
{
    PlannedWrite planned;
    for (const auto& file : pilots)
        planned.region(file, plan.pilotOffset, {1}, "the pilot file " + file.filename().string());
    for (const ExecutablePatch* patch : regionsOf(plan))
        planned.region(m_context.executable, patch->offset, patch->bytes, patch->region);
    if (plan.optList)
        planned.replace(plan.optList->path, plan.optList->content);
    for (const TextFileStep& step : plan.textFiles) {
        if (step.stops)
            break;
        if (step.file)
            planned.replace(step.file->path, step.file->content);
    }
    return planned;
}

void SlotWrite::commit(WritePlan& plan, const std::vector<std::filesystem::path>& pilots)
{
    announce(m_context.beforeWrite, planned(plan, pilots));
    std::vector<std::string> written;
    std::string writing; // a region patched in place, which a failure may leave written in part
    try {
        for (const auto& file : pilots) {
            const std::uint8_t known = 1;
            writing = "the pilot file " + file.filename().string();
            BinaryFile(file, BinaryFile::Mode::ReadWrite).writeRegion(plan.pilotOffset, std::span(&known, 1), writing);
            written.push_back(writing);
        }
        {
            BinaryFile exe(m_context.executable, BinaryFile::Mode::ReadWrite);
            for (const ExecutablePatch* patch : regionsOf(plan)) {
                writing = patch->region;
                exe.writeRegion(patch->offset, patch->bytes, patch->region);
                written.push_back(patch->region);
            }
        }
        writing.clear();
        if (plan.optList) {
            replaceFileContent(plan.optList->path, plan.optList->content, scratch());
            written.push_back(plan.optList->name);
            control(controls::OptListFileBox).setText(plan.optListName);
            control(controls::OptIndexBox).setText(std::to_string(plan.optIndex));
        }
        for (const TextFileStep& step : plan.textFiles) {
            if (step.notice)
                m_context.prompter.message(*step.notice);
            if (step.stops)
                return;
            if (step.file) {
                replaceFileContent(step.file->path, step.file->content, scratch());
                written.push_back(step.file->name);
            }
        }
    } catch (const PlorikError& failure) {
        throw PlorikError(writeFailureReport(failure.what(), written, writing, nothingWrittenParagraph()));
    }
}

std::vector<const ExecutablePatch*> SlotWrite::regionsOf(const WritePlan& plan)
{
    std::vector<const ExecutablePatch*> regions;
    for (const ExecutablePatch& patch : plan.executable)
        regions.push_back(&patch);
    if (plan.slotLink)
        regions.push_back(&*plan.slotLink);
    return regions;
}

} // namespace plorik
