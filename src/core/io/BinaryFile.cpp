#include "io/BinaryFile.h"

#include "io/FileError.h"

#include <cerrno>
#include <system_error>

namespace plorik {

namespace {

int seekTo(std::FILE* file, std::int64_t offset, int whence)
{
#ifdef _WIN32
    return _fseeki64(file, offset, whence);
#else
    return fseeko(file, static_cast<off_t>(offset), whence);
#endif
}

std::int64_t tellOf(std::FILE* file)
{
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<std::int64_t>(ftello(file));
#endif
}

} // namespace

BinaryFile::BinaryFile(const std::filesystem::path& path, Mode mode) : m_path(path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw FileError(path.string(), "File not found");
    // A write-protected file stays unwritten, whoever runs the program.
    const auto permissions = std::filesystem::status(path, error).permissions();
    if (mode == Mode::ReadWrite && !error &&
        (permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        throw FileError(path.string(), "The file is write-protected");
    m_file = std::fopen(path.string().c_str(), mode == Mode::Read ? "rb" : "r+b");
    if (!m_file)
        throw FileError(path.string(), errno == ENOENT ? "File not found" : systemReason());
}

BinaryFile::~BinaryFile()
{
    if (m_file)
        std::fclose(m_file);
}

std::int64_t BinaryFile::size() const
{
    const std::int64_t here = tellOf(m_file);
    if (seekTo(m_file, 0, SEEK_END) != 0)
        throw FileError(m_path.string(), systemReason());
    const std::int64_t end = tellOf(m_file);
    seekTo(m_file, here, SEEK_SET);
    return end;
}

void BinaryFile::seek(std::int64_t offset)
{
    if (offset < 0)
        throw FileError(m_path.string(), "Seek to a negative offset " + std::to_string(offset));
    if (seekTo(m_file, offset, SEEK_SET) != 0)
        throw FileError(m_path.string(), systemReason());
}

std::vector<std::uint8_t> BinaryFile::readAt(std::int64_t offset, std::size_t count)
{
    seek(offset);
    std::vector<std::uint8_t> bytes(count);
    const std::size_t got = count == 0 ? 0 : std::fread(bytes.data(), 1, count, m_file);
    if (std::ferror(m_file))
        throw FileError(m_path.string(), "Read error");
    bytes.resize(got);
    return bytes;
}

std::vector<std::uint8_t> BinaryFile::readExactlyAt(std::int64_t offset, std::size_t count)
{
    std::vector<std::uint8_t> bytes = readAt(offset, count);
    if (bytes.size() != count)
        throw FileError(m_path.string(), "Read beyond end of file");
    return bytes;
}

void BinaryFile::writeAt(std::int64_t offset, std::span<const std::uint8_t> bytes)
{
    seek(offset);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        throw FileError(m_path.string(), systemReason());
    if (std::fflush(m_file) != 0)
        throw FileError(m_path.string(), systemReason());
}

} // namespace plorik
