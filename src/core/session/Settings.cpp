#include "session/Settings.h"

#include "common/Errors.h"
#include "io/AtomicFile.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"
#include "text/LineReader.h"
#include "text/StrictNumber.h"

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
    if (const std::optional<std::string> limit = thirdLine())
        lines.push_back(*limit);
    replaceFileContent(target, joinCrLf(lines), scratch);
}

std::optional<std::string> Settings::thirdLine() const
{
    if (!exists())
        return std::nullopt;
    LineReader file(path());
    file.readLine();
    file.readLine();
    if (file.atEnd())
        return std::nullopt;
    return file.readLine();
}

std::uint64_t Settings::historyLimit() const
{
    std::int64_t megabytes = kDefaultHistoryMegabytes;
    if (const std::optional<std::string> line = thirdLine()) {
        const std::optional<std::int64_t> number = parseWholeNumber(*line);
        if (number && *number >= 0 && *number <= (std::int64_t{1} << 20))
            megabytes = *number;
    }
    return static_cast<std::uint64_t>(megabytes) << 20;
}

} // namespace plorik
