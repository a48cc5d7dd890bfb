#include "GameBuilder.h"
#include "common/Errors.h"
#include "profile/Identification.h"

#include <gtest/gtest.h>

using namespace plorik;
using namespace plorik::testing;

namespace {

// A data.txt of one entry named "Test" whose key lines are `keys`.
ProfileLoad loadKeys(const std::string& keys)
{
    TempDir dir;
    writeFile(dir.path() / "data.txt", "[XVT VERSIONS]\r\nVersion = Test\r\nCheck offset = 0\r\nCheck string  = \r\n" +
                                           keys + "[END OF VERSION]\r\n");
    return loadProfile(dir.path() / "data.txt", "Test");
}

std::string rangeErrorOf(const std::string& keys)
{
    try {
        loadKeys(keys);
    } catch (const RangeError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(ProfileKeys, KeyNamesAreCaseBlindButNeedExactlyOneBlankBeforeTheEqualsSign)
{
    const ProfileLoad load = loadKeys("CraftOffset = 5\r\nSPEED= 7\r\n PITCH = 9\r\nroll = 11\r\n");
    ASSERT_EQ(load.outcome, ProfileLoad::Outcome::Loaded);
    EXPECT_EQ(load.profile.held(Key::CraftOffset), 5);
    EXPECT_TRUE(load.profile.absent(Key::Speed));
    EXPECT_TRUE(load.profile.absent(Key::Pitch));
    EXPECT_EQ(load.profile.held(Key::Roll), 11);
}

TEST(ProfileKeys, ValuesFollowTheNumberRuleAndMinusOneMeansAbsent)
{
    const ProfileLoad load = loadKeys("SPEED = $1A\r\nACC = x1A\r\nROLL = 0x1A\r\nPITCH = 26 knots\r\n"
                                      "SYSTEM = -1\r\nCRAFTOFFSET = -5 bytes before\r\nWEAPONOFFSET = -5\r\n");
    const VersionProfile& profile = load.profile;
    EXPECT_EQ(profile.held(Key::Speed), 26);
    EXPECT_EQ(profile.held(Key::Acc), 26);
    EXPECT_EQ(profile.held(Key::Roll), 26);
    EXPECT_EQ(profile.held(Key::Pitch), 26);
    EXPECT_TRUE(profile.absent(Key::System));
    EXPECT_EQ(profile.written(Key::System), 1000);
    EXPECT_EQ(profile.held(Key::CraftOffset), 5);
    EXPECT_EQ(profile.held(Key::WeaponOffset), -5);
}

TEST(ProfileKeys, MissingKeysKeepTheirDefaults)
{
    const VersionProfile profile = loadKeys("").profile;
    EXPECT_TRUE(profile.absent(Key::ShieldPower));
    EXPECT_EQ(profile.slotCount(), 2);
    EXPECT_EQ(profile.written(Key::LastCraft), 2);
    EXPECT_EQ(profile.held(Key::LastCraft), 1);
    EXPECT_EQ(profile.held(Key::StarfighterScaleEndSlot), 30);
    EXPECT_EQ(profile.held(Key::FreighterScaleEndSlot), 40);
    EXPECT_EQ(profile.held(Key::XwaType), 0);
    EXPECT_EQ(profile.held(Key::ShipTypeLen), 0);
    EXPECT_FALSE(profile.isXwa());
    EXPECT_EQ(profile.unknownText(0, UnknownColumn::Name), "");
}

TEST(ProfileKeys, LineNumbersAndTheSlotCountAreHeldOneLess)
{
    const VersionProfile profile =
        loadKeys("LASTCRAFT = 230\r\nPLURALSTRTLINE = 101\r\nSHORTNAMESLINE = 201\r\n").profile;
    EXPECT_EQ(profile.slotCount(), 230);
    EXPECT_EQ(profile.written(Key::LastCraft), 230);
    EXPECT_EQ(profile.held(Key::PluralStrtLine), 100);
    EXPECT_EQ(profile.held(Key::ShortNamesLine), 201);
}

TEST(ProfileKeys, ALaterLineOfTheSameKeyWins)
{
    EXPECT_EQ(loadKeys("SPEED = 4\r\nSPEED = 8\r\n").profile.held(Key::Speed), 8);
}

TEST(ProfileKeys, WordAndByteKeysOutOfRangeAreRefusedNamingKeyAndValue)
{
    EXPECT_EQ(rangeErrorOf("SPEED = 70000\r\n"),
              "Range check error: the key SPEED = 70000 is out of range (0 to 65535).");
    EXPECT_EQ(rangeErrorOf("SPEED = -5\r\n"), "Range check error: the key SPEED = -5 is out of range (0 to 65535).");
    EXPECT_EQ(rangeErrorOf("XWATYPE = 256\r\n"),
              "Range check error: the key XWATYPE = 256 is out of range (0 to 255).");
    EXPECT_EQ(rangeErrorOf("LASTCRAFT = 0\r\n"),
              "Range check error: the key LASTCRAFT = 0 is out of range (1 to 65536).");
    // -1 becomes 1000, which no byte key can hold.
    EXPECT_NE(rangeErrorOf("SHIPTYPELEN = -1\r\n").find("SHIPTYPELEN = 1000"), std::string::npos);
    EXPECT_EQ(rangeErrorOf("SPEED = 65535\r\nLASTCRAFT = 65536\r\nSHIPTYPELEN = 255\r\n"), "no error");
    // A value beyond 32 bits keeps its size instead of wrapping into the range (4294967297 wrapped is 1).
    const std::pair<const char*, const char*> beyond32Bits[] = {
        {"LASTCRAFT = 4294967297\r\n", "the key LASTCRAFT = 4294967297 is out of range (1 to 65536)."},
        {"LASTCRAFT = $100000002\r\n", "the key LASTCRAFT = 4294967298 is out of range (1 to 65536)."},
        {"CRAFTOFFSET = 4294971392\r\n",
         "the key CRAFTOFFSET = 4294971392 is out of range (-2147483648 to 2147483647)."},
        {"CRAFTOFFSET = -4294967297\r\n",
         "the key CRAFTOFFSET = -4294967297 is out of range (-2147483648 to 2147483647)."},
        {"LONGHULLRATING = 4294967296\r\n",
         "the key LONGHULLRATING = 4294967296 is out of range (-2147483648 to 2147483647)."},
        {"SPEED = 123456789012345678901234567890\r\n",
         "the key SPEED = 4611686018427387904 is out of range (0 to 65535)."},
    };
    for (const auto& [line, error] : beyond32Bits)
        EXPECT_EQ(rangeErrorOf(line), std::string("Range check error: ") + error) << line;
}

TEST(ProfileKeys, LongFlagsKeepOnlyTheLowByte)
{
    const VersionProfile profile = loadKeys("LONGSHIELDPOWERVALUE = 257\r\nLONGHULLRATING = 256\r\n").profile;
    EXPECT_EQ(profile.held(Key::LongShieldPowerValue), 1);
    EXPECT_EQ(profile.held(Key::LongHullRating), 0);
}

TEST(ProfileKeys, FreeValueKeysKeepTheirRawTextCutTo30)
{
    const VersionProfile profile =
        loadKeys("UNKNOWN1NAME = Engine glow\r\nUNKNOWN9SLOTOFFSET =224\r\nunknown2type = Word\r\n"
                 "UNKNOWN3NAME = " +
                 std::string(40, 'x') + "\r\n")
            .profile;
    EXPECT_EQ(profile.unknownText(0, UnknownColumn::Name), " Engine glow");
    EXPECT_EQ(profile.unknownText(8, UnknownColumn::SlotOffset), "224");
    EXPECT_EQ(profile.unknownText(1, UnknownColumn::Type), " Word");
    EXPECT_EQ(profile.unknownText(2, UnknownColumn::Name), " " + std::string(29, 'x'));
}

TEST(ProfileKeys, XwaTypeKeyIsNotedWhateverItsValue)
{
    EXPECT_TRUE(loadKeys("XWATYPE = 0\r\n").hasXwaTypeKey);
    EXPECT_FALSE(loadKeys("XWATYPE = 0\r\n").profile.isXwa());
    EXPECT_TRUE(loadKeys("XWATYPE = 1\r\n").profile.isXwa());
    EXPECT_FALSE(loadKeys("SPEED = 1\r\n").hasXwaTypeKey);
}

TEST(ProfileKeys, KeysEndAtTheNextBracketLine)
{
    const VersionProfile profile = loadKeys("SPEED = 4\r\n[NEXT]\r\nROLL = 5\r\n").profile;
    EXPECT_EQ(profile.held(Key::Speed), 4);
    EXPECT_TRUE(profile.absent(Key::Roll));
}

namespace {

struct IdentificationCase {
    TempDir dir;
    std::filesystem::path data = dir.path() / "data.txt";
    std::filesystem::path exe = dir.path() / "game.exe";

    IdentificationCase(const std::string& exeBytes, const std::string& entries)
    {
        writeFile(exe, exeBytes);
        writeFile(data, "[XVT VERSIONS]\r\n" + entries + "[TARGET TYPES]\r\n67 Normal\r\n");
    }
    Identification identify() const { return identifyVersion(data, exe); }
};

std::string entry(const std::string& name, int offset, const std::string& signature)
{
    return "Version = " + name + "\r\nCheck offset = " + std::to_string(offset) + "\r\nCheck string  = " + signature +
           "\r\nCRAFTOFFSET = 1\r\n[END OF VERSION]\r\n";
}

} // namespace

TEST(Identification, TheFirstMatchingEntryWins)
{
    IdentificationCase game("0123456789ABCDEF",
                            entry("Other", 2, "XX") + entry("First", 4, "456") + entry("Second", 10, "AB"));
    const Identification result = game.identify();
    EXPECT_EQ(result.outcome, Identification::Outcome::Matched);
    EXPECT_EQ(result.versionName, "First");
}

TEST(Identification, AnEmptySignatureMatchesAnyLongerExecutable)
{
    EXPECT_EQ(IdentificationCase("0123", entry("Empty", 3, "")).identify().versionName, "Empty");
    EXPECT_EQ(IdentificationCase("0123", entry("Empty", 4, "")).identify().outcome, Identification::Outcome::NoMatch);
}

TEST(Identification, AnOffsetAtOrPastTheEndDoesNotMatch)
{
    IdentificationCase game("0123", entry("Far", 4, "4") + entry("Near", 0, "01"));
    EXPECT_EQ(game.identify().versionName, "Near");
}

TEST(Identification, ASignatureRunningPastTheEndIsAFileError)
{
    IdentificationCase game("0123", entry("Long", 2, "2345"));
    EXPECT_THROW(game.identify(), FileError);
}

TEST(Identification, NamesAreCutTo40Characters)
{
    const std::string name(50, 'N');
    EXPECT_EQ(IdentificationCase("0123", entry(name, 0, "0")).identify().versionName, std::string(40, 'N'));
}

TEST(Identification, MissingSectionAndNoMatchAreTold)
{
    IdentificationCase noMatch("0123", entry("A", 0, "9"));
    EXPECT_EQ(noMatch.identify().outcome, Identification::Outcome::NoMatch);
    IdentificationCase missing("0123", "");
    writeFile(missing.data, "[TARGET TYPES]\r\n67 Normal\r\n");
    EXPECT_EQ(missing.identify().outcome, Identification::Outcome::MissingSection);
}

TEST(Identification, AMissingExecutableIsAFileError)
{
    IdentificationCase game("0123", entry("A", 0, "0"));
    std::filesystem::remove(game.exe);
    EXPECT_THROW(game.identify(), FileError);
    // A folder where the executable should be (an empty file name) fails the same way.
    EXPECT_THROW(identifyVersion(game.data, game.dir.path()), FileError);
}

TEST(Identification, AWriteProtectedExecutableIsIdentified)
{
    IdentificationCase game("0123", entry("A", 0, "0"));
    std::filesystem::permissions(game.exe, std::filesystem::perms::owner_read);
    EXPECT_EQ(game.identify().versionName, "A");
}
