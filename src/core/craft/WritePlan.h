#pragma once

#include "common/Prompter.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// Bytes to put into the executable; `region` names them in messages ("the craft entry of slot 5").
struct ExecutablePatch {
    std::string region;
    std::int64_t offset = 0;
    std::vector<std::uint8_t> bytes;
};

// The whole new content of a game text file, to replace it through temp.tmp.
struct FileReplacement {
    std::string name; // as the game names it: "strings.txt", "FlightModels\SPACECRAFT0.LST"
    std::filesystem::path path;
    std::string content;
};

// One step after the executable: a file to replace, or a notice; a notice that stops ends the
// write after it is shown (the files before it stay written, as it says).
struct TextFileStep {
    std::optional<FileReplacement> file;
    std::optional<Message> notice;
    bool stops = false;
};

// Everything one "Write" will change, worked out and checked before the first byte is written.
struct WritePlan {
    std::vector<std::filesystem::path> pilotFiles; // whose known-craft byte is not 1 yet
    std::int64_t pilotOffset = 0;
    std::vector<ExecutablePatch> executable;
    // The ship slot link byte when it differs from the slot (asked about before writing).
    std::optional<ExecutablePatch> slotLink;
    std::optional<FileReplacement> optList;
    std::string optListName; // what "OPT List File:" and "OPT Index:" show once the list is written
    std::int64_t optIndex = 0;
    std::vector<TextFileStep> textFiles;
};

} // namespace plorik
