#pragma once

#include "changes/ChangeReport.h"
#include "changes/FieldMarks.h"
#include "common/Prompter.h"
#include "controls/Windows.h"
#include "craft/SlotBuffer.h"
#include "form/Form.h"
#include "form/ShownForm.h"
#include "hooks/HookReport.h"
#include "hooks/HookTransfer.h"
#include "inspect/OptInspection.h"
#include "inspect/ValueSearch.h"
#include "io/FolderLock.h"
#include "io/PlannedWrite.h"
#include "io/ProtectedFiles.h"
#include "profile/ProfileKey.h"
#include "profile/VersionProfile.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

struct ShipFile;
struct HookModel;
class HookFiles;
class CockpitEditor;
class WeaponEditor;
class WriteHistory;
struct HistoryRecord;

// One running editor: the program folder, the settings, the profile, the current slot, and the
// forms of its three windows. Every command of every window runs here; the window, the command
// line and the tests drive it through the forms.
class Session {
public:
    Session(std::filesystem::path programDir, Prompter& prompter);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The start-up: data.txt, plorik.ini, identification, profile, lists, slot 1, the Images menu,
    // an SHP file named on the command line, the editor windows (created hidden).
    void start(const std::string& shipFileArgument = {});
    // The splash window closes: on an unconfigured start the first-time notice asks to go on.
    void closeSplash();

    MainForm& mainForm() { return *m_main; }
    CockpitForm& cockpitForm() { return *m_cockpit; }
    WeaponForm& weaponForm() { return *m_weapons; }

    // "The program ends": set by a command; the window closes and the command line stops.
    bool ended() const { return m_ended; }
    int exitCode() const { return m_exitCode; }

    bool configured() const { return m_configured; }
    const VersionProfile* profile() const { return m_profile ? &*m_profile : nullptr; }
    const std::string& versionName() const { return m_versionName; }
    const std::string& gameDir() const { return m_gameDir; }
    const std::string& exeName() const { return m_exeName; }
    const std::filesystem::path& programDir() const { return m_programDir; }
    // The current slot (1-based), or 0 while no profile is loaded.
    std::int32_t currentSlot() const;
    std::int32_t slotOffset() const { return m_slotOffset; }
    const SlotBuffer& slotBuffer() const { return m_slot; }
    // The ship list separator of the slot on screen, kept for the write.
    const std::string& shipListSeparator() const { return m_shipListSeparator; }
    // Why the slot on screen is not fully shown (its display stopped), or nullopt when it is. The
    // pages may then hold another slot's values, so nothing writes the slot from them.
    const std::optional<std::string>& slotNotShown() const { return m_slotNotShown; }
    // What the XWA hook files beside the slot's model set in its place (nothing for XvT), found at
    // every display of a slot.
    const HookReport& hookOverrides() const { return m_hookOverrides; }
    // The markers of the slot shown: the fields that differ from the backup image (while "Mark
    // Changes" is checked) and those a hook file sets, found at every display and write of a slot.
    const std::vector<FieldMark>& fieldMarks() const { return m_fieldMarks; }

    // What the game holds now against the backup image of its version (no `against`) or another
    // executable of the same version, for slots `first` to `last`, by the same display the pages use.
    // Reads only. Throws PlorikError when there is no image to compare with, or `against` is not an
    // executable of this version.
    ChangeReport changeReport(const std::optional<std::filesystem::path>& against, std::int32_t first,
                              std::int32_t last) const;

    std::filesystem::path dataFilePath() const;
    std::filesystem::path executablePath() const;
    std::filesystem::path backupFolder() const;
    // What a save dialog's choice may not replace.
    ProtectedFiles protectedFiles() const;

    // The history of writes into the game folder of the version loaded (PLORIKhistory), its limit
    // from plorik.ini.
    WriteHistory writeHistory() const;
    // The recorded writes, newest first (none while no version is loaded).
    std::vector<HistoryRecord> recordedWrites() const;
    // Puts back what the `nth` last recorded write replaced (1: the last), as "Undo Write" does but
    // without its question. Runs as a command (see run()).
    void undoWrite(std::size_t nth);
    // While a command writes slot after slot (an import), its writes go into one record named
    // `command`, which each write extends before its first byte, so that one undo puts back all it
    // wrote, however far it came. endWriteGroup() ends it; the next write has its own record again.
    void beginWriteGroup(std::string command);
    void endWriteGroup();

    // File > "Export Hook File.." without its dialog (XWA only): the slot's values, as "Write" would
    // store them, into the sections of a hook file, edited in place: every other line stays as it
    // was. A [Model]<Section>.txt that hides a section written is named in a question first. Written
    // under the game folder's lock and recorded for undo. Runs as a command (see run()).
    HookExportResult exportHookFile(const HookExportRequest& request);
    // File > "Import Hook File.." without its dialog (XWA only): sets the controls from the hook
    // file's sections as typing would; "Write" stays the user's. Runs as a command.
    HookImportResult importHookFile(const HookImportRequest& request);

    // Runs one command as the window's event loop would: a program end stops it, and any failure
    // (the program's own errors and every other exception) is shown in the standard error box and
    // abandons the command.
    void run(const std::function<void()>& command);

private:
    struct ProgramEnd {
        int code;
    };

