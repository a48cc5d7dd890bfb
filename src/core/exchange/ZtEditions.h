#pragma once

#include "common/Errors.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// X-Wing Alliance 2.02 exists in a US and an International edition whose tables lie at other offsets:
// a package is made for each.
struct Xwa202Edition {
    bool international = false;
    std::string otherName; // the version name of the other edition
};

// The edition a version name names, or nullopt for every other version.
std::optional<Xwa202Edition> xwa202Edition(const std::string& versionName);

// Where the other edition keeps its tables, as its entry in data.txt writes them.
struct EditionOffsets {
    std::optional<std::int32_t> weaponOffset;  // "WeaponOffset ="
    std::optional<std::int32_t> craftOffset;   // "CraftOffset ="
    std::optional<std::int32_t> shipTypeStart; // "Shiptypestart ="
};

// data.txt lacks what the second package needs; the text names it.
class EditionLookupError : public PlorikError {
public:
    using PlorikError::PlorikError;
};

// Reads the entry "Version = NAME" of [XVT VERSIONS]: the first line of the entry that begins with
// each key, exactly as written. A key the entry lacks stays nullopt. Throws EditionLookupError when
// the section or the entry is missing, FileError when data.txt cannot be read.
EditionOffsets readEditionOffsets(const std::filesystem::path& dataFile, const std::string& name);

} // namespace plorik
