// The SHP craft file format on its own, without a session: the writer's bytes against a layout
// spelled out by the tests, the reader against every version's lines, and what the reader refuses.
#include "ShipFiles.h"

#include "exchange/ShipFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace plorik;
using namespace plorik::testing;

namespace {

const std::string kBadFormat = "Bad SHP file format!";
const std::string kNotSupported = "SHP file version not supported!";
const std::string kLineEnds =
    "This SHP file's line ends were changed (it was copied as text); its ship data is damaged. Nothing was loaded.";

// Lines 4 to 17 in file order.
std::vector<std::string> lines(const ShipFileTexts& texts)
{
    return {texts.patchComment, texts.optFile, texts.pluralName, texts.craftName,   texts.craftType,
            texts.manufacturer, texts.inUseBy, texts.crew,       texts.description, texts.versionName,
            texts.shipType,     texts.craftId, texts.flightMode, texts.weaponSystem};
}

ShipFileTexts texts(const std::vector<std::string>& lines)
{
    return {lines.at(0), lines.at(1), lines.at(2), lines.at(3),  lines.at(4),  lines.at(5),  lines.at(6),
            lines.at(7), lines.at(8), lines.at(9), lines.at(10), lines.at(11), lines.at(12), lines.at(13)};
}

std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Every byte value, then the family's entry length filled up with bytes that look like lines.
std::string entryBytes(std::size_t length)
{
    std::string entry;
    for (int value = 0; value < 256 && entry.size() < length; ++value)
        entry += static_cast<char>(value);
    while (entry.size() < length)
        entry += "\r\n[Bin]\r\n[Specs]\n\r";
    return entry.substr(0, length);
}

} // namespace

TEST(ShipFileFormat, TheWrittenFileIsTheV17LayoutAndReadsBackWhole)
{
    struct Case {
        std::string name;
        std::size_t entryLength;
        std::int32_t slot;
        std::vector<std::string> written; // lines 4 to 17 as the pages hold them
        std::vector<std::string> stored;  // as the file holds them
        std::vector<std::string> read;    // as the reader gives them back: cut at 255 characters
    };
    const std::vector<std::string> xvt = demoShipTexts(10, "PLORIK Demo XvT");
    const std::vector<std::string> xwa = demoShipTexts(13, "PLORIK Demo XWA");
    std::vector<std::string> broken = xvt;
    broken[0] = "Two\r\nlines";
    broken[8] = "Line one\nline two\r\rthree";
    std::vector<std::string> folded = xvt;
    folded[0] = "Two lines";
    folded[8] = "Line one line two three";
    std::vector<std::string> longLines = xwa;
    longLines[3] = std::string(300, 'N');
    longLines[12] = "";
    std::vector<std::string> cut = longLines;
    cut[3] = std::string(255, 'N');
    const std::vector<Case> cases = {
        {"XvT, slot 10 (an LF)", 240, 10, xvt, xvt, xvt},
        {"XWA, slot 13 (a CR)", 400, 13, xwa, xwa, xwa},
        {"line breaks folded", 240, 1, broken, folded, folded},
        {"slot 263 by its low 8 bits, a long and an empty line", 400, 263, longLines, longLines, cut},
        {"slot 255, no entry bytes", 0, 255, xwa, xwa, xwa},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        const std::string entry = entryBytes(each.entryLength);
        const std::string file = shipFileContent(each.slot, texts(each.written), bytesOf(entry));
        const auto slot = static_cast<std::uint8_t>(each.slot & 0xFF);
        EXPECT_EQ(file, shipFileBytes({.slot = slot, .texts = each.stored, .binary = entry}));
        EXPECT_EQ(file.substr(0, 9), "[Specs]\r\n");

        const ShipFileReading reading = readShipFile(file, static_cast<std::int32_t>(each.entryLength));
        ASSERT_TRUE(reading.file) << reading.refusal;
        EXPECT_EQ(reading.refusal, "");
        EXPECT_EQ(reading.file->binaryRefusal, "");
        EXPECT_EQ(reading.file->version.line, "PLORIK craft file V1.7");
        EXPECT_EQ(reading.file->slot, slot);
        EXPECT_EQ(lines(reading.file->texts), each.read);
        EXPECT_EQ(reading.file->binary, entry);
    }
}

TEST(ShipFileFormat, EachVersionReadsItsOwnLinesAndBinaryPart)
{
    struct Case {
        const char* version;
        std::size_t linesRead; // of lines 4 to 17
        bool binaryAfterMarker;
    };
    const Case cases[] = {
        {"PLORIK craft file V1.0", 10, false}, {"PLORIK craft file V1.3", 10, false},
        {"PLORIK craft file V1.4", 10, true},  {"PLORIK craft file V1.5", 10, true},
        {"PLORIK craft file V1.6", 11, true},  {"PLORIK craft file V1.7", 14, true},
    };
    ASSERT_EQ(std::size(kShipFileVersions), std::size(cases));
    const std::vector<std::string> all = demoShipTexts(40, "Another game");
    const std::string binary = std::string(120, '\x11') + "\n\r\r\n" + std::string(116, '\x22');
    for (const Case& each : cases) {
        SCOPED_TRACE(each.version);
        // Text before the marker line may end its lines as it likes.
        const std::string file = shipFileBytes({.before = "A readme\nwith LF\rand CR\n",
                                                .version = each.version,
                                                .slot = 40,
                                                .texts = all,
                                                .binary = binary});
        const ShipFileReading reading = readShipFile(file, 240);
        ASSERT_TRUE(reading.file) << reading.refusal;
        EXPECT_EQ(reading.file->binaryRefusal, "");
        EXPECT_EQ(reading.file->version.line, each.version);
        EXPECT_EQ(reading.file->slot, 40);
        std::vector<std::string> expected = all;
        std::fill(expected.begin() + static_cast<std::ptrdiff_t>(each.linesRead), expected.end(), "");
        EXPECT_EQ(lines(reading.file->texts), expected);
        EXPECT_EQ(reading.file->binary, each.binaryAfterMarker ? binary : file);
    }
}

