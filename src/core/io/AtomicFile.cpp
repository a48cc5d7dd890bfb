#include "io/AtomicFile.h"

#include "io/FileError.h"

#include <cstdio>
#include <system_error>

namespace plorik {

void replaceFileContent(const std::filesystem::path& target, const std::string& content,
                        const std::filesystem::path& scratch)
{
    // A write-protected file is not replaced behind its owner's back.
    std::error_code status;
    const auto permissions = std::filesystem::status(target, status).permissions();
    if (!status && (permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        throw FileError(target.string(), "The file is write-protected");
    std::FILE* out = std::fopen(scratch.string().c_str(), "wb");
    if (!out)
        throw FileError(scratch.string(), systemReason());
    const bool written = content.empty() || std::fwrite(content.data(), 1, content.size(), out) == content.size();
    const bool flushed = std::fflush(out) == 0;
    const bool closed = std::fclose(out) == 0;
    if (!written || !flushed || !closed) {
        const std::string reason = systemReason();
        std::error_code ignored;
        std::filesystem::remove(scratch, ignored);
        throw FileError(scratch.string(), reason);
    }
    std::error_code error;
    std::filesystem::rename(scratch, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(scratch, ignored);
        throw FileError(target.string(), error.message());
    }
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace plorik
