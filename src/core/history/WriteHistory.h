#pragma once

#include "history/HistoryRecord.h"
#include "io/PlannedWrite.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace plorik {

// PLORIKhistory/<VersionName>/ in the program folder: one record per command that wrote into the
// game folder, numbered from 1. A record file (00000001.rec, ...) is named by the number of its
// first record and holds the records numbered on from there, up to the next file's number: a
// process adds its records at the end of the newest file while that is the file it made and below
// a size (see kFileShare), so that a record costs one write and one flush. Zero bytes after a file's
// records leave room for the next ones, so that adding one seldom changes the file's size. The
// oldest files are dropped once the files together exceed the limit (the newest always stays).
class WriteHistory {
public:
    static constexpr const char* kFolderName = "PLORIKhistory";
    static constexpr std::uint64_t kDefaultLimit = std::uint64_t{64} << 20;
    // A file takes more records while it stays within this share of the limit, and within 1 MB: so
    // the oldest records go a small part of the history at a time.
    static constexpr std::uint64_t kFileShare = 8;

    WriteHistory(std::filesystem::path programDir, std::string versionName, std::uint64_t limit)
        : m_programDir(std::move(programDir)), m_versionName(std::move(versionName)), m_limit(limit)
    {
    }

    std::filesystem::path folder() const;
    std::uint64_t limit() const { return m_limit; }

    // What `planned` will replace, read from the game folder as it is now. Throws PlorikError when a
    // target cannot be read or lies outside `gameFolder`.
    static HistoryRecord capture(const PlannedWrite& planned, const std::filesystem::path& gameFolder,
                                 std::string command, std::int32_t slot, std::int64_t time);

    // Stores the record under the next number (which it returns), on the disk before the call
    // returns, then drops the oldest records beyond the limit. The folders are made when missing; a
    // folder that leads out of the program folder is refused (FileError), as is any failure to store.
    std::uint32_t add(HistoryRecord record) const;
    // Adds changes to the end of record `number`, on the disk before the call returns: for a command
    // that writes many times, before each of its writes. Throws FileError on any failure to store
    // them; the record then ends where it ended before, or with a part cut short that reads as its
    // end, and the command must not write.
    void append(std::uint32_t number, const std::vector<RecordedChange>& changes) const;

    // The numbers of the records kept, oldest first.
    std::vector<std::uint32_t> numbers() const;
    // Throws PlorikError when the record is missing or damaged.
    HistoryRecord read(std::uint32_t number) const;
    // Every record kept, oldest first, each file read once. Throws PlorikError naming a damaged one.
    std::vector<HistoryRecord> readAll() const;

private:
    // The size up to which a file takes more records.
    std::uint64_t fileLimit() const;
    // Makes the folders when missing; returns the version's.
    std::filesystem::path makeFolder() const;
    // Removes the oldest of `sizes` (every record file, oldest first, with its size) beyond the limit.
    void dropOldest(const std::filesystem::path& records,
                    const std::vector<std::pair<std::uint32_t, std::uintmax_t>>& sizes) const;
    // Called with a record's number, its file and its bytes.
    using RecordVisit = std::function<void(std::uint32_t, const std::filesystem::path&, std::string_view)>;
    // Calls `each` for every record, oldest first; a file none of whose bytes make a whole record
    // gives its own number and all its bytes (decodeRecord names it).
    void forEachRecord(const RecordVisit& each) const;

    std::filesystem::path m_programDir;
    std::string m_versionName;
    std::uint64_t m_limit;
};

} // namespace plorik
