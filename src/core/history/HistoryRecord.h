#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// What one change of a recorded command replaced, and what it put in its place. A region keeps its
// old and new bytes; a file the part of its old content (when it existed) that differs from the new
// one, and both contents' sizes and hashes.
struct RecordedChange {
    enum class Kind : std::uint8_t { Region = 1, File = 2 };
    Kind kind = Kind::Region;
    std::string name; // the file, relative to the game folder, folders separated by "\"
    std::string what; // names a region in messages
    std::int64_t offset = 0;
    std::vector<std::uint8_t> oldBytes;
    std::vector<std::uint8_t> newBytes;
    bool existed = false; // the file was there before the command
    // The old content is the new content's first `keepFront` and last `keepBack` bytes with
    // `oldContent` between them.
    std::string oldContent;
    std::uint64_t keepFront = 0;
    std::uint64_t keepBack = 0;
    std::uint64_t oldSize = 0;
    std::uint64_t oldHash = 0;
    bool exists = true; // the file is there after the command
    std::uint64_t newSize = 0;
    std::uint64_t newHash = 0;
};

// One command that wrote into the game folder: its number in the version's history, when it ran
// (seconds since 1970, UTC), its name as its menu item or button says it, the slot on screen, and
// its changes in the order it made them.
struct HistoryRecord {
    std::uint32_t format = 2; // of the file it was read from: which hash its files' hashes are
    std::uint32_t number = 0;
    std::int64_t time = 0;
    std::string command;
    std::int32_t slot = 0;
    std::vector<RecordedChange> changes;
};

// A record on disk, all numbers little-endian, every text and byte string as a 32-bit length and
// its bytes:
//   "PLORIKHR", format version (32 bits, 2), number (32), time (64), command, slot (32), then one or
//   more parts to the end of the file, each: its body's length (32), the body's hash (64),
//   and the body: change count (32), then per change: kind (8 bits: 1 region, 2 file), name, what,
//   and
//     a region: offset (64), old bytes, new bytes;
//     a file: existed (8), old size (64), old hash (64), kept front (64), kept back (64), the old
//     bytes between them, exists (8), new size (64), new hash (64).
// A command that writes many times (an import) appends a part before each write; a part that a
// crash cut short, or that fails its hash, ends the record there (nothing of it was written yet).
// Format 1, read still, had one part of no length or hash, and each file's whole old content.
inline constexpr std::uint32_t kHistoryFormat = 2;
std::string encodeRecord(const HistoryRecord& record);
// The part that appends `changes` to a record.
std::string encodeRecordPart(const std::vector<RecordedChange>& changes);
// Throws PlorikError naming `file` when the bytes are not a whole record of a known format.
HistoryRecord decodeRecord(std::string_view bytes, const std::string& file);

// A record file holds one record or more, one after another: a record ends where the next one's
// "PLORIKHR" starts (no part is that long), at zero bytes (room for the next records: no part is
// empty) or at the end of the file. Where each record of `bytes` lies. A part cut short or failing
// its hash, as a crash leaves one, ends its record and the file's records; a record without a
// sound part is none. A record of format 1, or of a format not known, runs to the end of the file
// (decodeRecord names it damaged when it is not whole).
struct RecordSpan {
    std::size_t offset = 0;
    std::size_t length = 0;
};
std::vector<RecordSpan> recordSpans(std::string_view bytes);

// A file's change from `oldContent` to `newContent`: keeps only the old bytes that differ.
void keepReplacedContent(RecordedChange& change, std::string_view oldContent, std::string_view newContent);
// The old content again, from the change and the new content it wrote.
std::string replacedContent(const RecordedChange& change, std::string_view newContent);

// How a record knows a file's content without keeping it: format 1 took the 64-bit FNV-1a hash of
// its bytes, format 2 a hash of its 8-byte words, several times faster.
std::uint64_t contentHash(std::string_view content);
std::uint64_t wordHash(std::string_view content);
std::uint64_t recordedHash(std::uint32_t format, std::string_view content);

// "2026-12-10 04:50:12 UTC".
std::string recordTimeText(std::int64_t time);
// What a change touched, for the listing: "Z_XVT__.EXE bytes 1200 to 1263", "strings.txt".
std::string changeTarget(const RecordedChange& change);

} // namespace plorik
