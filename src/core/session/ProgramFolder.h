#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace plorik {

// What decides the program folder (data.txt, plorik.ini, PLORIKbackup\) at start. The launchers
// read the command line and the environment; the choice itself is made here.
struct ProgramFolderRequest {
    std::filesystem::path given;   // --program-dir; empty when not given
    std::filesystem::path current; // the current folder at start
    // The folder that holds per-user program data (platform::userDataHome); empty when there is none.
    std::filesystem::path userDataHome;
    // The data.txt that comes with the program, copied into a new per-user folder; empty when the
    // program found none.
    std::filesystem::path shippedDataFile;
};

struct ProgramFolder {
    enum class Origin {
        Given,   // --program-dir
        Current, // the current folder holds a data.txt
        PerUser, // $XDG_DATA_HOME/plorik or ~/.local/share/plorik; %APPDATA%\plorik on Windows
    };
    std::filesystem::path path;
    Origin origin = Origin::Current;
    bool seeded = false; // the shipped data.txt was copied into it just now
};

// The given folder; else the current folder when it holds a data.txt (in any case of its name);
// else the per-user folder, created when missing and given the shipped data.txt when it has none.
// A data.txt already there is never replaced. Without a per-user data folder the current folder is
// used. Throws FileError when the per-user folder cannot be made.
ProgramFolder chooseProgramFolder(const ProgramFolderRequest& request);

// Where the files that come with the program (data.txt, help/) may lie, in the order to search:
// the installed data folder beside `executableFolder` (../share/plorik), then the source tree.
std::vector<std::filesystem::path> shippedDataFolders(const std::filesystem::path& executableFolder);
// The first shipped data.txt found there; empty when there is none.
std::filesystem::path findShippedDataFile(const std::filesystem::path& executableFolder);

} // namespace plorik
