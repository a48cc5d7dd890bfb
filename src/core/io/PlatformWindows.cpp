#include "io/Platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <fcntl.h>
#include <io.h>

#include <windows.h>

#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

namespace plorik::platform {

namespace {

// Every name goes to the system through its wide functions, so no name depends on a code page.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return EINVAL;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY: return ENOTEMPTY;
    default: return EIO;
    }
}

// Sets errno from the last Windows error and hands back `result`.
template <typename T> T failed(T result)
{
    errno = errnoOf(GetLastError());
    return result;
}

HANDLE handleOf(NativeFile file)
{
    return reinterpret_cast<HANDLE>(file);
}

NativeFile fileOf(HANDLE handle)
{
    return handle == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<NativeFile>(handle);
}

bool isFolder(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string utf8OfWide(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

// The final path of an existing file or folder, every link resolved; without the "\\?\" prefix.
bool finalPath(const std::filesystem::path& path, std::filesystem::path& result)
{
    const HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = GetFinalPathNameByHandleW(handle, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    }
    CloseHandle(handle);
    if (length == 0 || length >= buffer.size())
        return false;
    buffer.resize(length);
    if (buffer.rfind(L"\\\\?\\UNC\\", 0) == 0)
        buffer = L"\\\\" + buffer.substr(8);
    else if (buffer.rfind(L"\\\\?\\", 0) == 0)
        buffer = buffer.substr(4);
    result = buffer;
    return true;
}

// A name for the folder's lock that every PLORIK on this machine derives alike: a hash of the
// folder's final path, in lower case (Windows names are case-insensitive).
std::wstring lockName(const std::filesystem::path& folder)
{
    std::wstring text = folder.native();
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    std::uint64_t hash = 14695981039346656037ull;
    for (const wchar_t c : text) {
        hash ^= static_cast<std::uint64_t>(c);
        hash *= 1099511628211ull;
    }
    wchar_t digits[17];
    std::swprintf(digits, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return std::wstring(L"Local\\plorik-folder-lock-") + digits;
}

} // namespace

// The C++ library turns the narrow text of a path into the wide names of Windows through the C
// runtime's mbrtowc, which reads one byte as one character in the "C" locale, while it turns names
// back into UTF-8: a name beyond ASCII would not survive the round trip. PLORIK's text is UTF-8
// throughout, so this program's mbrtowc reads UTF-8 (statically linked, it stands in for the
// runtime's). Characters beyond the Basic Multilingual Plane do not fit one wchar_t and are refused.
extern "C" std::size_t mbrtowc(wchar_t* out, const char* in, std::size_t count, std::mbstate_t*)
{
    constexpr auto kInvalid = static_cast<std::size_t>(-1);
    constexpr auto kIncomplete = static_cast<std::size_t>(-2);
    if (in == nullptr)
        return 0;
    if (count == 0)
        return kIncomplete;
    const auto* bytes = reinterpret_cast<const unsigned char*>(in);
    std::size_t length = 1;
    unsigned code = bytes[0];
    if (code >= 0xF8 || (code >= 0x80 && code < 0xC0))
        return kInvalid;
    if (code >= 0xF0) {
        length = 4;
        code &= 0x07;
    } else if (code >= 0xE0) {
        length = 3;
        code &= 0x0F;
    } else if (code >= 0xC0) {
        length = 2;
        code &= 0x1F;
    }
    if (count < length)
        return kIncomplete;
    for (std::size_t i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return kInvalid;
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    if (code > 0xFFFF || (code >= 0xD800 && code < 0xE000))
        return kInvalid;
    if (out != nullptr)
        *out = static_cast<wchar_t>(code);
    return code == 0 ? 0 : length;
}

bool isWindows()
{
    return true;
}

NativeFile openExisting(const std::filesystem::path& path, bool write)
{
    // Other programs may read, write, rename and delete while the file is open, as on POSIX: the
    // scratch file that replaces a file must be able to take its name.
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_READ | (write ? GENERIC_WRITE : 0),
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A folder cannot be opened as a file at all; say so as POSIX does.
        if (error == ERROR_ACCESS_DENIED && isFolder(path)) {
            errno = EISDIR;
            return kNoFile;
        }
        errno = errnoOf(error);
        return kNoFile;
    }
    return fileOf(handle);
}

NativeFile createNew(const std::filesystem::path& path)
{
    // CREATE_NEW fails on any existing name; FILE_FLAG_OPEN_REPARSE_POINT keeps a link from being
    // followed even then.
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return failed(kNoFile);
    return fileOf(handle);
}

bool statusOf(NativeFile file, FileStatus& status)
{
    // The standard information holds all that is asked, without the volume's (which Wine gets from
    // its mount manager, many times slower).
    FILE_STANDARD_INFO information{};
    const DWORD type = GetFileType(handleOf(file));
    if (type != FILE_TYPE_DISK ||
        !GetFileInformationByHandleEx(handleOf(file), FileStandardInfo, &information, sizeof information)) {
        status.regular = false;
        status.size = 0;
        return type != FILE_TYPE_UNKNOWN || failed(false);
    }
    status.regular = !information.Directory;
    status.size = information.EndOfFile.QuadPart;
    return true;
}

long long readAt(NativeFile file, std::uint8_t* into, std::size_t count, std::int64_t offset)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    if (!ReadFile(handleOf(file), into, static_cast<DWORD>(count), &got, &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF)
            return 0;
        return failed(-1LL);
    }
    return got;
}

long long writeAt(NativeFile file, const std::uint8_t* from, std::size_t count, std::int64_t offset)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD put = 0;
    if (!WriteFile(handleOf(file), from, static_cast<DWORD>(count), &put, &at))
        return failed(-1LL);
    return put;
}

