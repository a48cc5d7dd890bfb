#include "history/WriteHistory.h"

#include "common/Errors.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <system_error>

namespace plorik {

namespace {

constexpr std::size_t kNumberDigits = 8;
constexpr std::string_view kRecordExtension = ".rec";

// The name the game would give a file of its folder: "FlightModels\SPACECRAFT0.LST".
std::string nameInFolder(const std::filesystem::path& file, const std::filesystem::path& folder)
{
    const std::filesystem::path relative = file.lexically_normal().lexically_relative(folder.lexically_normal());
    std::string name;
    for (const auto& part : relative) {
        if (part == "..")
            throw WriteRefused(file.string() + " lies outside the game folder.");
        if (part.empty() || part == ".")
            continue;
        if (!name.empty())
            name += '\\';
        name += part.string();
    }
    if (name.empty())
        throw WriteRefused(file.string() + " is not a file of the game folder.");
    return name;
}

std::optional<std::uint32_t> recordNumber(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    if (name.size() != kNumberDigits + kRecordExtension.size() || !name.ends_with(kRecordExtension))
        return std::nullopt;
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < kNumberDigits; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return std::nullopt;
        number = number * 10 + static_cast<std::uint32_t>(name[i] - '0');
    }
    return number;
}

void makeFolderAt(const std::filesystem::path& folder)
{
    std::error_code error;
    if (std::filesystem::create_directory(folder, error) || std::filesystem::is_directory(folder))
        return;
    std::error_code ignored;
    const bool taken = std::filesystem::exists(std::filesystem::symlink_status(folder, ignored));
    throw FileError(folder.string(), taken ? "Not a directory" : error.message());
}

std::filesystem::path recordIn(const std::filesystem::path& folder, std::uint32_t number)
{
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "%08u", static_cast<unsigned>(number));
    return folder / (std::string(name.data()) + std::string(kRecordExtension));
}

constexpr const char* kScratchName = "record.tmp";

// What this process knows of each history folder from its last listing and its own records since:
// every record's size (looked up once, when its number first shows), their total, and how many
// records it added since. A size can be stale only when another process grew a record of an import
// or emptied the folder and numbered from 1 again; near the limit every size is looked up afresh
// (listRecords), so what is dropped never rests on a stale size.
struct KnownFolder {
    std::map<std::uint32_t, std::uintmax_t> sizes;
    std::uintmax_t total = 0;
    int added = 0;
};

struct KnownFolders {
    std::mutex guard;
    std::map<std::filesystem::path, KnownFolder> byFolder;
};

KnownFolders& knownFolders()
{
    static KnownFolders known;
    return known;
}

// Other processes may add records too: the folder is listed again after this many of ours.
constexpr int kAddsBetweenListings = 64;

void noteSize(const std::filesystem::path& folder, std::uint32_t number, std::uintmax_t size, bool added)
{
    KnownFolders& known = knownFolders();
    const std::lock_guard lock(known.guard);
    KnownFolder& state = known.byFolder[folder];
    const auto [at, fresh] = state.sizes.try_emplace(number, size);
    if (!fresh) {
        state.total -= at->second;
        at->second = size;
    }
    state.total += size;
    state.added += added ? 1 : 0;
}

std::uintmax_t knownTotal(const std::filesystem::path& folder)
{
    KnownFolders& known = knownFolders();
    const std::lock_guard lock(known.guard);
    return known.byFolder[folder].total;
}

std::uintmax_t sizeOf(const std::filesystem::directory_entry& entry)
{
    std::error_code unknown;
    const std::uintmax_t size = entry.file_size(unknown);
    return unknown ? 0 : size;
}

