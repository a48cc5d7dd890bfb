#pragma once

#include "common/Prompter.h"
#include "controls/Windows.h"
#include "craft/Placeholders.h"
#include "craft/SlotBuffer.h"
#include "craft/WritePlan.h"
#include "form/Form.h"
#include "form/ShownForm.h"
#include "io/PlannedWrite.h"
#include "profile/ProfileKey.h"
#include "profile/VersionProfile.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// What "Write" works with.
struct WriteContext {
    MainForm& form;
    const VersionProfile& profile;
    SlotBuffer& slot;
    std::int32_t slotOffset;
    std::string gameDir;
    std::filesystem::path executable;
    Prompter& prompter;
    const std::string& shipListSeparator;
    // Every control as the display showed it: what still shows the same keeps its bytes and lines.
    const ShownForm& shown;
    // Told everything the write will change before its first byte (the history of writes).
    BeforeWrite beforeWrite = {};
};

// "Write": stores the slot on screen into the executable and brings the game's text and list files
// in line, asking what it must. Every value, region and file is checked and every new file content
// made before the first byte is written; a refusal says "Nothing was written.", and a failure while
// writing names what was already written.
class SlotWrite {
public:
    explicit SlotWrite(WriteContext context) : m_context(std::move(context)) {}

    // Whether the write went through (a notice may have ended it after the files before it). Throws
    // PlorikError for failures while writing.
    bool run();

private:
    // Checks (SlotWriteChecks.cpp): a refusal's text, or nullopt.
    std::optional<std::string> valueRefusal() const;
    std::optional<std::string> speciesRefusal() const;
    std::optional<std::string> freeValueRefusal() const;
    std::optional<std::string> shipListRefusal() const;
    std::optional<std::string> lineRefusal() const;
    bool shipListEdited() const;
    bool chooseSpecies();

    // Planning (SlotWriteExecutable.cpp, SlotWriteTextFiles.cpp).
    WritePlan plan(const SlotBuffer& gathered);
    void planExecutable(WritePlan& plan, const SlotBuffer& gathered);
    void planOptList(WritePlan& plan);
    void planFreeValues(WritePlan& plan);
    void planSlotLink(WritePlan& plan, const class BinaryFile& exe);
    void planTextFiles(WritePlan& plan);
    std::optional<FileReplacement> shipListFile();
    TextFileStep descriptionsStep();
    TextFileStep frontTextStep();
    TextFileStep stringsStep();
    void checkRegions(const WritePlan& plan, std::int64_t exeSize) const;
    void checkFiles(const WritePlan& plan) const;

    // Questions asked once everything is planned, and the writes.
    std::vector<std::filesystem::path> askPilotFiles(const WritePlan& plan);
    bool askSlotLink();
    void commit(WritePlan& plan, const std::vector<std::filesystem::path>& pilots);
    static std::vector<const ExecutablePatch*> regionsOf(const WritePlan& plan);
    PlannedWrite planned(const WritePlan& plan, const std::vector<std::filesystem::path>& pilots) const;

    void refuse(const std::string& text);
    void notify(const std::string& caption, const std::string& text, MessageIcon icon);
    Answer ask(const std::string& caption, const std::string& text, MessageButtons buttons, Answer defaultButton);
    std::filesystem::path gameFile(const std::string& name) const;
    std::filesystem::path scratch() const;
    Control& control(MainKey key) const { return m_context.form[key]; }
    bool edited(MainKey key) const { return m_context.shown.changed(m_context.form, key); }
    std::int32_t slotNumber() const { return m_context.slotOffset / m_context.profile.entryLength() + 1; }
    bool xwa() const { return m_context.profile.isXwa(); }
    bool speciesChosen() const;

    WriteContext m_context;
    std::string m_species; // the species number as text, at most 4 characters
};

} // namespace plorik
