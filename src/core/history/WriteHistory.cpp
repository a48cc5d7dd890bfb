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
// every record file's size (looked up once, when its number first shows), their total, the newest
// record's number, the file this process made and adds its records to (while it stays the newest),
// and how many records it added since the listing. A size can be stale only when another process
// added to a file of its own or emptied the folder and numbered from 1 again; near the limit every
// size is looked up afresh (listRecords), so what is dropped never rests on a stale size.
struct KnownFolder {
    std::map<std::uint32_t, std::uintmax_t> sizes;
    std::uintmax_t total = 0;
    std::uint32_t newest = 0;
    // The file this process adds to: its number, where its last record ends and its size.
    struct OwnFile {
        std::uint32_t first = 0;
        std::uint64_t end = 0;
        std::uint64_t size = 0;
    };
    std::optional<OwnFile> ownFile;
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

// Calls `change` with the folder's state, under the lock.
template <class Change> auto withKnown(const std::filesystem::path& folder, Change&& change)
{
    KnownFolders& known = knownFolders();
    const std::lock_guard lock(known.guard);
    return change(known.byFolder[folder]);
}

// Other processes may add records too: the folder is listed again after this many of ours.
constexpr int kAddsBetweenListings = 64;

void noteSize(KnownFolder& state, std::uint32_t file, std::uintmax_t size)
{
    const auto [at, fresh] = state.sizes.try_emplace(file, size);
    if (!fresh) {
        state.total -= at->second;
        at->second = size;
    }
    state.total += size;
}

std::uintmax_t sizeOf(const std::filesystem::directory_entry& entry)
{
    std::error_code unknown;
    const std::uintmax_t size = entry.file_size(unknown);
    return unknown ? 0 : size;
}

std::string readRecordFile(const std::filesystem::path& file)
{
    return FileHandle::openRegular(file, FileHandle::Access::Read).readAll();
}

// How many numbers a file of records takes: its whole records, and at least its own.
std::uint32_t recordsHeld(std::string_view bytes)
{
    return static_cast<std::uint32_t>(std::max<std::size_t>(recordSpans(bytes).size(), 1));
}

using FileSizes = std::vector<std::pair<std::uint32_t, std::uintmax_t>>;

// The record files of `folder`, oldest first, with their sizes. `limit`: the sizes are all looked
// up afresh when those known come to more than half of it. The newest file is read for the number
// of its newest record.
FileSizes listRecords(const std::filesystem::path& folder, std::uint64_t limit)
{
    std::vector<std::pair<std::uint32_t, std::filesystem::directory_entry>> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (const auto number = recordNumber(entry->path()))
            entries.emplace_back(*number, *entry);
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    // The file this process adds to stays its own while it is the newest and as it left it; then
    // the newest record is known without reading that file.
    const std::uintmax_t newestSize = entries.empty() ? 0 : sizeOf(entries.back().second);
    const std::optional<std::uint32_t> known =
        withKnown(folder, [&](KnownFolder& state) -> std::optional<std::uint32_t> {
            if (state.ownFile && !entries.empty() && state.ownFile->first == entries.back().first &&
                state.ownFile->size == newestSize)
                return state.newest;
            return std::nullopt;
        });
    const bool ownStays = known.has_value();
    std::uint32_t newest = known.value_or(0);
    if (!ownStays && !entries.empty()) {
        std::uint32_t held = 1;
        try {
            held = recordsHeld(readRecordFile(entries.back().second.path()));
        } catch (const PlorikError&) {
            // unreadable: it takes its own number, and reading it names the failure
        }
        newest = entries.back().first + held - 1;
    }

    return withKnown(folder, [&](KnownFolder& state) {
        FileSizes found;
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
        state = KnownFolder{{found.begin(), found.end()},
                            total,
                            newest,
                            ownStays ? state.ownFile : std::optional<KnownFolder::OwnFile>(),
                            0};
        return found;
    });
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
        decodeRecord(readRecordFile(scratch), kScratchName);
    } catch (const PlorikError&) {
        return;
    }
    listRecords(folder, std::numeric_limits<std::uint64_t>::max());
    const std::uint32_t next = withKnown(folder, [](KnownFolder& state) { return state.newest + 1; });
    std::error_code error;
    std::filesystem::rename(scratch, recordIn(folder, next), error);
}

// The record files of the folder, oldest first, with their sizes: one look at the folder.
FileSizes recordsIn(const std::filesystem::path& folder, std::uint64_t limit)
{
    adoptScratch(folder);
    return listRecords(folder, limit);
}