// The records of `folder`, oldest first, with their sizes. `limit`: the sizes are all looked up
// afresh when those known come to more than half of it.
std::vector<std::pair<std::uint32_t, std::uintmax_t>> listRecords(const std::filesystem::path& folder,
                                                                  std::uint64_t limit)
{
    std::vector<std::pair<std::uint32_t, std::filesystem::directory_entry>> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (const auto number = recordNumber(entry->path()))
            entries.emplace_back(*number, *entry);
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    KnownFolders& known = knownFolders();
    const std::lock_guard lock(known.guard);
    KnownFolder& state = known.byFolder[folder];
    std::vector<std::pair<std::uint32_t, std::uintmax_t>> found;
    std::uintmax_t total = 0;
    for (const auto& [number, entry] : entries) {
        const auto size = state.sizes.find(number);
        found.emplace_back(number, size != state.sizes.end() ? size->second : sizeOf(entry));
        total += found.back().second;
    }
    if (total > limit / 2) {
        total = 0;
        for (std::size_t i = 0; i < found.size(); ++i)
            total += found[i].second = sizeOf(entries[i].second);
    }
    state = KnownFolder{{found.begin(), found.end()}, total, 0};
    return found;
}

// A record is written whole into the scratch file and put on the disk before it is renamed to its
// number, and the command writes only after the rename. A crash may keep the rename from the disk:
// a whole record left in the scratch file is then the newest record (at worst of a command that
// wrote nothing, whose undo finds nothing to put back). One cut short was never acted on and stays,
// for the next record to replace.
void adoptScratch(const std::filesystem::path& folder)
{
    const std::filesystem::path scratch = folder / kScratchName;
    std::error_code absent;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(scratch, absent)))
        return;
    try {
        decodeRecord(FileHandle::openRegular(scratch, FileHandle::Access::Read).readAll(), kScratchName);
    } catch (const PlorikError&) {
        return;
    }
    const auto kept = listRecords(folder, std::numeric_limits<std::uint64_t>::max());
    std::error_code error;
    std::filesystem::rename(scratch, recordIn(folder, kept.empty() ? 1 : kept.back().first + 1), error);
}

// The records of the folder, oldest first, with their sizes: one look at the folder.
std::vector<std::pair<std::uint32_t, std::uintmax_t>> recordsIn(const std::filesystem::path& folder,
                                                                std::uint64_t limit)
{
    adoptScratch(folder);
    return listRecords(folder, limit);
}

// The number the next record takes, without listing the folder, when this process knows it: it
// listed the folder lately, the records stay well below `limit`, and neither that number nor a
// scratch record is there (which another process would have made).
std::optional<std::uint32_t> knownNextNumber(const std::filesystem::path& folder, std::uint64_t limit)
{
    std::uint32_t next = 0;
    {
        KnownFolders& known = knownFolders();
        const std::lock_guard lock(known.guard);
        const auto state = known.byFolder.find(folder);
        if (state == known.byFolder.end() || state->second.sizes.empty() ||
            state->second.added >= kAddsBetweenListings || state->second.total > limit / 2)
            return std::nullopt;
        next = state->second.sizes.rbegin()->first + 1;
    }
    std::error_code absent;
    if (std::filesystem::exists(std::filesystem::symlink_status(recordIn(folder, next), absent)) ||
        std::filesystem::exists(std::filesystem::symlink_status(folder / kScratchName, absent)))
        return std::nullopt;
    return next;
}

} // namespace

std::filesystem::path WriteHistory::folder() const
{
    return resolveGamePath(m_programDir.string(), std::string(kFolderName) + "\\" + m_versionName);
}

std::filesystem::path WriteHistory::recordPath(std::uint32_t number) const
{
    return recordIn(folder(), number);
}

HistoryRecord WriteHistory::capture(const PlannedWrite& planned, const std::filesystem::path& gameFolder,
                                    std::string command, std::int32_t slot, std::int64_t time)
{
    HistoryRecord record;
    record.time = time;
    record.command = std::move(command);
    record.slot = slot;
    for (const PlannedChange& planned : planned.changes) {
        RecordedChange change;
        change.name = nameInFolder(planned.file, gameFolder);
        change.what = planned.what;
        if (planned.kind == PlannedChange::Kind::Region) {
            change.kind = RecordedChange::Kind::Region;
            change.offset = planned.offset;
            change.oldBytes =
                BinaryFile(planned.file, BinaryFile::Mode::Read).readExactlyAt(planned.offset, planned.bytes.size());
            change.newBytes = planned.bytes;
        } else {
            change.kind = RecordedChange::Kind::File;
            std::error_code absent;
            change.existed = std::filesystem::exists(std::filesystem::symlink_status(planned.file, absent));
            const std::string old =
                change.existed ? FileHandle::openRegular(planned.file, FileHandle::Access::Read).readAll() : "";
            change.exists = !planned.removes;
            keepReplacedContent(change, old, planned.removes ? std::string_view() : planned.content);
        }
        record.changes.push_back(std::move(change));
    }
    return record;
}

