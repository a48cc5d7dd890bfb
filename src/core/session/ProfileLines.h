#pragma once

#include "profile/VersionProfile.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace plorik {

// One key of a version entry as the program works from it: a numeric key's value as written in
// data.txt (after the number rule, -1 read as 1000) or its default; a free text of the Unknown page
// as read, its leading blank kept.
struct ProfileLine {
    std::string name; // as in data.txt, without " =": "CRAFTOFFSET", "UNKNOWN1NAME"
    std::variant<std::int32_t, std::string> value;
};

// Every key of the entry: the numeric keys in the order their lines are tested, then the Unknown
// page's texts column by column (every name, every type, ...), each column row by row.
std::vector<ProfileLine> profileLines(const VersionProfile& profile);

} // namespace plorik
