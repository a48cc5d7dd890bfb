#include "hooks/HookFiles.h"

#include "common/AsciiCase.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"
#include "io/Platform.h"

#include <algorithm>
#include <array>
#include <span>
#include <system_error>

namespace plorik {

namespace {

constexpr std::size_t kBlock = 64 * 1024;

bool isComment(std::string_view line)
{
    return line.front() == '#' || line.front() == ';' || line.starts_with("//");
}

bool isInside(const std::filesystem::path& path, const std::filesystem::path& folder)
{
    const auto [end, unused] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return end == folder.end();
}

// Splits a streamed file into lines at LF, keeping at most kMaxLine bytes of each.
class LineSplitter {
public:
    template <typename Visit> void feed(std::string_view bytes, Visit&& visit)
    {
        while (!bytes.empty()) {
            const std::size_t lf = bytes.find('\n');
            const std::string_view part = bytes.substr(0, lf);
            if (m_line.size() + part.size() <= HookFiles::kMaxLine)
                m_line.append(part);
            else
                m_overlong = true;
            if (lf == std::string_view::npos)
                return;
            visit(++m_number, m_line, m_overlong);
            m_line.clear();
            m_overlong = false;
            bytes.remove_prefix(lf + 1);
        }
    }
    template <typename Visit> void finish(Visit&& visit)
    {
        if (!m_line.empty() || m_overlong)
            visit(++m_number, m_line, m_overlong);
    }

private:
    std::string m_line;
    bool m_overlong = false;
    std::size_t m_number = 0;
};

} // namespace

HookFiles::HookFiles(std::string gameDir) : m_gameDir(std::move(gameDir))
{
    std::error_code error;
    m_folder = std::filesystem::weakly_canonical(resolveGamePath(m_gameDir), error);
}

void HookFiles::addProblem(const std::string& text)
{
    if (std::find(m_problems.begin(), m_problems.end(), text) == m_problems.end())
        m_problems.push_back(text);
}

bool HookFiles::mayExist(const std::string& name) const
{
    const std::size_t cut = name.find_last_of("\\/");
    const std::string folder = cut == std::string::npos ? std::string() : name.substr(0, cut);
    const std::string file = asciiLower(name.substr(cut == std::string::npos ? 0 : cut + 1));
    if (file.empty() || file == "." || file == ".." || folder.find("..") != std::string::npos)
        return true; // left to the whole lookup
    auto listing = m_listings.find(folder);
    if (listing == m_listings.end()) {
        std::optional<std::set<std::string>> names;
        const std::optional<std::filesystem::path> path = resolveInsideGameDir(m_gameDir, folder);
        std::error_code error;
        std::filesystem::directory_iterator entry(path ? *path : std::filesystem::path(), error);
        if (path && !error) {
            names.emplace();
            for (const std::filesystem::directory_iterator end; !error && entry != end; entry.increment(error))
                names->insert(asciiLower(platform::utf8Of(entry->path().filename())));
            if (error)
                names.reset();
        }
        listing = m_listings.emplace(folder, std::move(names)).first;
    }
    return !listing->second || listing->second->contains(file);
}

std::optional<std::filesystem::path> HookFiles::locate(const std::string& name)
{
    if (!mayExist(name))
        return std::nullopt;
    const std::optional<std::filesystem::path> path = resolveInsideGameDir(m_gameDir, name);
    if (!path) {
        addProblem(name + " lies outside the game folder; PLORIK did not read it.");
        return std::nullopt;
    }
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(*path, error)))
        return std::nullopt;
    const std::filesystem::path real = std::filesystem::weakly_canonical(*path, error);
    if (error || !isInside(real, m_folder)) {
        addProblem(name + " leads out of the game folder; PLORIK did not read it.");
        return std::nullopt;
    }
    return real;
}

bool HookFiles::exists(const std::string& name) const
{
    if (!mayExist(name))
        return false;
    const std::optional<std::filesystem::path> path = resolveInsideGameDir(m_gameDir, name);
    std::error_code error;
    return path && std::filesystem::is_regular_file(*path, error);
}

HookSection HookFiles::readWhole(const std::string& name)
{
    return read(name, {}, true);
}

HookSection HookFiles::readSection(const std::string& name, std::string_view section)
{
    return read(name, section, false);
}

HookSection HookFiles::read(const std::string& name, std::string_view section, bool whole)
{
    HookSection result{name, std::string(section), {}};
    const std::optional<std::filesystem::path> path = locate(name);
    if (!path)
        return result;
    try {
        const FileHandle file = FileHandle::openRegular(*path, FileHandle::Access::Read);
        const std::int64_t size = file.size();
        if (size > kMaxFile) {
            addProblem(name + " is larger than 64 MB; PLORIK did not read it.");
            return result;
        }
        bool collecting = whole;
        std::size_t kept = 0;
        bool full = false; // the section has reached kMaxSection: nothing more is kept
        bool sawLf = false;
        bool sawCr = false;
        const auto visit = [&](std::size_t number, const std::string& raw, bool overlong) {
            if (overlong) {
                addProblem(name + ", line " + std::to_string(number) + " is longer than " + std::to_string(kMaxLine) +
                           " characters; PLORIK did not read it.");
                return;
            }
            const std::string_view line = trimHookText(raw);
            if (line.empty() || isComment(line))
                return;
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
                collecting = equalNoCase(line.substr(1, line.size() - 2), section);
                return;
            }
            if (!collecting)
                return;
            if (full || kept + line.size() > kMaxSection) {
                if (!full)
                    addProblem(name + ", line " + std::to_string(number) + ": the section is longer than " +
                               std::to_string(kMaxSection) + " characters; PLORIK read only what came before.");
                full = true;
                return;
            }
            kept += line.size();
            result.lines.push_back({number, std::string(line)});
        };
        LineSplitter splitter;
        std::array<std::uint8_t, kBlock> block{};
        for (std::int64_t offset = 0; offset < size;) {
            const std::size_t count = file.readAt(offset, block);
            if (count == 0)
                break;
            const std::string_view bytes(reinterpret_cast<const char*>(block.data()), count);
            if (offset == 0 && bytes.starts_with("\xEF\xBB\xBF"))
                addProblem(name + " starts with a UTF-8 byte order mark; the hooks read it as part of the first "
                                  "line.");
            sawLf = sawLf || bytes.find('\n') != std::string_view::npos;
            sawCr = sawCr || bytes.find('\r') != std::string_view::npos;
            splitter.feed(bytes, visit);
            offset += static_cast<std::int64_t>(count);
        }
        splitter.finish(visit);
        if (sawCr && !sawLf)
            addProblem(name + " ends its lines with CR alone; the hooks read it as one line.");
    } catch (const std::exception& failure) {
        addProblem(failure.what());
        result.lines.clear();
    }
    return result;
}

} // namespace plorik