std::filesystem::path WriteHistory::makeFolder() const
{
    const std::filesystem::path made = folder();
    std::error_code absent;
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(made, absent))) {
        const std::filesystem::path top = resolveGamePath(m_programDir.string(), kFolderName);
        makeFolderAt(top);
        refuseLinkOutside(top, m_programDir, "the program folder");
        makeFolderAt(made);
    }
    // Checks the whole way from the program folder, the top folder too.
    refuseLinkOutside(made, m_programDir, "the program folder");
    return made;
}

std::uint32_t WriteHistory::add(HistoryRecord record) const
{
    const std::filesystem::path records = makeFolder();
    const std::optional<std::uint32_t> next = knownNextNumber(records, m_limit);
    std::vector<std::pair<std::uint32_t, std::uintmax_t>> kept;
    if (next) {
        record.number = *next;
    } else {
        kept = recordsIn(records, m_limit);
        record.number = kept.empty() ? 1 : kept.back().first + 1;
    }
    // A record is what an undo puts back from: it is on the disk before the command's first byte
    // (under its number, or whole in the scratch file, see adoptScratch).
    const std::string bytes = encodeRecord(record);
    replaceFileContent(recordIn(records, record.number), bytes, records / kScratchName, Sync::Always);
    noteSize(records, record.number, bytes.size(), true);
    if (next) {
        // Listed afresh only when the records now pass the limit.
        if (knownTotal(records) <= m_limit)
            return record.number;
        kept = listRecords(records, m_limit);
    } else {
        kept.emplace_back(record.number, bytes.size());
    }
    dropOldest(records, kept);
    return record.number;
}

void WriteHistory::append(std::uint32_t number, const std::vector<RecordedChange>& changes) const
{
    const std::filesystem::path path = recordPath(number);
    refuseLinkOutside(path, m_programDir, "the program folder");
    FileHandle out = FileHandle::openRegular(path, FileHandle::Access::ReadWrite);
    const std::string part = encodeRecordPart(changes);
    const std::uint64_t end = out.size();
    out.writeAt(end, std::span(reinterpret_cast<const std::uint8_t*>(part.data()), part.size()));
    out.flush();
    out.close();
    noteSize(path.parent_path(), number, end + part.size(), false);
}

std::vector<std::uint32_t> WriteHistory::numbers() const
{
    std::vector<std::uint32_t> found;
    for (const auto& [number, size] : recordsIn(folder(), m_limit))
        found.push_back(number);
    return found;
}

HistoryRecord WriteHistory::read(std::uint32_t number) const
{
    const std::filesystem::path path = recordPath(number);
    refuseLinkOutside(path, m_programDir, "the program folder");
    HistoryRecord record =
        decodeRecord(FileHandle::openRegular(path, FileHandle::Access::Read).readAll(), path.filename().string());
    record.number = number;
    return record;
}

void WriteHistory::dropOldest(const std::filesystem::path& records,
                              const std::vector<std::pair<std::uint32_t, std::uintmax_t>>& sizes) const
{
    std::uintmax_t total = 0;
    for (const auto& [number, size] : sizes)
        total += size;
    for (std::size_t i = 0; i + 1 < sizes.size() && total > m_limit; ++i) {
        if (FileHandle::remove(recordIn(records, sizes[i].first)))
            break; // kept: the next record removes it
        total -= sizes[i].second;
    }
}

} // namespace plorik
