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
    if (platform::isWindows())
        GTEST_SKIP() << "Windows takes the per-user folder from the system (%APPDATA%), not from XDG_DATA_HOME or HOME";
    const struct Case {
        const char* name;
        bool given;
        const char* currentDataFile; // the data file's name in the current folder, or nullptr
        const char* xdg;             // relative to the temporary folder; "rel:" keeps it relative
        bool home;
        bool shipped;
        Origin origin;
        const char* chosen; // relative to the temporary folder
        bool seeded;
    } cases[] = {
        {"--program-dir wins", true, "data.txt", "xdg", true, true, Origin::Given, "given", false},
        {"current folder with data.txt", false, "data.txt", "xdg", true, true, Origin::Current, "current", false},
        {"data.txt in another case", false, "DATA.TXT", "xdg", true, true, Origin::Current, "current", false},
        {"XDG_DATA_HOME", false, nullptr, "xdg", true, true, Origin::PerUser, "xdg/plorik", true},
        {"relative XDG_DATA_HOME is ignored", false, nullptr, "rel:xdg", true, true, Origin::PerUser,
         "home/.local/share/plorik", true},
        {"HOME alone", false, nullptr, nullptr, true, true, Origin::PerUser, "home/.local/share/plorik", true},
        {"nothing shipped", false, nullptr, nullptr, true, false, Origin::PerUser, "home/.local/share/plorik", false},
        {"neither HOME nor XDG_DATA_HOME", false, nullptr, nullptr, false, true, Origin::Current, "current", false},
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
        if (c.xdg)
            request.xdgDataHome =
                std::string(c.xdg).rfind("rel:", 0) == 0 ? std::string(c.xdg + 4) : at(c.xdg).string();
        request.home = c.home ? at("home").string() : std::string();
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
            EXPECT_FALSE(std::filesystem::exists(at("home")));
            EXPECT_FALSE(std::filesystem::exists(at("xdg")));
        }
    }
}

TEST(ProgramFolder, APerUserDataFileIsNeverReplaced)
{
    if (platform::isWindows())
        GTEST_SKIP() << "Windows takes the per-user folder from the system (%APPDATA%), not from XDG_DATA_HOME or HOME";
    TempDir dir;
    writeFile(dir.path() / "shipped.txt", "shipped");
    std::filesystem::create_directories(dir.path() / "xdg" / "plorik");
    writeFile(dir.path() / "xdg" / "plorik" / "Data.txt", "the user's own entries");
    ProgramFolderRequest request;
    request.current = dir.path();
    request.xdgDataHome = (dir.path() / "xdg").string();
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
    if (platform::isWindows())
        GTEST_SKIP() << "Windows takes the per-user folder from the system (%APPDATA%), not from XDG_DATA_HOME or HOME";
    TempDir dir;
    writeFile(dir.path() / "xdg", "a file where the folder should be");
    ProgramFolderRequest request;
    request.current = dir.path();
    request.xdgDataHome = (dir.path() / "xdg").string();
    EXPECT_THROW(chooseProgramFolder(request), FileError);
}

} // namespace
