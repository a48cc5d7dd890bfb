// ZT patch files: the single-slot file and the package byte for byte, the packages of both XWA 2.02
// editions, and ZT files that are complete or absent.
#include "DemoEditions.h"
#include "ImageFixture.h"

#include "common/Errors.h"
#include "exchange/ZtRecords.h"

#include <functional>
#include <optional>

using namespace plorik;
using namespace plorik::testing;

namespace {

std::string littleEndian(std::uint64_t value, std::size_t width)
{
    std::string bytes;
    for (std::size_t i = 0; i < width; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

struct Record {
    std::uint32_t offset;
    std::string bytes;
};

struct Package {
    std::string mask;
    std::uint32_t count = 0;
    std::vector<Record> records;
    std::string comment;
};

// Reads a package whose comment is known to be `commentLength` bytes long.
Package parsePackage(const std::string& file, std::size_t commentLength)
{
    Package package;
    package.mask = file.substr(0, 14);
    package.count = numberAt(file, 14, 2);
    std::size_t at = 16;
    const std::size_t end = file.size() - commentLength;
    while (at < end) {
        const std::uint32_t offset = numberAt(file, static_cast<std::int64_t>(at), 4);
        const std::size_t length = static_cast<std::uint8_t>(file.at(at + 4));
        package.records.push_back({offset, file.substr(at + 5, length)});
        at += 5 + length;
    }
    EXPECT_EQ(at, end) << "the last record runs into the comment";
    package.comment = file.substr(end);
    return package;
}

std::string xwaMask()
{
    return std::string("Xwingal*.exe") + std::string(2, '\0');
}

// Makes a package of the game into `file`; the answers go to the patch note and the file dialog.
void makePackage(WriteGame& game, const std::filesystem::path& file)
{
    ASSERT_TRUE(press(game, controls::ZtPackageItem, {"file:" + file.string()}));
}

// The positions of the craft table, the ship type block and the weapon block at which the executable
// now differs from the image, with the executable's bytes there.
std::map<std::int64_t, char> changedBytes(const WriteGame& game)
{
    std::map<std::int64_t, char> changed;
    const std::string exe = game.exe();
    for (const auto& [name, kept] : snapshot(imageFolder(game))) {
        for (const std::string block : {"shipstats", "shiptypeblock", "Weaponstats"}) {
            if (name.rfind(block, 0) != 0)
                continue;
            const std::int64_t start = std::stoll(name.substr(block.size()));
            for (std::size_t k = 0; k < kept.size(); ++k) {
                const char now = exe.at(static_cast<std::size_t>(start) + k);
                if (now != kept[k])
                    changed[start + static_cast<std::int64_t>(k)] = now;
            }
        }
    }
    return changed;
}

// The bytes each record patches, by executable position: every record's offset names the position
// just past its first byte. A position patched twice fails the test.
std::map<std::int64_t, char> patchedBytes(const Package& package, std::int64_t shiftOf(std::int64_t) = nullptr)
{
    std::map<std::int64_t, char> patched;
    for (const Record& record : package.records) {
        EXPECT_GE(record.bytes.size(), 1u);
        EXPECT_LE(record.bytes.size(), 99u);
        for (std::size_t k = 0; k < record.bytes.size(); ++k) {
            std::int64_t at = std::int64_t{record.offset} - 1 + static_cast<std::int64_t>(k);
            if (shiftOf)
                at -= shiftOf(at);
            EXPECT_TRUE(patched.emplace(at, record.bytes[k]).second) << "position " << at << " patched twice";
        }
    }
    return patched;
}

// Changes the executable in each block the package compares: 150 bytes in a row in slot 9's craft
// entry, one byte of slot 2's ship type entry, and two bytes of the weapon block.
void changeExecutable(WriteGame& game, std::int64_t weaponBlock)
{
    std::string exe = game.exe();
    for (std::int64_t k = 0; k < 150; ++k)
        exe.at(static_cast<std::size_t>(game.craftAt(9) + 20 + k)) ^= static_cast<char>(0x5A);
    exe.at(static_cast<std::size_t>(game.shipTypeAt(2))) ^= static_cast<char>(1);
    exe.at(static_cast<std::size_t>(weaponBlock + 3)) ^= static_cast<char>(0xFF);
    exe.at(static_cast<std::size_t>(weaponBlock + 5)) ^= static_cast<char>(0xFF);
    writeFile(game.game.executable(), exe);
}

} // namespace

TEST(SingleSlotZt, HoldsEveryByteOfTheSlotsEntriesAsTheExecutableHoldsThem)
{
    struct Case {
        const char* name;
        Family family;
        std::int32_t slot;
        std::vector<std::pair<std::string, std::string>> keys;
        bool shipTypes;
    };
    const Case cases[] = {
        {"XvT", Family::Xvt, 12, {}, true},
        {"XWA", Family::Xwa, 230, {}, true},
        {"XWA without ship type entries", Family::Xwa, 7, {{"SHIPTYPELEN", "0"}}, false},
        {"XvT without a ship type block", Family::Xvt, 7, {{"SHIPTYPESTART", "-1"}}, false},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        GameBuilder builder(each.family);
        for (const auto& [key, value] : each.keys)
            builder.withKey(key, value);
        WriteGame game{builder};
        game.startAt(each.slot);
        // The whole comment, to its last character, as a package holds it.
        const std::string comment = "Faster shields!\r\nTested on slot " + std::to_string(each.slot) + "!";
        ASSERT_TRUE(game.form().userEdit(controls::PatchCommentMemo, comment));
        const std::filesystem::path file = game.dir.path() / "slot.zt";
        ASSERT_TRUE(press(game, controls::SaveAsZtItem, {"file:" + file.string()}));
        EXPECT_EQ(game.messages(), std::vector<std::string>{"Save current Ship statistics as a *.ZT patching "
                                                            "file|ZT patch file |*.zt"});

        const std::string exe = game.exe();
        const std::int64_t entryLength = game.key("ENTRYLENGTH");
        const std::int64_t shipTypeLength = each.shipTypes ? game.key("SHIPTYPELEN") : 0;
        std::string expected = std::string("Z_TIE__.EXE") + std::string(2, '\0');
        expected += littleEndian(static_cast<std::uint64_t>(entryLength + shipTypeLength), 2);
        const auto records = [&](std::int64_t start, std::int64_t length) {
            for (std::int64_t k = 0; k < length; ++k)
                expected += littleEndian(static_cast<std::uint64_t>(start + k), 3) + '\0' + '\1' +
                            exe.at(static_cast<std::size_t>(start + k));
        };
        records(game.craftAt(each.slot), entryLength);
        if (each.shipTypes)
            records(game.shipTypeAt(each.slot) - 3, shipTypeLength);
        expected += comment;
        EXPECT_EQ(readFile(file), expected);
    }
}

TEST(ZtPackage, RightAfterABackupHoldsTheHeaderACountOfZeroAndTheWholeComment)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        WriteGame game{GameBuilder(family)};
        backUpAndRestart(game);
        std::string comment;
        for (int line = 0; comment.size() < 2000; ++line)
            comment += "Comment line " + std::to_string(line) + "\r\n";
        ASSERT_TRUE(game.form().userEdit(controls::PatchCommentMemo, comment));
        const std::filesystem::path file = game.dir.path() / "none.zt";
        makePackage(game, file);
        const std::string mask = family == Family::Xwa ? xwaMask() : std::string("Z_xvt__.exe") + std::string(3, '\0');
        EXPECT_EQ(readFile(file), mask + littleEndian(0, 2) + comment);
        EXPECT_EQ(status(game), "Done.");
    }
}

