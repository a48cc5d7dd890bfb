#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace plorik {

// An SHP craft file: the marker line "[Specs]", a version line, the slot as one raw byte, the text
// lines 4 to 17 of the slot's fields, "[Bin]", then the craft entry's bytes. The program writes
// V1.7 and reads V1.0 and V1.3 to V1.7.
inline constexpr std::string_view kShipFileMarker = "[Specs]";
inline constexpr std::string_view kShipFileBin = "[Bin]";

// What a version's file holds. Every version has lines 2 to 13 in the same places; the versions
// differ in what the load does with them and in the lines after line 13.
struct ShipFileVersion {
    std::string_view line;    // line 2, compared exactly, case included
    bool asksSlot;            // lines 3 and 4 are asked about and shown before the slot changes
    bool comparesVersionName; // line 13 is compared with the game's version name
    bool binaryAfterMarker;   // the binary part is the craft entry after "[Bin]"; else the whole file
    int lastTextLine;         // 13, 14 (with the ship type) or 17 (with craft ID, flight mode, weapon system)
};

inline constexpr ShipFileVersion kShipFileVersions[] = {
    {"PLORIK craft file V1.0", false, false, false, 13}, {"PLORIK craft file V1.3", true, false, false, 13},
    {"PLORIK craft file V1.4", true, false, true, 13},   {"PLORIK craft file V1.5", true, true, true, 13},
    {"PLORIK craft file V1.6", true, true, true, 14},    {"PLORIK craft file V1.7", true, true, true, 17}};

// The text lines 4 to 17 of a file, in order.
struct ShipFileTexts {
    std::string patchComment;
    std::string optFile;
    std::string pluralName;
    std::string craftName;
    std::string craftType;
    std::string manufacturer;
    std::string inUseBy;
    std::string crew;
    std::string description;
    std::string versionName;
    std::string shipType;
    std::string craftId;
    std::string flightMode;
    std::string weaponSystem;

    bool operator==(const ShipFileTexts&) const = default;
};

// The whole V1.7 file: `slot` goes into line 3 as its low 8 bits; line breaks inside a text become
// blanks, so every field stays one line.
std::string shipFileContent(std::int32_t slot, const ShipFileTexts& texts, std::span<const std::uint8_t> entry);

// A file as the load reads it. Lines are cut at 255 characters; the text lines after the version's
// last one stay empty.
struct ShipFile {
    ShipFileVersion version;
    std::uint8_t slot = 0; // line 3
    ShipFileTexts texts;
    // What goes into the slot buffer: from V1.4 on the bytes after the first "[Bin]" found from
    // offset 1 on and the two bytes of its line end, before V1.4 the whole file.
    std::string binary;
    // Why the binary part cannot go into the game's slot: no "[Bin]" or nothing after it; from V1.4
    // on longer than the craft entry, before longer than the slot buffer. The load shows it once
    // the slot questions have been asked; empty when the binary part fits.
    std::string binaryRefusal;
};

// The file read, or the message that refuses it: no marker line or nothing after it, a version
// line none of kShipFileVersions has, or a text line (from the marker line to the version's last
// one) that ends with an LF or a CR alone, as a copy as text leaves it, with its binary part moved.
struct ShipFileReading {
    std::optional<ShipFile> file;
    std::string refusal;
};

// Reads a ship file for a game whose craft entry is `entryLength` bytes.
ShipFileReading readShipFile(std::string_view bytes, std::int32_t entryLength);

// The same from the disk. A file larger than any ship file of the game (its entry after a text
// part of at most kShipFileTextLimit bytes: seventeen lines, which the reader cuts at 255
// characters, and whatever precedes the marker line) is refused before it is read. Throws
// FileError when the file cannot be opened or read.
inline constexpr std::int64_t kShipFileTextLimit = 64 * 1024;
ShipFileReading readShipFileFrom(const std::filesystem::path& path, std::int32_t entryLength);

} // namespace plorik
