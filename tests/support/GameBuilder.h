#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace plorik::testing {

enum class Family { Xvt, Xwa };
// The fields of a weapon in the weapon block, in their order there.
enum class WeaponValue { Power, Speed, TimeToLive, Unknown, Category };

// One entry of [XVT VERSIONS] in data.txt.
struct VersionEntry {
    std::string name;
    std::int64_t identificationOffset = 0;
    std::string signature;
    // Key lines in order, written "KEY = value" (keys as they should appear, any case).
    std::vector<std::pair<std::string, std::string>> keys;

    std::string render() const; // the entry's lines, ending with CR LF each, without the closing "[" line
};

// The demo versions: the layouts the builder writes executables for. data/data.txt ships the same
// entries.
VersionEntry demoXvtEntry();
VersionEntry demoXwaEntry();

// The text of a data.txt: [XVT VERSIONS] with the given entries, then the lookup sections of the
// shipped data/data.txt.
std::string dataFileText(const std::vector<VersionEntry>& entries);
// The shipped data/data.txt as it is.
std::string shippedDataFile();

// A complete synthetic game of one family, written into a folder, with the program folder beside
// it. Every slot's fields hold values derived from the slot number, so each is distinguishable.
struct BuiltGame {
    std::filesystem::path programDir; // data.txt, plorik.ini
    std::filesystem::path gameDir;    // the executable and the game's files
    std::string exeName;
    std::string versionName;
    Family family = Family::Xvt;
    std::int32_t slots = 0;
    std::filesystem::path executable() const { return gameDir / exeName; }
};

class GameBuilder {
public:
    explicit GameBuilder(Family family);

    // The data.txt written into the program folder (default: the shipped one).
    GameBuilder& withDataFile(std::string text);
    // No plorik.ini: an unconfigured start.
    GameBuilder& unconfigured();
    // plorik.ini with only its first line.
    GameBuilder& settingsWithOneLine();
    // Writes the executable under another name (plorik.ini names it).
    GameBuilder& exeName(std::string name);
    // The short names written to strings.txt (XWA), from SHORTNAMESLINE on; default: one per slot.
    GameBuilder& shortNames(std::vector<std::string> names);
    // Creates the backup image folder of the version in the program folder.
    GameBuilder& withBackupImage();
    // Appends a key line to the version entry (a later line wins, "-1" makes a key absent). The
    // game files follow the changed entry, and data.txt is written from it unless withDataFile
    // gave one.
    GameBuilder& withKey(std::string key, std::string value);
    // Puts `bytes` into slot `slot`'s craft entry at the position of `key` plus `offset`, after
    // the generated values.
    GameBuilder& withCraftBytes(std::int32_t slot, std::string key, std::vector<std::uint8_t> bytes,
                                std::int64_t offset = 0);
    // Keeps only the first `lines` lines of a game text or list file, named as the game names it
    // ("strings.txt", "specdesc.txt", "ivfiles\spec3640.lst", ...).
    GameBuilder& cutFile(std::string name, std::size_t lines);
    // Writes an executable of this many bytes (default: 64 KB for XvT, 128 KB for XWA).
    GameBuilder& executableSize(std::size_t bytes);

    // Writes root/program and root/game; returns where everything lies.
    BuiltGame build(const std::filesystem::path& root) const;

    // The bytes of slot `slot`'s craft entry as written.
    std::vector<std::uint8_t> craftEntry(std::int32_t slot) const;
    // The short name of a slot as written to strings.txt.
    std::string shortName(std::int32_t slot) const;
    const VersionEntry& entry() const { return m_entry; }

    // Names. strings.txt: the gender line holds gender(slot) ('m', 'f', or an upper-case 'F' that
    // still means male), ':' and craftName(slot); the plural line pluralName(slot). fronttxt.txt
    // (XvT): longName(slot) on the slot's line. The craft entry: iffName(slot) at IFFNAME.
    std::string craftName(std::int32_t slot) const;
    std::string pluralName(std::int32_t slot) const;
    char gender(std::int32_t slot) const;
    std::string longName(std::int32_t slot) const;
    std::string iffName(std::int32_t slot) const;

    // specdesc.txt: the five texts of a slot's record (tags removed), in the positional layout the
    // record of the slot, in the keyed layout the record of the slot's species. An empty crew is
    // written as an empty line.
    std::string craftType(std::int32_t slot) const;
    std::string manufacturer(std::int32_t slot) const;
    std::string inUseBy(std::int32_t slot) const;
    std::string description(std::int32_t slot) const;
    std::string crew(std::int32_t slot) const;
    // Positional layout: the record of this slot has a comment line right after its first line.
    static constexpr std::int32_t kCommentedRecordSlot = 6;
    static std::string recordComment();
    // Keyed layout: whether the slot's species has a record (species 11 has none).
    bool hasDescriptionRecord(std::int32_t slot) const;
    // The 1-based line of specdesc.txt on which the slot's record begins.
    std::size_t descriptionRecordLine(std::int32_t slot) const;