TEST(ZtPackage, HoldsEveryChangedByteOnceAtItsPositionPlusOne)
{
    struct Case {
        const char* name;
        Family family;
        std::int64_t weaponBlock;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    const Case cases[] = {
        {"XvT", Family::Xvt, 0x8000, {}},
        {"XWA", Family::Xwa, 0x1D000, {}},
        // Without the key the weapon block is neither backed up nor compared.
        {"XvT without a weapon block", Family::Xvt, 0x8000, {{"WEAPONOFFSET", "-1"}}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        GameBuilder builder(each.family);
        for (const auto& [key, value] : each.keys)
            builder.withKey(key, value);
        WriteGame game{builder};
        backUpAndRestart(game, 4);
        ASSERT_TRUE(game.form().userEdit(controls::ScoreBox, "9"));
        ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Patched"));
        game.write();
        changeExecutable(game, each.weaponBlock);
        ASSERT_TRUE(game.form().userEdit(controls::PatchCommentMemo, "x"));
        const std::filesystem::path file = game.dir.path() / "changes.zt";
        makePackage(game, file);
        EXPECT_EQ(game.messages(), std::vector<std::string>{"Save ZT ship patch|ZT patch file |*.zt"});
        EXPECT_EQ(status(game), "Done.");

        const Package package = parsePackage(readFile(file), 1);
        EXPECT_EQ(package.count, package.records.size());
        EXPECT_EQ(package.comment, "x");
        const auto changed = changedBytes(game);
        EXPECT_EQ(patchedBytes(package), changed);
        EXPECT_GT(changed.size(), 150u);
        EXPECT_EQ(changed.count(each.weaponBlock + 3), each.keys.empty() ? 1u : 0u);
        // The 150 changed bytes in a row: a record of 99 bytes, then one of 51 from the 100th byte.
        const std::int64_t run = game.craftAt(9) + 20 + 1;
        const auto first = std::find_if(package.records.begin(), package.records.end(),
                                        [&](const Record& record) { return record.offset == run; });
        ASSERT_NE(first, package.records.end());
        ASSERT_NE(first + 1, package.records.end());
        EXPECT_EQ(first->bytes.size(), 99u);
        EXPECT_EQ((first + 1)->offset, run + 99);
        EXPECT_EQ((first + 1)->bytes.size(), 51u);
    }
}

TEST(ZtPackage, Xwa202MakesOnePackageForEachEditionShiftedToItsTables)
{
    for (const bool international : {false, true}) {
        SCOPED_TRACE(international ? "International" : "US");
        WriteGame game{GameBuilder(Family::Xwa).withDataFile(xwa202DataFile(international))};
        backUpAndRestart(game, 4);
        changeExecutable(game, 0x1D000);
        const std::filesystem::path chosen = game.dir.path() / "ship.zt";
        makePackage(game, chosen);
        ASSERT_EQ(game.prompter.records().size(), 2u);
        const Message& note = game.prompter.records().front().message;
        EXPECT_EQ(note.caption, "PLORIK patch note:");
        EXPECT_EQ(note.text, "Due to the fact that XWA 2.02 exists as two different versions - a International and a "
                             "US version - PLORIK will infact create two ZT patches for you. One will be labeled as "
                             "\"*.ztint.zt\" for international versions!");
        EXPECT_EQ(note.icon, MessageIcon::Warning);
        EXPECT_EQ(status(game), "Done.");

        const std::filesystem::path intFile = game.dir.path() / "ship.ztint.zt";
        const Package loaded = parsePackage(readFile(international ? intFile : chosen), 0);
        const Package other = parsePackage(readFile(international ? chosen : intFile), 0);
        EXPECT_EQ(loaded.mask, xwaMask());
        EXPECT_EQ(other.mask, xwaMask());
        EXPECT_EQ(patchedBytes(loaded), changedBytes(game));
        // The other edition's records name its own tables.
        const auto shiftOf = [](std::int64_t at) -> std::int64_t {
            if (at >= 0x1D000 + kOtherWeaponShift)
                return kOtherWeaponShift;
            if (at >= 0x1A000 + kOtherShipTypeShift)
                return kOtherShipTypeShift;
            return kOtherCraftShift;
        };
        EXPECT_EQ(patchedBytes(other, +shiftOf), changedBytes(game));
        EXPECT_EQ(other.count, loaded.count);
    }
}

// The dialog asks about the file it names; the other package's file is asked about too, before either
// is written.
TEST(ZtPackage, Xwa202AsksBeforeItReplacesTheInternationalPackage)
{
    for (const bool international : {false, true}) {
        for (const bool replace : {false, true}) {
            SCOPED_TRACE(std::string(international ? "International" : "US") + (replace ? ", replaced" : ", kept"));
            WriteGame game{GameBuilder(Family::Xwa).withDataFile(xwa202DataFile(international))};
            backUpAndRestart(game, 4);
            const std::filesystem::path chosen = game.dir.path() / "ship.zt";
            const std::filesystem::path intFile = game.dir.path() / "ship.ztint.zt";
            writeFile(chosen, "older\r\n");
            writeFile(intFile, "older\r\n");
            ASSERT_TRUE(
                press(game, controls::ZtPackageItem, {"file:" + chosen.string(), "yes", replace ? "yes" : "no"}));
            ASSERT_EQ(game.prompter.records().size(), 4u) << ::testing::PrintToString(game.messages());
            const Message& asked = game.prompter.records().back().message;
            EXPECT_EQ(asked.caption, "Save ZT ship patch");
            EXPECT_EQ(asked.text, "ship.ztint.zt already exists.\rDo you want to replace it?");
            EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
            EXPECT_EQ(asked.defaultButton, Answer::No);
            for (const auto& file : {chosen, intFile}) {
                const std::string expected = replace ? xwaMask() : "older\r\n";
                EXPECT_EQ(readFile(file).substr(0, expected.size()), expected) << file;
            }
        }
    }
}

TEST(ZtPackage, Xwa202WithoutTheOtherEditionsEntryKeepsTheFirstPackageAndSaysWhatIsMissing)
{
    WriteGame game{GameBuilder(Family::Xwa).withDataFile(xwa202DataFile(false, false))};
    backUpAndRestart(game);
    const std::filesystem::path chosen = game.dir.path() / "ship.zt";
    makePackage(game, chosen);
    ASSERT_EQ(game.prompter.records().size(), 3u);
    const Message& error = game.prompter.records().back().message;
    EXPECT_EQ(error.caption, "PLORIK error:");
    EXPECT_NE(error.text.find("\"Version = X-Wing Alliance International v2.02\""), std::string::npos) << error.text;
    EXPECT_EQ(readFile(chosen), xwaMask() + littleEndian(0, 2));
    EXPECT_FALSE(std::filesystem::exists(game.dir.path() / "ship.ztint.zt"));
    EXPECT_NE(status(game), "Done.");
    EXPECT_FALSE(game.session->ended());
}

TEST(ZtFiles, AFileThatCannotBeWrittenLeavesNoNewFileAndAnOlderOneAsItWas)
{
    const struct {
        const char* name;
        FileFaults::Step step;
        std::size_t partial;
    } faults[] = {{"create", FileFaults::Step::Create, 0},
                  {"write midway", FileFaults::Step::Write, 20},
                  {"rename", FileFaults::Step::Rename, 0}};
    for (const ControlKey command : {controls::SaveAsZtItem, controls::ZtPackageItem}) {
        for (const bool older : {false, true}) {
            for (const auto& fault : faults) {
                SCOPED_TRACE(std::string(command.name()) + ", " + fault.name + (older ? ", older file" : ""));
                WriteGame game{GameBuilder(Family::Xvt)};
                backUpAndRestart(game, 3);
                changeExecutable(game, 0x8000);
                const std::filesystem::path file = game.dir.path() / "patch.zt";
                if (older)
                    writeFile(file, "an older patch");
                {
                    const ArmedFault armed(fault.step, 1, fault.partial);
                    press(game, command,
                          older ? std::vector<std::string>{"file:" + file.string(), "yes"}
                                : std::vector<std::string>{"file:" + file.string()});
                }
                ASSERT_FALSE(game.prompter.records().empty());
                EXPECT_EQ(game.prompter.records().back().message.icon, MessageIcon::Error);
                if (older)
                    EXPECT_EQ(readFile(file), "an older patch");
                else
                    EXPECT_FALSE(std::filesystem::exists(file));
                std::size_t inFolder = 0;
                for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(game.dir.path()))
                    ++inFolder;
                EXPECT_EQ(inFolder, older ? 3u : 2u) << "program, game and nothing but the older patch";
                EXPECT_NE(status(game), "Done.");
            }
        }
    }
}

TEST(ZtPackage, MoreRecordsThanTheCountHoldsAreRefused)
{
    ZtPackage package(true);
    const std::string kept(140000, 'a');
    std::string current = kept;
    for (std::size_t at = 0; at < current.size(); at += 2)
        current[at] = 'b';
    package.compare(current, kept, 0, 0, nullptr);
    EXPECT_EQ(package.records(), 70000u);
    EXPECT_THROW(package.content(), RangeError);
}
