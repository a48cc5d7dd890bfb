#pragma once

#include "craft/SlotBuffer.h"
#include "hooks/HookFields.h"
#include "hooks/HookIniEdit.h"
#include "hooks/HookSection.h"
#include "profile/VersionProfile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plorik {

// The sections a hook file takes a slot's values in.
enum class HookSectionKind { Stats, ExeValues, CockpitPov };

// File > "Export Hook File..": which sections, and where (empty: the model's own [Model].ini; else a
// file in the game folder, by the game's name for it, "FlightModels\Other.ini", or its full path).
struct HookExportRequest {
    std::vector<HookSectionKind> sections = {HookSectionKind::Stats, HookSectionKind::ExeValues,
                                             HookSectionKind::CockpitPov};
    std::string file;
};

struct HookExportResult {
    std::string file;                  // the game's name for the file
    std::vector<std::string> sections; // the sections written
    std::vector<std::string> warnings; // values the hooks cannot give exactly, sections that hide others
    bool written = false;              // the file was written
    bool upToDate = false;             // the file already held every value: nothing to write
};

// File > "Import Hook File..": empty, what the hooks read for the model; else that .ini file.
struct HookImportRequest {
    std::string file;
};

// One key of a hook file and the game's value the hooks make of it.
struct HookReadKey {
    const HookField* field = nullptr;
    std::string file;
    std::string section;
    std::size_t line = 0;
    std::string text;
    std::int64_t gameValue = 0;
};

struct HookImportResult {
    std::vector<HookReadKey> set;         // the keys whose controls were set
    std::vector<std::string> unsupported; // keys with no field of this program, with file and line
    std::vector<std::string> problems;    // values the hooks crash on, files not read
    std::vector<std::string> warnings;    // values the pages cannot hold exactly
};

// The keys of the sections read, in file order, first of each name only, as the hooks take them:
// empty values and a stats "-1" keep the executable's value and are passed over; a value with no
// digits is a problem naming its file and line; keys this program has no field for are listed.
struct HookReadKeys {
    std::vector<HookReadKey> keys;
    std::vector<std::string> unsupported;
    std::vector<std::string> problems;
};
HookReadKeys readHookKeys(const HookSection& source, HookSectionKind kind, std::int32_t divisor);

// A section of the slot's values for a hook file: stats as file values (with a warning for each that
// the hooks cannot give back exactly, naming the value they would give), the others as they are.
HookIniSection hookExportSection(const std::string& name, HookSectionKind kind, const VersionProfile& profile,
                                 const SlotBuffer& slot, std::int32_t divisor, std::vector<std::string>& warnings);

// The fields of a kind of section.
std::span<const HookField> hookSectionFields(HookSectionKind kind);

} // namespace plorik