    // Species (profiles with SPECNOOFFSET): species(slot) is the species number whose table entry
    // holds the slot, 0 when no entry does (slot 5). Most slots have their own number as species.
    std::int32_t species(std::int32_t slot) const;
    // shiplist.txt: the species that have a line, in file order, and the fields of their lines.
    std::vector<std::int32_t> shipListSpecies() const;
    bool hasShipListLine(std::int32_t species) const;
    std::string shipListLine(std::int32_t species) const; // the whole line as written
    std::string shipListName(std::int32_t species) const;
    std::string playMode(std::int32_t species) const;
    std::string known(std::int32_t species) const;
    std::string skirmish(std::int32_t species) const;
    std::string separator(std::int32_t species) const;  // "," and the run of tabs and blanks as written
    std::string iconString(std::int32_t species) const; // as written, possibly longer than a line holds

    // The slot's ship type entry.
    std::int32_t enabledMarker(std::int32_t slot) const;
    std::int32_t shipType(std::int32_t slot) const;
    std::int32_t weaponSystem(std::int32_t slot) const;
    std::int32_t targetType(std::int32_t slot) const;
    std::int32_t optList(std::int32_t slot) const; // the selector
    std::int32_t optIndex(std::int32_t slot) const;
    // OPT list files by selector (0, 1, 2 for XvT; 0, 1 for XWA): how many lines, and the text of
    // the line with 0-based index `index`.
    std::int32_t optListLength(std::int32_t list) const;
    std::string optName(std::int32_t list, std::int32_t index) const;

    // XvT cockpit files (DemoCockpits.cpp), named "CP640\\CPIT1" and the like: CP640 holds CPIT1 to
    // CPIT3, MapView, mapfront and the too short SHORT; CP480 holds CPIT1 and CP320 CPIT2. The name
    // boxes show cockpitName, the value boxes cockpitValue, the panel cockpitPanel.
    static constexpr std::int64_t kDemoPanelOffset = 4400;
    std::string cockpitName(const std::string& cockpit, std::size_t record) const;
    std::uint16_t cockpitValue(const std::string& cockpit, std::size_t record) const;
    std::string cockpitPanel(const std::string& cockpit) const;
    std::string cockpitBytes(const std::string& cockpit) const; // the whole file

    // The weapon block and the XWA weapon OPT records (DemoWeapons.cpp), by weapon index.
    std::int32_t weaponsInDemo() const;
    std::int64_t weaponValue(WeaponValue field, std::int32_t weapon) const;
    std::int32_t weaponEnabledByte(std::int32_t weapon) const;
    std::int32_t weaponCraftType(std::int32_t weapon) const;
    std::int32_t weaponModelIndex(std::int32_t weapon) const;

private:
    struct CraftPatch {
        std::int32_t slot;
        std::string key;
        std::int64_t offset;
        std::vector<std::uint8_t> bytes;
    };

    void writeExecutable(const std::filesystem::path& path) const;
    void writeShipTypes(std::vector<std::uint8_t>& exe) const;
    void writeStrings(const std::filesystem::path& gameDir) const;
    void writeFrontText(const std::filesystem::path& gameDir) const;
    void writeDescriptions(const std::filesystem::path& gameDir) const;
    void writeShipList(const std::filesystem::path& gameDir) const;
    void writeOptLists(const std::filesystem::path& gameDir) const;
    void writeCockpits(const std::filesystem::path& gameDir) const;
    void writeWeapons(std::vector<std::uint8_t>& exe) const;
    // Writes `lines` with CR LF to gameDir / path, cut as cutFile asked for `name`.
    void writeGameText(const std::filesystem::path& gameDir, const std::string& name, const std::string& path,
                       const std::vector<std::string>& lines) const;
    // The lines of specdesc.txt; `recordLines`, when given, gets the 1-based first line of each
    // slot's record, indexed by slot (0 when the slot has none).
    std::vector<std::string> descriptionLines(std::vector<std::size_t>* recordLines = nullptr) const;
    std::int32_t slotOfSpecies(std::int32_t species) const;
    void layoutChanged(); // refreshes m_xwa and m_slots from the entry

    Family m_family;
    VersionEntry m_entry;
    std::optional<std::string> m_dataFile;
    bool m_configured = true;
    bool m_oneLineSettings = false;
    bool m_backupImage = false;
    std::string m_exeName;
    std::optional<std::vector<std::string>> m_shortNames;
    bool m_keysChanged = false;
    bool m_xwa = false;
    std::int32_t m_slots = 0;
    std::vector<CraftPatch> m_patches;
    std::map<std::string, std::size_t> m_cuts;
    std::size_t m_exeSize = 0;
};

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Small file helpers for tests.
std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& content);

} // namespace plorik::testing