bool flushData(NativeFile file)
{
    return FlushFileBuffers(handleOf(file)) || failed(false);
}

bool truncateFile(NativeFile file, std::int64_t size)
{
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    return SetFileInformationByHandle(handleOf(file), FileEndOfFileInfo, &end, sizeof end) || failed(false);
}

bool closeFile(NativeFile file)
{
    return CloseHandle(handleOf(file)) || failed(false);
}

NativeFile lockFolder(const std::filesystem::path& folder, bool& busy)
{
    // Windows locks byte ranges of files only, not folders: the lock is a named mutex of the
    // folder's final path, which the system takes away with the last handle, so a PLORIK that ends
    // in any way releases it.
    busy = false;
    std::filesystem::path real;
    if (!finalPath(folder, real))
        return kNoFile;
    const HANDLE mutex = CreateMutexW(nullptr, TRUE, lockName(real).c_str());
    if (mutex == nullptr)
        return kNoFile;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        busy = true;
        return kNoFile;
    }
    return reinterpret_cast<NativeFile>(mutex);
}

void unlockFolder(NativeFile lock)
{
    if (lock != kNoFile) {
        ReleaseMutex(handleOf(lock));
        CloseHandle(handleOf(lock));
    }
}

std::error_code replaceByRename(const std::filesystem::path& scratch, const std::filesystem::path& target)
{
    if (MoveFileExW(scratch.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return std::error_code(errnoOf(GetLastError()), std::generic_category());
}

bool folderAccessible(const std::filesystem::path&)
{
    // A folder's read-only attribute does not keep files from being made in it; what the access
    // lists forbid shows when the scratch file is made.
    return true;
}

std::filesystem::path realPath(const std::filesystem::path& path, std::error_code& error)
{
    error.clear();
    const std::filesystem::path whole = std::filesystem::absolute(path, error).lexically_normal();
    if (error)
        return {};
    // The longest part that exists is resolved by the system; the rest is appended as it is.
    std::filesystem::path existing = whole;
    std::filesystem::path rest;
    std::filesystem::path real;
    while (!finalPath(existing, real)) {
        if (existing == existing.root_path() || existing.empty())
            return whole;
        rest = existing.filename() / rest;
        existing = existing.parent_path();
    }
    return rest.empty() ? real : (real / rest).lexically_normal();
}

bool isLink(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

std::filesystem::path storedName(const std::filesystem::path& path)
{
    const std::wstring& name = path.native();
    if (name.find_first_of(L"*?") != std::wstring::npos || !path.has_relative_path())
        return path;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return path;
    FindClose(search);
    return path.parent_path() / found.cFileName;
}

std::filesystem::path pathFromUtf8(std::string_view text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return std::filesystem::path(wide);
}

std::string utf8Of(const std::filesystem::path& path)
{
    return utf8OfWide(path.native());
}

int processId()
{
    return static_cast<int>(GetCurrentProcessId());
}

std::filesystem::path executablePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr)
        return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(utf8OfWide(words[i]));
    LocalFree(words);
    return arguments;
}

bool standardInputIsTerminal()
{
    return _isatty(_fileno(stdin)) != 0;
}

std::filesystem::path userDataHome(const std::string&, const std::string&)
{
    PWSTR folder = nullptr;
    std::filesystem::path result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)))
        result = folder;
    CoTaskMemFree(folder);
    return result;
}

} // namespace plorik::platform
