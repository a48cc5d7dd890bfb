#pragma once

#include "craft/SlotBuffer.h"
#include "form/Form.h"
#include "profile/VersionProfile.h"
#include "session/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// What "Write" works with.
struct WriteContext {
    Form& form;
    const VersionProfile& profile;
    SlotBuffer& slot;
    std::int32_t slotOffset;
    std::string gameDir;
    std::filesystem::path executable;
    Prompter& prompter;
    const std::string& shipListSeparator;
};

// "Write": stores the slot on screen into the executable and brings the game's text and list files
// in line, asking what it must. A failing step stops it; what earlier steps wrote stays written.
class SlotWrite {
public:
    explicit SlotWrite(WriteContext context) : m_context(std::move(context)) {}

    // Throws FileError and PlorikError for failures the command runner reports.
    void run();

private:
    bool checkValues();
    bool chooseSpecies();
    void updatePilotFiles();
    void writeExecutable();
    void writeOptList();
    void writeSpeciesTable(class BinaryFile& exe);
    void writeShipTypeEntry(class BinaryFile& exe);
    void writeFreeValues(class BinaryFile& exe);
    void checkShipSlotLink(class BinaryFile& exe);
    void writeShipList();
    bool writeDescriptions();
    bool writeFrontText();
    void writeStrings();

    void stop(const std::string& caption, const std::string& text, MessageIcon icon);
    void notify(const std::string& caption, const std::string& text, MessageIcon icon);
    Answer ask(const std::string& caption, const std::string& text, MessageButtons buttons, Answer defaultButton);
    std::filesystem::path gameFile(const std::string& name) const;
    std::filesystem::path scratch() const;
    Control& operator[](const char* key) const { return m_context.form[key]; }
    std::int32_t slotNumber() const;
    bool xwa() const { return m_context.profile.isXwa(); }

    WriteContext m_context;
    std::string m_species; // the species number as text, at most 4 characters
};

} // namespace plorik