// The number the next record takes, without listing the folder, when this process knows it: it
// listed the folder lately, the records stay well below `limit`, and neither that number nor a
// scratch record is there (which another process would have made).
std::optional<std::uint32_t> knownNextNumber(const std::filesystem::path& folder, std::uint64_t limit)
{
    const std::optional<std::uint32_t> next = withKnown(folder, [limit](KnownFolder& state) {
        return state.sizes.empty() || state.added >= kAddsBetweenListings || state.total > limit / 2
                   ? std::nullopt
                   : std::optional<std::uint32_t>(state.newest + 1);
    });
    std::error_code absent;
    if (!next || std::filesystem::exists(std::filesystem::symlink_status(recordIn(folder, *next), absent)) ||
        std::filesystem::exists(std::filesystem::symlink_status(folder / kScratchName, absent)))
        return std::nullopt;
    return next;
}

using OwnFile = KnownFolder::OwnFile;

// The file this process adds to, while it is the newest it knows of.
std::optional<OwnFile> newestOwnFile(const KnownFolder& state)
{
    if (!state.ownFile || state.sizes.empty() || state.sizes.rbegin()->first != state.ownFile->first)
        return std::nullopt;
    return state.ownFile;
}

// The size a file of records takes when its records end at `end`: zero bytes after them leave room
// for as much again (4 KB at least, within `fileLimit`), so that the records added there change
// neither the file's size nor anything else the system must put on the disk besides them.
std::uint64_t sizeWithRoom(std::uint64_t end, std::uint64_t fileLimit)
{
    return std::max(end, std::min(fileLimit, std::max(end + 4096, 2 * end)));
}

// `bytes` and the room after them, for a file whose records end at `end`.
std::string withRoom(std::string_view bytes, std::uint64_t end, std::uint64_t fileLimit)
{
    std::string put(bytes);
    put.resize(static_cast<std::size_t>(sizeWithRoom(end + bytes.size(), fileLimit) - end), '\0');
    return put;
}

// Writes `bytes` where the records of `own` end and puts them on the disk; returns the file's new
// size, or nothing (having written nothing) when the file is no longer of the size this process
// left it. On a failure the file is put back to its size with zeros after its records (as far as
// it can be) and FileError is thrown.
std::optional<std::uint64_t> writeAtEnd(const std::filesystem::path& file, const OwnFile& own, std::string_view bytes,
                                        std::uint64_t fileLimit)
{
    FileHandle out = FileHandle::openRegular(file, FileHandle::Access::ReadWrite);
    if (static_cast<std::uint64_t>(out.size()) != own.size)
        return std::nullopt;
    const bool fits = own.end + bytes.size() <= own.size;
    const std::string put = fits ? std::string(bytes) : withRoom(bytes, own.end, fileLimit);
    try {
        out.writeAt(static_cast<std::int64_t>(own.end),
                    std::span(reinterpret_cast<const std::uint8_t*>(put.data()), put.size()));
        out.flush();
        out.close();
    } catch (const FileError&) {
        try {
            out.truncate(static_cast<std::int64_t>(own.end));
            out.truncate(static_cast<std::int64_t>(own.size));
            out.flush();
        } catch (const FileError&) {
            // what stays is cut short, which ends the file's records, or was never acted on
        }
        throw;
    }
    return std::max(own.size, own.end + put.size());
}

} // namespace

std::filesystem::path WriteHistory::folder() const
{
    return resolveGamePath(m_programDir.string(), std::string(kFolderName) + "\\" + m_versionName);
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
            const std::string old = change.existed ? readRecordFile(planned.file) : "";
            change.exists = !planned.removes;
            keepReplacedContent(change, old, planned.removes ? std::string_view() : planned.content);
        }
        record.changes.push_back(std::move(change));
    }
    return record;
}

