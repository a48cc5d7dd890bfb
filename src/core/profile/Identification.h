#pragma once

#include "profile/VersionProfile.h"

#include <filesystem>
#include <string>

namespace plorik {

// The first pass over [XVT VERSIONS]: which entry's signature the executable carries.
struct Identification {
    enum class Outcome { Matched, MissingSection, NoMatch };
    Outcome outcome = Outcome::NoMatch;
    std::string versionName; // of the matching entry
};

// Throws FileError when data.txt or the executable cannot be opened, or when a signature runs past
// the end of the executable.
Identification identifyVersion(const std::filesystem::path& dataFile, const std::filesystem::path& executable);

// The second pass: the keys of the entry named `versionName`.
struct ProfileLoad {
    enum class Outcome { Loaded, EntryNotFound };
    Outcome outcome = Outcome::EntryNotFound;
    VersionProfile profile;
    bool hasXwaTypeKey = false; // the entry names XWATYPE, whatever its value
};

// Throws FileError when data.txt cannot be read and RangeError for a key beyond its width.
ProfileLoad loadProfile(const std::filesystem::path& dataFile, const std::string& versionName);

} // namespace plorik
