#include "GameBuilder.h"
#include "profile/LookupSections.h"

#include <gtest/gtest.h>

using namespace plorik;
using namespace plorik::testing;

namespace {

class Lookups : public ::testing::Test {
protected:
    std::filesystem::path data(const std::string& text)
    {
        const std::filesystem::path path = m_dir.path() / "data.txt";
        writeFile(path, text);
        return path;
    }

private:
    TempDir m_dir;
};

const char* const kSections = "[TARGET TYPES]\r\n"
                              "67  Normal\r\n"
                              "71  Buoy boot\r\n"
                              "\r\n"
                              "[GUN CONVERGENCE]\r\n"
                              "0  None\r\n"
                              "9  Test setting boot\r\n"
                              "2  Medium\r\n"
                              "[WEAPON TYPES]\r\n"
                              "0  None\r\n"
                              "1  Laser boot\r\n"
                              "2  Ion\r\n"
                              "3  Torpedo\r\n"
                              "[XWA WEAPON TYPES]\r\n"
                              "280 Laser\r\n"
                              "[LATER]\r\n"
                              "300 Found later\r\n"
                              "301 Last line\r\n";

} // namespace

TEST_F(Lookups, BracketListsEndAtTheNextSectionAndDropBootLinesWhereTheRuleApplies)
{
    const auto path = data(kSections);
    const SectionList targets = readBracketList(path, section::kTargetTypes, false);
    EXPECT_TRUE(targets.found);
    EXPECT_EQ(targets.items, (std::vector<std::string>{"67  Normal", "71  Buoy boot", ""}));
    EXPECT_EQ(readBracketList(path, section::kGunConvergence, true).items,
              (std::vector<std::string>{"0  None", "2  Medium"}));
    EXPECT_EQ(readBracketList(path, section::kWeaponTypes, true).items,
              (std::vector<std::string>{"0  None", "2  Ion", "3  Torpedo"}));
    EXPECT_FALSE(readBracketList(path, "[NOT THERE]", false).found);
}

TEST_F(Lookups, AHeaderOnTheLastLineCountsAsMissing)
{
    EXPECT_FALSE(readBracketList(data("x\r\n[TARGET TYPES]\r\n"), section::kTargetTypes, false).found);
    EXPECT_EQ(missingSectionText(section::kGunConvergence), "Missing [GUN CONVERGENCE] section in DATA.TXT");
}

TEST_F(Lookups, GunConvergenceIsFoundByCodeEvenOnABootLine)
{
    const auto path = data(kSections);
    EXPECT_EQ(lookupGunConvergence(path, 9).line, "9  Test setting boot");
    EXPECT_EQ(lookupGunConvergence(path, 2).line, "2  Medium");
    // The scan stops at the next section: code 3 exists only in [WEAPON TYPES].
    EXPECT_EQ(lookupGunConvergence(path, 3).line, std::nullopt);
    EXPECT_TRUE(lookupGunConvergence(path, 3).sectionFound);
}

TEST_F(Lookups, AMatchOnTheFilesLastLineCountsAsNotFound)
{
    const auto path = data(kSections);
    EXPECT_EQ(lookupXwaWeaponType(path, 301).line, std::nullopt);
    const auto convergenceLast = data("[GUN CONVERGENCE]\r\n0  None\r\n7  Last\r\n");
    EXPECT_EQ(lookupGunConvergence(convergenceLast, 7).line, std::nullopt);
}

TEST_F(Lookups, XwaWeaponTypesReadOnThroughLaterSections)
{
    const auto path = data(kSections);
    EXPECT_EQ(lookupXwaWeaponType(path, 280).line, "280 Laser");
    EXPECT_EQ(lookupXwaWeaponType(path, 300).line, "300 Found later");
    EXPECT_EQ(lookupXwaWeaponType(path, 999).line, std::nullopt);
}

TEST_F(Lookups, XvtWeaponTypesAreFoundByPositionBootLinesIncluded)
{
    const auto path = data(kSections);
    EXPECT_EQ(lookupXvtWeaponType(path, 0).line, "0  None");
    EXPECT_EQ(lookupXvtWeaponType(path, 1).line, "1  Laser boot");
    EXPECT_EQ(lookupXvtWeaponType(path, 3).line, "3  Torpedo");
}

TEST_F(Lookups, MissingSectionsAreReportedByTheLookups)
{
    const auto path = data("[TARGET TYPES]\r\n67 Normal\r\n");
    EXPECT_FALSE(lookupGunConvergence(path, 0).sectionFound);
    EXPECT_FALSE(lookupXwaWeaponType(path, 0).sectionFound);
    EXPECT_FALSE(lookupXvtWeaponType(path, 0).sectionFound);
}

TEST_F(Lookups, EndListsStopAtEndAndAlwaysTakeTheFirstLine)
{
    EXPECT_EQ(readEndList(data("[WEAPON NAMES]\r\nLaser\r\nIon\r\n[END]\r\nmore\r\n"), section::kWeaponNames).items,
              (std::vector<std::string>{"Laser", "Ion"}));
    EXPECT_EQ(readEndList(data("[WEAPON NAMES]\r\n[END]\r\nLaser\r\n[END]\r\n"), section::kWeaponNames).items,
              (std::vector<std::string>{"[END]", "Laser"}));
}

TEST_F(Lookups, EndListsWithoutEndLoseTheFilesLastLine)
{
    EXPECT_EQ(readEndList(data("[WEAPON CATEGORIES]\r\nLaser\r\nIon\r\nBomb\r\n"), section::kWeaponCategories).items,
              (std::vector<std::string>{"Laser", "Ion"}));
    const SectionList missing = readEndList(data("[TARGET TYPES]\r\n67 Normal\r\n"), section::kWeaponCategories);
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.items, (std::vector<std::string>{""}));
}

TEST(ShippedDataFile, CarriesTheDemoVersionsAndEverySection)
{
    const std::string shipped = shippedDataFile();
    EXPECT_NE(shipped.find(demoXvtEntry().render()), std::string::npos);
    EXPECT_NE(shipped.find(demoXwaEntry().render()), std::string::npos);
    TempDir dir;
    writeFile(dir.path() / "data.txt", shipped);
    const auto path = dir.path() / "data.txt";
    EXPECT_EQ(readBracketList(path, section::kTargetTypes, false).items,
              (std::vector<std::string>{"67  Normal targerting", "71  Bouy targeting"}));
    for (const auto header : {section::kGunConvergence, section::kWeaponTypes, section::kXwaWeaponTypes}) {
        const SectionList list = readBracketList(path, header, true);
        EXPECT_TRUE(list.found) << header;
        EXPECT_GT(list.items.size(), 5u) << header;
    }
    for (const auto header : {section::kWeaponNames, section::kXwaWeaponNames, section::kWeaponCategories})
        EXPECT_TRUE(readEndList(path, header).found) << header;
    // XvT weapon type lines begin with their own position, as the slot write reads them back.
    std::int32_t position = 0;
    for (std::int32_t code = 0; code < 20; ++code) {
        const auto line = lookupXvtWeaponType(path, code).line;
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(std::stoi(line->substr(0, 3)), position++) << *line;
    }
}
