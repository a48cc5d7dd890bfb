#include "session/Settings.h"

#include "common/Errors.h"
#include "io/AtomicFile.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"
#include "text/LineReader.h"

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
    replaceFileContent(target, joinCrLf({gameDir, exeName}), scratch);
}

} // namespace plorik
