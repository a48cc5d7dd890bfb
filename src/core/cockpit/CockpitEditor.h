#pragma once

#include "common/Prompter.h"
#include "controls/Windows.h"
#include "form/Form.h"
#include "io/FilePatch.h"
#include "io/PlannedWrite.h"
#include "profile/VersionProfile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// What the cockpit editor works with: its own window, the main window (whose "&Cockpit" box names
// the slot's cockpit), the profile and the game folder.
struct CockpitEditorContext {
    CockpitForm& window;
    const MainForm& main;
    Prompter& prompter;
    const VersionProfile& profile;
    std::string gameDir;
    // Told what "Save CP" will change before its first byte (the history of writes).
    BeforeWrite beforeWrite = {};
};

// The commands of the "PLORIK Cockpit editor" window on the INT files in CP640, CP480 and CP320.
// Failures to open or read a file throw FileError; refusals are shown here.
class CockpitEditor {
public:
    explicit CockpitEditor(CockpitEditorContext context) : m_context(std::move(context)) {}

    // At program start: the "Cockpit:" list from CP640, then the slot's cockpit loaded.
    void create();
    // A change of the "Cockpit:" text: shows the file's image names and values.
    void load();
    // A change of the "Cockpit parts:" choice: shows the part's position and variable.
    void choosePart();
    // "Save CP": the name boxes, the panel name and the chosen part go into the file, all or nothing.
    void save();
    // "&Browse..": an LFD file's name into the box.
    void browse(CockpitKey box);
    // "ImpMirror", "RebMirror", "Standard": the word into the box.
    void putCodeWord(CockpitKey box, std::string_view word);

private:
    Control& control(CockpitKey key) { return m_context.window[key]; }
    const Control& control(CockpitKey key) const { return m_context.window[key]; }
    std::optional<std::int64_t> panelOffset() const;
    // The INT file the "Cockpit:" text names in the folder of the resolution, or nullopt when the
    // text would lead out of that folder.
    std::optional<std::filesystem::path> intFile() const;
    std::string folderName() const;
    std::string outsideFolderText() const;
    std::vector<std::string> listCockpits() const;
    std::vector<FilePatch> savePatches() const;
    void error(const std::string& caption, const std::string& text);

    CockpitEditorContext m_context;
    std::optional<std::size_t> m_part; // the part last chosen in "Cockpit parts:"
};

} // namespace plorik
