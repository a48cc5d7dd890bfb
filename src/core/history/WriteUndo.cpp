#include "history/WriteUndo.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/FileHandle.h"
#include "io/FilePatch.h"
#include "io/GamePath.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <system_error>

namespace plorik {

namespace {

bool existsNow(const std::filesystem::path& path)
{
    std::error_code absent;
    return std::filesystem::exists(std::filesystem::symlink_status(path, absent));
}

std::string describe(const RecordedChange& change)
{
    return change.what.empty() ? changeTarget(change) : changeTarget(change) + " (" + change.what + ")";
}

[[noreturn]] void changedSince(const RecordedChange& change, const HistoryRecord& record)
{
    throw WriteRefused("The undo of \"" + record.command + "\" of " + recordTimeText(record.time) +
                       " is refused: " + describe(change) +
                       " no longer holds what the command wrote; it was changed "
                       "since." +
                       nothingWrittenParagraph());
}

// What the region should hold now: its new bytes, with those that later regions of the same command
// wrote over them.
std::vector<std::uint8_t> expectedBytes(const HistoryRecord& record, std::size_t index)
{
    const RecordedChange& change = record.changes[index];
    std::vector<std::uint8_t> expected = change.newBytes;
    const std::int64_t end = change.offset + static_cast<std::int64_t>(expected.size());
    for (std::size_t j = index + 1; j < record.changes.size(); ++j) {
        const RecordedChange& later = record.changes[j];
        if (later.kind != RecordedChange::Kind::Region || later.name != change.name)
            continue;
        for (std::size_t k = 0; k < later.newBytes.size(); ++k) {
            const std::int64_t at = later.offset + static_cast<std::int64_t>(k);
            if (at >= change.offset && at < end)
                expected[static_cast<std::size_t>(at - change.offset)] = later.newBytes[k];
        }
    }
    return expected;
}

} // namespace

PlannedWrite undoPlan(const HistoryRecord& record, const std::string& gameDir)
{
    const std::filesystem::path gameFolder = resolveGamePath(gameDir);
    PlannedWrite planned;
    // A file's content once the later changes of the command are put back (nullopt: no file), and
    // where the plan replaces it: a file the command wrote many times is put back once.
    std::map<std::string, std::optional<std::string>> putBack;
    std::map<std::string, std::size_t> replacedAt;
    for (std::size_t i = record.changes.size(); i-- > 0;) {
        const RecordedChange& change = record.changes[i];
        const std::optional<std::filesystem::path> path = resolveInsideGameDir(gameDir, change.name);
        if (!path)
            throw WriteRefused("\"" + change.name + "\" lies outside the game folder." + nothingWrittenParagraph());
        try {
            if (existsNow(*path))
                refuseLinkOutside(*path, gameFolder);
            if (change.kind == RecordedChange::Kind::Region) {
                std::vector<std::uint8_t> now;
                if (existsNow(*path))
                    now = BinaryFile(*path, BinaryFile::Mode::Read).readAt(change.offset, change.newBytes.size());
                if (now == expectedBytes(record, i)) {
                    planned.region(*path, change.offset, change.oldBytes, change.what);
                    replacedAt.erase(change.name);
                } else if (now != change.oldBytes) {
                    changedSince(change, record);
                }
                continue;
            }
            auto known = putBack.find(change.name);
            if (known == putBack.end()) {
                std::optional<std::string> now;
                if (existsNow(*path))
                    now = FileHandle::openRegular(*path, FileHandle::Access::Read).readAll();
                known = putBack.emplace(change.name, std::move(now)).first;
            }
            std::optional<std::string>& content = known->second;
            const auto holds = [&](bool there, std::uint64_t size, std::uint64_t hash) {
                return there ? content && content->size() == size && recordedHash(record.format, *content) == hash
                             : !content;
            };
            if (holds(change.exists, change.newSize, change.newHash)) {
                content = change.existed ? std::optional(replacedContent(change, content.value_or(""))) : std::nullopt;
                const auto at = replacedAt.find(change.name);
                if (at == replacedAt.end()) {
                    planned.replace(*path, {});
                    replacedAt[change.name] = planned.changes.size() - 1;
                }
                PlannedChange& replacing = planned.changes[replacedAt[change.name]];
                replacing.content = content.value_or("");
                replacing.removes = !content;
            } else if (!holds(change.existed, change.oldSize, change.oldHash)) {
                changedSince(change, record);
            }
        } catch (const WriteRefused&) {
            throw;
        } catch (const PlorikError& failure) {
            throw WriteRefused(failure.what() + nothingWrittenParagraph());
        }
    }
    return planned;
}

void applyPlannedWrite(const PlannedWrite& planned, const std::string& gameDir)
{
    const std::filesystem::path gameFolder = resolveGamePath(gameDir);
    std::map<std::filesystem::path, std::unique_ptr<BinaryFile>> open;
    try {
        for (const PlannedChange& change : planned.changes) {
            if (existsNow(change.file))
                refuseLinkOutside(change.file, gameFolder);
            refuseLinkOutside(change.file.parent_path(), gameFolder);
            if (change.kind == PlannedChange::Kind::Region) {
                auto& file = open[change.file];
                if (!file)
                    file = std::make_unique<BinaryFile>(change.file, BinaryFile::Mode::ReadWrite);
                const std::string name = change.file.filename().string();
                if (const auto outside = patchOutside({{change.what, change.offset, change.bytes}}, file->size(), name))
                    throw WriteRefused(*outside);
            } else if (existsNow(change.file)) {
                if (change.removes)
                    refuseFolderWriteProtected(change.file.parent_path());
                else
                    checkReplaceable(change.file, change.file.parent_path() / "temp.tmp");
            } else {
                refuseFolderWriteProtected(change.file.parent_path());
            }
        }
    } catch (const PlorikError& failure) {
        throw WriteRefused(failure.what() + nothingWrittenParagraph());
    }
    std::vector<std::string> written;
    std::string writing;
    try {
        for (const PlannedChange& change : planned.changes) {
            const std::string name = change.file.filename().string();
            if (change.kind == PlannedChange::Kind::Region) {
                writing = change.what.empty() ? name : change.what + " in " + name;
                open[change.file]->writeRegion(change.offset, change.bytes, writing);
                written.push_back(writing);
                writing.clear();
            } else if (change.removes) {
                if (const std::error_code error = FileHandle::remove(change.file))
                    throw FileError(change.file.string(), error.message());
                written.push_back(name);
            } else {
                replaceFileContent(change.file, change.content, change.file.parent_path() / "temp.tmp");
                written.push_back(name);
            }
        }
    } catch (const PlorikError& failure) {
        throw PlorikError(writeFailureReport(failure.what(), written, writing, nothingWrittenParagraph()));
    }
}

} // namespace plorik