    void wireHandlers();
    void wireInspectionCommands();
    void wireCockpitEditor();
    void wireWeaponEditor();
    // The editor windows' own start-up, after the main window's.
    void createCockpitEditor();
    void createWeaponEditor();
    void startUp(const std::string& shipFileArgument);
    void fillTargetTypes();
    void startUnconfigured();
    void startConfigured();
    void identifyAndLoad();
    void acceptProfile(const VersionProfile& profile);
    void fillLookupLists();
    void fillCraftNumbers();
    void fillUnknownGrid();
    void setImagesMenu();
    void fillWeaponEditorLists();

    void readAndShowSlot();
    // With `keepShipType` the "Ship Type:" list keeps its item (a ship file is being loaded).
    void showSlot(bool keepShipType = false);
    void slotNotShown(const std::string& step, const std::string& reason);
    // True (after an error box) while the slot is not fully shown.
    bool refusedWhileNotShown();
    // The Opt page's model information, last of every display.
    void refillOptInformation();
    // The hook files' overrides of the slot shown, after its model is known (SessionHooks.cpp).
    void findHookOverrides();
    // The hook file commands (SessionHookFiles.cpp).
    void exportHookFileItem();
    void importHookFileItem();
    HookExportResult exportHooks(const HookExportRequest& request);
    HookImportResult importHooks(const HookImportRequest& request);
    // The slot's model, or nullopt after an error box (not XWA, the slot not shown, no model).
    std::optional<HookModel> hookCommandModel(HookFiles& files, const std::string& command);
    // The markers of the slot shown, after its overrides are known (SessionChanges.cpp).
    void markFields();
    void toggleMarkChanges();
    void nextSlot();
    void previousSlot();
    void craftNumberChanged();
    void displayChoiceChanged();
    void speciesChanged();
    void manoeuvreChanged();
    void turboPriorityChanged();
    void superPriorityChanged();
    void writeSlot();

    void openShip();
    void saveShip();
    void loadShipFile(const std::string& path);
    // Asks where the craft goes and whether a file of another game version may be used: the slot,
    // or nullopt when the load stops.
    std::optional<std::int32_t> shipFileTarget(const ShipFile& ship);
    void fillFromShipFile(const ShipFile& ship);
    void copyShip();
    void pasteShip();
    void pasteShipTypeOnly();
    void refreshAfterPaste();

    // The Images menu and the ZT files (SessionImages.cpp).
    void wireImageCommands();
    void createBackupImage();
    void restoreFromImage();
    void restoreSingleSlot();
    void saveSingleZt();
    void makeZtPackage();
    void showProgress(const std::string& text);
    void showRestoredSlot(std::size_t failedCopies);
    // Runs an image command's steps; one that fails leaves its summary in the status bar, not the
    // progress text it stopped at, and goes on to the error box. Returns whether the steps completed.
    bool reportFailure(const std::string& command, const std::function<void()>& steps);

    void selectExeFile();
    void about();
    void showCockpitEditor();
    void showWeaponEditor();

    void setProfileCommandsEnabled(bool enabled);
    void setCockpitEditorAvailable(bool available);

    // The history (SessionHistory.cpp): a hook that records, before a command's first byte, what it
    // will replace, under the command's name; a failure to record refuses the command.
    BeforeWrite recorder(std::string command);
    void recordWrite(const std::string& command, const PlannedWrite& planned);
    void undo(std::size_t nth, bool ask);

    void error(const std::string& text, const std::string& caption = "PLORIK error:");
    // The game folder, locked against another PLORIK writing it for as long as the result lives;
    // nullopt (after an error box) when another holds it.
    std::optional<FolderLock> lockGameFolder();
    // The program ends: at once (the command stops here), or once the start-up has run on. Either
    // way finish() records it; the window closes and the command line stops.
    void endNow(int code);
    void endAfterStartUp(int code);
    void finish(int code);

    std::filesystem::path m_programDir;
    Prompter& m_prompter;
    std::unique_ptr<MainForm> m_main;
    std::unique_ptr<CockpitForm> m_cockpit;
    std::unique_ptr<WeaponForm> m_weapons;

    bool m_configured = false;
    bool m_ended = false;
    int m_exitCode = 0;
    std::optional<int> m_pendingEnd;

    std::string m_gameDir;
    std::string m_exeName;
    std::string m_versionName;
    std::optional<VersionProfile> m_profile;
    std::int32_t m_slotOffset = 0;
    SlotBuffer m_slot;
    std::string m_shipListSeparator;
    ShownForm m_shown; // the main window as the slot's display left it
    std::optional<std::string> m_slotNotShown;
    std::optional<std::int32_t> m_clipboardSlot; // the slot "Copy Ship" remembered
    OptInspection m_opt;                         // the Opt page's model file and what it showed
    HookReport m_hookOverrides;                  // what the hook files set for the slot shown
    std::vector<FieldMark> m_fieldMarks;         // the markers of the slot shown
    ValueSearch m_search;                        // the match list of "Find", kept across slots
    std::unique_ptr<CockpitEditor> m_cockpitEditor;
    std::unique_ptr<WeaponEditor> m_weaponEditor;
    struct WriteGroup {
        std::string command;
        std::uint32_t record = 0; // 0 until its first write is recorded
    };
    std::optional<WriteGroup> m_writeGroup;
};

} // namespace plorik
