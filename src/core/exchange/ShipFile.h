#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// An SHP craft file: the marker line (kShipFileMarker), a version line, the slot as one raw byte,
// sixteen text lines of the slot's fields, "[Bin]", then the craft entry's bytes. The program
// writes V1.7 and reads V1.0 and V1.3 to V1.7.
enum class ShipFileVersion { V10, V13, V14, V15, V16, V17 };

// The version a line 2 names (compared exactly), or nullopt for any other.
std::optional<ShipFileVersion> shipFileVersion(std::string_view line);

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
};

// The whole V1.7 file: `slot` goes into line 3 as its low 8 bits; line breaks inside a text become
// blanks, so every field stays one line.
std::string shipFileContent(std::int32_t slot, const ShipFileTexts& texts, std::span<const std::uint8_t> entry);

// The line that opens every ship file ("\x53" is the capital S).
inline constexpr std::string_view kShipFileMarker = "[\x53pecs]";
inline constexpr std::string_view kShipFileBin = "[Bin]";

// The largest ship file the load reads, for a game whose craft entry is `entryLength` bytes: the
// entry after a text part of at most kShipFileTextLimit bytes (its seventeen lines, which the
// reader cuts at 255 characters, and whatever precedes the marker line). A larger file is refused
// before it is read.
inline constexpr std::int64_t kShipFileTextLimit = 64 * 1024;
std::int64_t shipFileSizeLimit(std::int32_t entryLength);

// Whether a text line that `version` has (the marker line to line 13, 14 or 17) ends with an LF or
// a CR alone: the file was copied as text, its CR LF became LF, and its binary part moved with
// them. Lines before the marker line, and a last line that the file cuts short, are not judged.
bool shipFileLineEndsChanged(std::string_view file, ShipFileVersion version);

// Where the binary part of a V1.4 to V1.7 file starts: after the first "[Bin]" found from offset 1
// on and the two bytes of its line end. nullopt when there is no marker or nothing after it.
std::optional<std::size_t> shipFileBinaryStart(std::string_view file);

} // namespace plorik
