#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// What one change of a recorded command replaced, and what it put in its place. A region keeps its
// old and new bytes; a file its old content (when it existed) and its new content's size and hash.
struct RecordedChange {
    enum class Kind : std::uint8_t { Region = 1, File = 2 };
    Kind kind = Kind::Region;
    std::string name; // the file, relative to the game folder, folders separated by "\"
    std::string what; // names a region in messages
    std::int64_t offset = 0;
    std::vector<std::uint8_t> oldBytes;
    std::vector<std::uint8_t> newBytes;
    bool existed = false; // the file was there before the command
    std::string oldContent;
    bool exists = true; // the file is there after the command
    std::uint64_t newSize = 0;
    std::uint64_t newHash = 0;
};

// One command that wrote into the game folder: its number in the version's history, when it ran
// (seconds since 1970, UTC), its name as its menu item or button says it, the slot on screen, and
// its changes in the order it made them.
struct HistoryRecord {
    std::uint32_t number = 0;
    std::int64_t time = 0;
    std::string command;
    std::int32_t slot = 0;
    std::vector<RecordedChange> changes;
};

// A record on disk, all numbers little-endian, every text and byte string as a 32-bit length and
// its bytes:
//   "PLORIKHR", format version (32 bits, 1), number (32), time (64), command, slot (32), change count (32),
//   then per change: kind (8 bits: 1 region, 2 file), name, what, and
//     a region: offset (64), old bytes, new bytes;
//     a file: existed (8), old content, exists (8), new size (64), new content's FNV-1a hash (64).
inline constexpr std::uint32_t kHistoryFormat = 1;
std::string encodeRecord(const HistoryRecord& record);
// Throws PlorikError naming `file` when the bytes are not a whole record of a known format.
HistoryRecord decodeRecord(std::string_view bytes, const std::string& file);

// The 64-bit FNV-1a hash: how a record knows a file's new content without keeping it.
std::uint64_t contentHash(std::string_view content);

// "2026-12-10 04:50:12 UTC".
std::string recordTimeText(std::int64_t time);
// What a change touched, for the listing: "Z_XVT__.EXE bytes 1200 to 1263", "strings.txt".
std::string changeTarget(const RecordedChange& change);

} // namespace plorik