TEST(ShipFileFormat, MalformedFilesAreRefusedWithTheirMessageAndEveryCutIsSafe)
{
    struct Case {
        std::string name;
        std::string file;
        std::string refusal;       // "" when the file is read
        std::string binaryRefusal; // what a read file says of its binary part, for an entry of 240 bytes
    };
    const std::vector<std::string> texts = demoShipTexts(6, "PLORIK Demo XvT");
    const auto saved = [&texts](const char* version, std::uint8_t slot) {
        return shipFileBytes({.version = version,
                              .slot = slot,
                              .texts = texts,
                              .binary = std::string(120, '\x11') + "\r\n" + std::string(118, '\x22')});
    };
    const std::string good = saved("PLORIK craft file V1.7", 40);
    std::string lastLineLf = good;
    lastLineLf.erase(lastLineLf.find("\r\n[Bin]"), 1);
    std::string noBin = good;
    noBin.replace(noBin.find("[Bin]"), 5, "[Bix]");
    const std::string endsAtBin = shipFileBytes({.texts = texts});
    const std::string v13Whole =
        shipFileBytes({.version = "PLORIK craft file V1.3", .texts = texts, .binMarker = false, .binary = "xyz"});
    const std::string v13Long = shipFileBytes(
        {.version = "PLORIK craft file V1.3", .texts = texts, .binMarker = false, .binary = std::string(1001, 'x')});
    const std::vector<Case> cases = {
        {"empty", "", kBadFormat},
        {"no marker line", "PLORIK craft file V1.7\r\n\x06\r\n", kBadFormat},
        {"marker line last", "junk\r\n[Specs]\r\n", kBadFormat},
        {"marker line with a blank", " [Specs]\r\nPLORIK craft file V1.7\r\n", kBadFormat},
        {"marker line in lower case", "[specs]\r\nPLORIK craft file V1.7\r\n", kBadFormat},
        {"version in lower case", shipFileBytes({.version = "plorik craft file v1.7", .texts = texts}), kNotSupported},
        {"V1.2", shipFileBytes({.version = "PLORIK craft file V1.2", .texts = texts}), kNotSupported},
        {"V1.7 with LF", lineEndsChanged(good, "\n"), kLineEnds},
        {"V1.7 of slot 10 with LF", lineEndsChanged(saved("PLORIK craft file V1.7", 10), "\n"), kLineEnds},
        {"V1.7 of slot 13 with LF", lineEndsChanged(saved("PLORIK craft file V1.7", 13), "\n"), kLineEnds},
        {"V1.7 with CR", lineEndsChanged(good, "\r"), kLineEnds},
        {"V1.0 with LF", lineEndsChanged(saved("PLORIK craft file V1.0", 40), "\n"), kLineEnds},
        {"only line 17 with LF", lastLineLf, kLineEnds},
        // Read, but the binary part cannot be loaded: the load says so after its questions.
        {"no [Bin]", noBin, "", "Missing Bin section!"},
        {"[Bin] at the end", endsAtBin.substr(0, endsAtBin.size() - 2), "", "Missing Bin section!"},
        {"one byte more than the entry", shipFileBytes({.texts = texts, .binary = std::string(241, 'x')}), "",
         "The ship data in this SHP file is 241 bytes long; a craft entry of this game holds 240 bytes. Nothing was "
         "loaded."},
        {"V1.3 needs no [Bin]", v13Whole, "", ""},
        {"V1.3 longer than the slot buffer", v13Long, "",
         "This SHP file is " + std::to_string(v13Long.size()) +
             " bytes long; a file of its version is read whole into the slot, which holds at most 1001 bytes. Nothing "
             "was loaded."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        const ShipFileReading reading = readShipFile(each.file, 240);
        EXPECT_EQ(reading.refusal, each.refusal);
        ASSERT_EQ(reading.file.has_value(), each.refusal.empty());
        if (reading.file) {
            EXPECT_EQ(reading.file->binaryRefusal, each.binaryRefusal);
        }
    }

    // Cut anywhere, a saved file is refused with one of the reader's messages or reads as a part of
    // itself: every text a prefix of its line, the binary part a prefix of the entry.
    const std::set<std::string> refusals = {kBadFormat, kNotSupported, kLineEnds};
    const ShipFileReading whole = readShipFile(good, 240);
    ASSERT_TRUE(whole.file && whole.file->binaryRefusal.empty());
    const std::vector<std::string> full = lines(whole.file->texts);
    for (std::size_t length = 0; length <= good.size(); ++length) {
        SCOPED_TRACE(length);
        const ShipFileReading reading = readShipFile(std::string_view(good).substr(0, length), 240);
        if (!reading.file) {
            EXPECT_TRUE(refusals.contains(reading.refusal)) << reading.refusal;
            continue;
        }
        const std::vector<std::string> read = lines(reading.file->texts);
        for (std::size_t line = 0; line < read.size(); ++line)
            EXPECT_TRUE(full[line].starts_with(read[line])) << "line " << line + 4;
        EXPECT_TRUE(whole.file->binary.starts_with(reading.file->binary));
        EXPECT_TRUE(reading.file->binaryRefusal.empty() || reading.file->binaryRefusal == "Missing Bin section!");
    }
}