std::uint64_t WriteHistory::fileLimit() const
{
    return std::min<std::uint64_t>(m_limit / kFileShare, std::uint64_t{1} << 20);
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
    const auto newestPlusOne = [&records] {
        return withKnown(records, [](KnownFolder& state) { return state.newest + 1; });
    };
    const std::optional<std::uint32_t> next = knownNextNumber(records, m_limit);
    std::optional<FileSizes> listed;
    if (next) {
        record.number = *next;
    } else {
        listed = recordsIn(records, m_limit);
        record.number = newestPlusOne();
    }
    // A record is what an undo puts back from: it is on the disk before the command's first byte
    // (at the end of this process's file, under its number, or whole in the scratch file, see
    // adoptScratch).
    std::string bytes = encodeRecord(record);
    std::optional<OwnFile> own = withKnown(records, newestOwnFile);
    if (own && own->end + bytes.size() > fileLimit())
        own.reset();
    std::optional<std::uint64_t> grown;
    if (own) {
        const std::filesystem::path file = recordIn(records, own->first);
        std::error_code absent;
        const auto status = std::filesystem::symlink_status(file, absent);
        try {
            if (std::filesystem::is_regular_file(status))
                grown = writeAtEnd(file, *own, bytes, fileLimit());
        } catch (const FileError&) {
            withKnown(records, [](KnownFolder& state) { state.ownFile.reset(); });
            throw;
        }
        if (!grown) {
            // The file is no longer as this process left it: the record goes into a file of its
            // own, after a look at the folder.
            withKnown(records, [](KnownFolder& state) { state.ownFile.reset(); });
            listed = recordsIn(records, m_limit);
            record.number = newestPlusOne();
            bytes = encodeRecord(record);
        }
    }
    OwnFile now;
    if (grown) {
        now = {own->first, own->end + bytes.size(), *grown};
    } else {
        const std::string put = withRoom(bytes, 0, fileLimit());
        replaceFileContent(recordIn(records, record.number), put, records / kScratchName, Sync::Always);
        now = {record.number, bytes.size(), put.size()};
    }
    const std::uintmax_t total = withKnown(records, [&](KnownFolder& state) {
        noteSize(state, now.first, now.size);
        state.ownFile = now;
        state.newest = record.number;
        ++state.added;
        return state.total;
    });
    if (listed) {
        if (grown)
            listed->back().second = now.size; // this process's file is the newest
        else
            listed->emplace_back(now.first, now.size);
        dropOldest(records, *listed);
    } else if (total > m_limit) {
        // Listed afresh only when the records now pass the limit.
        dropOldest(records, listRecords(records, m_limit));
    }
    return record.number;
}

void WriteHistory::append(std::uint32_t number, const std::vector<RecordedChange>& changes) const
{
    const std::filesystem::path records = folder();
    // The record is this process's newest, at the end of the records of the file it adds to.
    const std::optional<OwnFile> own = withKnown(
        records, [number](KnownFolder& state) { return state.newest == number ? newestOwnFile(state) : std::nullopt; });
    const std::filesystem::path path = recordIn(records, own ? own->first : number);
    if (!own)
        throw FileError(path.string(), "Record " + std::to_string(number) + " is no longer the newest record");
    refuseLinkOutside(path, m_programDir, "the program folder");
    const std::string part = encodeRecordPart(changes);
    const auto forget = [&records] { withKnown(records, [](KnownFolder& state) { state.ownFile.reset(); }); };
    std::optional<std::uint64_t> grown;
    try {
        grown = writeAtEnd(path, *own, part, fileLimit());
    } catch (const FileError&) {
        forget();
        throw;
    }
    if (!grown) {
        forget();
        throw FileError(path.string(), "The file changed since this program added record " + std::to_string(number));
    }
    withKnown(records, [&](KnownFolder& state) {
        noteSize(state, own->first, *grown);
        state.ownFile = OwnFile{own->first, own->end + part.size(), *grown};
    });
}

void WriteHistory::forEachRecord(const RecordVisit& each) const
{
    const std::filesystem::path records = folder();
    const FileSizes files = recordsIn(records, m_limit);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path file = recordIn(records, files[i].first);
        refuseLinkOutside(file, m_programDir, "the program folder");
        const std::string bytes = readRecordFile(file);
        const std::vector<RecordSpan> spans = recordSpans(bytes);
        // A record numbered as the next file's first is that file's.
        const std::uint32_t before =
            i + 1 < files.size() ? files[i + 1].first : std::numeric_limits<std::uint32_t>::max();
        if (spans.empty()) {
            each(files[i].first, file, bytes);
            continue;
        }
        for (std::size_t k = 0; k < spans.size() && files[i].first + k < before; ++k)
            each(files[i].first + static_cast<std::uint32_t>(k), file,
                 std::string_view(bytes).substr(spans[k].offset, spans[k].length));
    }
}

std::vector<std::uint32_t> WriteHistory::numbers() const
{
    std::vector<std::uint32_t> found;
    forEachRecord(
        [&](std::uint32_t number, const std::filesystem::path&, std::string_view) { found.push_back(number); });
    return found;
}

std::vector<HistoryRecord> WriteHistory::readAll() const
{
    std::vector<HistoryRecord> found;
    forEachRecord([&](std::uint32_t number, const std::filesystem::path& file, std::string_view bytes) {
        found.push_back(decodeRecord(bytes, file.filename().string()));
        found.back().number = number;
    });
    return found;
}

HistoryRecord WriteHistory::read(std::uint32_t number) const
{
    std::optional<HistoryRecord> found;
    forEachRecord([&](std::uint32_t at, const std::filesystem::path& file, std::string_view bytes) {
        if (at == number) {
            found = decodeRecord(bytes, file.filename().string());
            found->number = number;
        }
    });
    if (!found)
        throw PlorikError("The history holds no record " + std::to_string(number) + ".");
    return *found;
}

void WriteHistory::dropOldest(const std::filesystem::path& records, const FileSizes& sizes) const
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
