#include "GameBuilder.h"
#include "io/GamePath.h"

#include <gtest/gtest.h>

using plorik::resolveGamePath;
using plorik::splitChosenPath;
using plorik::testing::TempDir;
using plorik::testing::writeFile;

TEST(GamePath, AcceptsBothSeparatorsAndCollapsesDoubledOnes)
{
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "FlightModels");
    writeFile(dir.path() / "FlightModels" / "SPACECRAFT0.LST", "x");
    const std::string gameDir = dir.path().string() + "/\\"; // as plorik.ini line 1 plus the appended separator
    EXPECT_EQ(resolveGamePath(gameDir, "FlightModels\\SPACECRAFT0.LST"),
              dir.path() / "FlightModels" / "SPACECRAFT0.LST");
    EXPECT_EQ(resolveGamePath(gameDir, "FlightModels//SPACECRAFT0.LST"),
              dir.path() / "FlightModels" / "SPACECRAFT0.LST");
}

TEST(GamePath, FindsComponentsWhateverTheirCase)
{
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "flightmodels");
    writeFile(dir.path() / "flightmodels" / "spacecraft0.lst", "x");
    writeFile(dir.path() / "Strings.TXT", "x");
    EXPECT_EQ(resolveGamePath(dir.path().string(), "FlightModels\\SPACECRAFT0.LST"),
              dir.path() / "flightmodels" / "spacecraft0.lst");
    EXPECT_EQ(resolveGamePath(dir.path().string() + "\\", "strings.txt"), dir.path() / "Strings.TXT");
}

TEST(GamePath, KeepsMissingComponentsAsGiven)
{
    TempDir dir;
    EXPECT_EQ(resolveGamePath(dir.path().string(), "NoSuchFolder\\file.txt"), dir.path() / "NoSuchFolder" / "file.txt");
}

TEST(ChosenPath, SplitsAtTheLastSeparatorOfEitherKind)
{
    auto split = splitChosenPath("/games/xvt/Z_XVT__.EXE");
    EXPECT_EQ(split.directory, "/games/xvt/");
    EXPECT_EQ(split.file, "Z_XVT__.EXE");
    split = splitChosenPath("C:\\Games\\XWA\\xwingalliance.exe");
    EXPECT_EQ(split.directory, "C:\\Games\\XWA\\");
    EXPECT_EQ(split.file, "xwingalliance.exe");
}

TEST(ChosenPath, WithoutSeparatorTheFolderIsTheFirstCharacter)
{
    auto split = splitChosenPath("Z_XVT__.EXE");
    EXPECT_EQ(split.directory, "Z");
    EXPECT_EQ(split.file, "_XVT__.EXE");
    // The search starts at the second-last character, so a trailing separator is not the cut.
    split = splitChosenPath("/games/xvt/");
    EXPECT_EQ(split.directory, "/games/");
    EXPECT_EQ(split.file, "xvt/");
}
