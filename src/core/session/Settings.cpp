#include "session/Settings.h"

#include "common/Errors.h"
#include "io/AtomicFile.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"
#include "text/LineReader.h"
#include "text/StrictNumber.h"

#include <algorithm>
#include <system_error>

namespace plorik {

std::filesystem::path Settings::path() const
{
    return resolveGamePath(m_programDir.string(), kFileName);
}

bool Settings::exists() const
{
    // Anything of that name counts: a folder or FIFO in its place is reported when it is read.
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path(), error));
}

Settings::Loaded Settings::load() const
{
    Loaded loaded;
    LineReader file(path());
    loaded.gameDir = file.readLine();
    if (file.atEnd()) {
        loaded.outdated = true;
        if (const std::error_code error = FileHandle::remove(path()))
            throw FileError(path().string(), error.message());
        return loaded;
    }
    loaded.exeName = file.readLine().substr(0, kMaxExeName);
    return loaded;
}

void Settings::save(const std::string& gameDir, const std::string& exeName) const
{
    const std::filesystem::path target = path();
    std::filesystem::path scratch = target;
    scratch += ".tmp";
    std::vector<std::string> lines{gameDir, exeName};
    const std::optional<std::string> limit = optionalLine(3);
    const std::optional<std::string> marks = optionalLine(4);
    if (limit || marks)
        lines.push_back(limit.value_or(""));
    if (marks)
        lines.push_back(*marks);
    replaceFileContent(target, joinCrLf(lines), scratch);
}

std::optional<std::string> Settings::optionalLine(std::size_t number) const
{
    if (!exists())
        return std::nullopt;
    LineReader file(path());
    for (std::size_t skipped = 1; skipped < number; ++skipped) {
        if (file.atEnd())
            return std::nullopt;
        file.readLine();
    }
    if (file.atEnd())
        return std::nullopt;
    return file.readLine();
}

bool Settings::markChanges() const
{
    return optionalLine(4) != "0";
}

void Settings::saveMarkChanges(bool on) const
{
    if (!exists())
        return;
    std::vector<std::string> lines = readAllLines(path());
    if (lines.size() < 2)
        return; // an outdated file: the start-up deletes it
    lines.resize(std::max<std::size_t>(lines.size(), 4));
    lines[3] = on ? "1" : "0";
    std::filesystem::path scratch = path();
    scratch += ".tmp";
    replaceFileContent(path(), joinCrLf(lines), scratch);
}

std::uint64_t Settings::historyLimit() const
{
    std::int64_t megabytes = kDefaultHistoryMegabytes;
    if (const std::optional<std::string> line = optionalLine(3)) {
        const std::optional<std::int64_t> number = parseWholeNumber(*line);
        if (number && *number >= 0 && *number <= (std::int64_t{1} << 20))
            megabytes = *number;
    }
    return static_cast<std::uint64_t>(megabytes) << 20;
}

} // namespace plorik
