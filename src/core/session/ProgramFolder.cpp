#include "session/ProgramFolder.h"

#include "common/Errors.h"
#include "io/GamePath.h"
#include "io/Platform.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace plorik {

namespace {

constexpr const char* kDataFile = "data.txt";

bool holdsDataFile(const std::filesystem::path& folder)
{
    std::error_code error;
    return std::filesystem::is_regular_file(resolveGamePath(folder.string(), kDataFile), error);
}

std::filesystem::path perUserFolder(const ProgramFolderRequest& request)
{
    return request.userDataHome.empty() ? request.userDataHome : request.userDataHome / "plorik";
}

std::string readWhole(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError(path.string(), systemReason());
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw FileError(path.string(), systemReason());
    return content;
}

// Copies the shipped data.txt into `folder` unless one is there. The copy goes to a scratch file
// first and is linked into place, so a data.txt that appears meanwhile is kept and a failed copy
// leaves nothing half-written behind.
bool seedDataFile(const std::filesystem::path& folder, const std::filesystem::path& shipped)
{
    if (shipped.empty() || holdsDataFile(folder))
        return false;
    const std::string content = readWhole(shipped);
    const std::filesystem::path target = folder / kDataFile;
    const std::filesystem::path scratch = folder / ("data.txt." + std::to_string(platform::processId()) + ".tmp");
    std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    std::error_code ignored;
    if (!out) {
        const std::string reason = systemReason();
        std::filesystem::remove(scratch, ignored);
        throw FileError(scratch.string(), reason);
    }
    std::error_code linkError;
    std::filesystem::create_hard_link(scratch, target, linkError);
    std::filesystem::remove(scratch, ignored);
    if (linkError && linkError != std::errc::file_exists)
        throw FileError(target.string(), linkError.message());
    return !linkError;
}

} // namespace

ProgramFolder chooseProgramFolder(const ProgramFolderRequest& request)
{
    if (!request.given.empty())
        return {request.given, ProgramFolder::Origin::Given};
    const std::filesystem::path user = perUserFolder(request);
    if (holdsDataFile(request.current) || user.empty())
        return {request.current, ProgramFolder::Origin::Current};

    std::error_code error;
    std::filesystem::create_directories(user, error);
    if (error)
        throw FileError(user.string(), error.message());
    if (!std::filesystem::is_directory(user, error))
        throw FileError(user.string(), "Not a folder");
    return {user, ProgramFolder::Origin::PerUser, seedDataFile(user, request.shippedDataFile)};
}

std::vector<std::filesystem::path> shippedDataFolders(const std::filesystem::path& executableFolder)
{
    return {(executableFolder / PLORIK_INSTALLED_DATA_DIR).lexically_normal(), PLORIK_SOURCE_DATA_DIR};
}

std::filesystem::path findShippedDataFile(const std::filesystem::path& executableFolder)
{
    for (const std::filesystem::path& folder : shippedDataFolders(executableFolder)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / kDataFile, error))
            return folder / kDataFile;
    }
    return {};
}

} // namespace plorik
