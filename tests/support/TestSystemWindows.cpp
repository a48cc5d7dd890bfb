#include "TestSystem.h"

#include <windows.h>

#include <psapi.h>

namespace plorik::testing {

namespace {

// One argument as the C runtime's command-line parser reads it back.
std::wstring quoted(const std::wstring& word)
{
    if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return word;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, L'\\');
    out.push_back(L'"');
    return out;
}

std::wstring wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
    return out;
}

HANDLE inheritable(const std::filesystem::path& path, DWORD access, DWORD creation)
{
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &security,
                       creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

int runCapturing(const std::string& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& folder, const std::filesystem::path& out,
                 const std::filesystem::path& err)
{
    std::wstring line = quoted(wide(program));
    for (const std::string& argument : arguments)
        line += L" " + quoted(wide(argument));
    const HANDLE input = inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
    const HANDLE output = inheritable(out, GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE errors = inheritable(err, GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = errors;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    CloseHandle(input);
    CloseHandle(output);
    CloseHandle(errors);
    if (!started)
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

bool makeFifo(const std::filesystem::path&)
{
    return false;
}

bool systemHasFifos()
{
    return false;
}

bool linksCanBeMade()
{
    static const bool allowed = [] {
        wchar_t folder[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
        if (length == 0 || length > MAX_PATH)
            return false;
        const std::filesystem::path link =
            std::filesystem::path(folder) / ("plorik-link-probe-" + std::to_string(GetCurrentProcessId()));
        std::error_code error;
        std::filesystem::create_symlink(folder, link, error);
        if (error)
            return false;
        std::filesystem::remove(link, error);
        return true;
    }();
    return allowed;
}

std::int64_t peakMemoryKilobytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)))
        return 0;
    return static_cast<std::int64_t>(counters.PeakWorkingSetSize / 1024);
}

bool FileSizeLimit::available()
{
    return false;
}

FileSizeLimit::FileSizeLimit(std::uint64_t limit) : m_old(limit)
{
}

FileSizeLimit::~FileSizeLimit() = default;

} // namespace plorik::testing
