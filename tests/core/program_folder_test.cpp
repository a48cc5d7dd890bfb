// Which folder the programs use for data.txt, plorik.ini and the backup images.
#include "GameBuilder.h"

#include "common/Errors.h"
#include "io/Platform.h"
#include "session/ProgramFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace plorik;
using namespace plorik::testing;

namespace {

using Origin = ProgramFolder::Origin;

std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ProgramFolder, ChoosesGivenThenCurrentWithDataFileThenPerUserFolder)
{
    const struct Case {
        const char* name;
        bool given;
        const char* currentDataFile; // the data file's name in the current folder, or nullptr
        bool userData;               // a per-user data folder ("data") exists for the system
        bool shipped;
        Origin origin;
        const char* chosen; // relative to the temporary folder
        bool seeded;
    } cases[] = {
        {"--program-dir wins", true, "data.txt", true, true, Origin::Given, "given", false},
        {"current folder with data.txt", false, "data.txt", true, true, Origin::Current, "current", false},
        {"data.txt in another case", false, "DATA.TXT", true, true, Origin::Current, "current", false},
        {"per-user folder, given the shipped data.txt", false, nullptr, true, true, Origin::PerUser, "data/plorik",
         true},
        {"nothing shipped", false, nullptr, true, false, Origin::PerUser, "data/plorik", false},
        {"no per-user data folder", false, nullptr, false, true, Origin::Current, "current", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto at = [&dir](const std::string& name) { return dir.path() / name; };
        std::filesystem::create_directories(at("current"));
        if (c.currentDataFile)
            writeFile(at("current") / c.currentDataFile, "own");
        writeFile(at("shipped.txt"), "[XVT VERSIONS]\r\nshipped\r\n");

        ProgramFolderRequest request;
        request.given = c.given ? at("given") : std::filesystem::path();
        request.current = at("current");
        request.userDataHome = c.userData ? at("data") : std::filesystem::path();
        request.shippedDataFile = c.shipped ? at("shipped.txt") : std::filesystem::path();

        const ProgramFolder chosen = chooseProgramFolder(request);
        EXPECT_EQ(chosen.path, at(c.chosen));
        EXPECT_EQ(chosen.origin, c.origin);
        EXPECT_EQ(chosen.seeded, c.seeded);
        if (c.origin == Origin::PerUser) {
            EXPECT_TRUE(std::filesystem::is_directory(chosen.path));
            // Only the copy is left behind, no scratch file.
            EXPECT_EQ(namesIn(chosen.path),
                      c.seeded ? std::vector<std::string>{"data.txt"} : std::vector<std::string>{});
            if (c.seeded) {
                EXPECT_EQ(readFile(chosen.path / "data.txt"), readFile(at("shipped.txt")));
            }
        } else {
            EXPECT_FALSE(std::filesystem::exists(at("data")));
        }
    }
}

// Where the per-user data folder is: on POSIX from the environment the launchers pass, on Windows
// the system's roaming application data folder (%APPDATA%) whatever the environment says.
TEST(ProgramFolder, ThePerUserDataFolderFollowsTheSystem)
{
    if (platform::isWindows()) {
        const std::filesystem::path appData = platform::userDataHome("/xdg", "/home/u");
        EXPECT_TRUE(appData.is_absolute()) << appData;
        EXPECT_EQ(appData.filename(), "Roaming") << appData;
        return;
    }
    const struct Case {
        const char* xdg;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/xdg", "/home/u", "/xdg"},
        {"rel/xdg", "/home/u", "/home/u/.local/share"}, // a relative XDG_DATA_HOME is ignored
        {"", "/home/u", "/home/u/.local/share"},
        {"", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::userDataHome(c.xdg, c.home), std::filesystem::path(c.folder)) << c.xdg << ", " << c.home;
}

TEST(ProgramFolder, APerUserDataFileIsNeverReplaced)
{
    TempDir dir;
    writeFile(dir.path() / "shipped.txt", "shipped");
    std::filesystem::create_directories(dir.path() / "data" / "plorik");
    writeFile(dir.path() / "data" / "plorik" / "Data.txt", "the user's own entries");
    ProgramFolderRequest request;
    request.current = dir.path();
    request.userDataHome = dir.path() / "data";
    request.shippedDataFile = dir.path() / "shipped.txt";
    for (int start = 0; start < 2; ++start) {
        const ProgramFolder chosen = chooseProgramFolder(request);
        EXPECT_EQ(chosen.origin, Origin::PerUser);
        EXPECT_FALSE(chosen.seeded);
        EXPECT_EQ(namesIn(chosen.path), std::vector<std::string>{"Data.txt"});
        EXPECT_EQ(readFile(chosen.path / "Data.txt"), "the user's own entries");
    }
}

TEST(ProgramFolder, APerUserFolderThatCannotBeMadeIsAFileError)
{
    TempDir dir;
    writeFile(dir.path() / "data", "a file where the folder should be");
    ProgramFolderRequest request;
    request.current = dir.path();
    request.userDataHome = dir.path() / "data";
    EXPECT_THROW(chooseProgramFolder(request), FileError);
}

} // namespace
