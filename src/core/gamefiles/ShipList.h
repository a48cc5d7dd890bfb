#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// One species line of shiplist.txt: "!PREFIX_n!name,category,play mode,known,skirmish" + separator +
// icon string. Any prefix is accepted on reading.
struct SpeciesLine {
    std::string number; // the text between the first "_" and the next "!"
    std::string name;
    std::string category;
    std::string playMode;
    std::string known;
    std::string skirmish;
    std::string separator; // "," and the run of tabs and blanks after it, at most 10 characters
    std::string iconString;
};

// Parses a line that starts with "!"; nullopt for any other line.
std::optional<SpeciesLine> parseSpeciesLine(const std::string& line);

// Every species line of the file, in file order.
std::vector<SpeciesLine> readSpeciesLines(const std::filesystem::path& shipList);

// The separator a slot without a species line gets: six tabs.
inline const std::string kDefaultShipListSeparator(6, '\t');
inline constexpr const char* kDefaultIconString = "6  ,9  ,13 ,20 ,4  ,13 ,32 ,43 ";

} // namespace plorik
