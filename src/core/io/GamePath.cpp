#include "io/GamePath.h"

#include "common/AsciiCase.h"
#include "io/Platform.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace plorik {

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

// `name` within `folder`, in the case the folder stores it. Windows finds a name in any case
// itself: there only the names a game file is given by (`lookUp`) are looked up, for the case they
// are stored in; the folder is taken as given.
std::filesystem::path findComponent(const std::filesystem::path& folder, const std::string& name, bool lookUp)
{
    const std::filesystem::path exact = folder / platform::pathFromUtf8(name);
    if (platform::isWindows())
        return lookUp ? platform::storedName(exact) : exact;
    std::error_code error;
    if (std::filesystem::exists(exact, error))
        return exact;
    const std::filesystem::path searchIn = folder.empty() ? std::filesystem::path(".") : folder;
    std::filesystem::directory_iterator it(searchIn, error);
    if (!error) {
        for (const auto& entry : it) {
            const std::filesystem::path candidate = entry.path().filename();
            if (equalsIgnoringCase(platform::utf8Of(candidate), name))
                return folder / candidate;
        }
    }
    return exact;
}

} // namespace

std::filesystem::path resolveGamePath(std::string_view dir, std::string_view name)
{
    std::string whole(dir);
    if (!whole.empty() && !name.empty() && !isSeparator(whole.back()))
        whole.push_back('/');
    whole.append(name);
    const std::size_t nameStart = whole.size() - name.size();

    std::filesystem::path result;
    std::size_t pos = 0;
    // A leading separator makes the path absolute; a drive ("C:") stays the first component.
    if (!whole.empty() && isSeparator(whole.front()))
        result = "/";
    std::vector<bool> fromName; // whether each part comes from `name`
    std::vector<std::string> parts;
    while (pos <= whole.size()) {
        std::size_t next = pos;
        while (next < whole.size() && !isSeparator(whole[next]))
            ++next;
        if (next > pos) {
            parts.emplace_back(whole.substr(pos, next - pos));
            fromName.push_back(pos >= nameStart);
        }
        pos = next + 1;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (part == "." || part == "..") {
            result /= part;
            continue;
        }
        // A drive is the root of what follows ("C:" alone would mean that drive's current folder on
        // Windows).
        if (result.empty() && part.size() == 2 && part[1] == ':') {
            result = part;
            result += std::filesystem::path::preferred_separator;
            continue;
        }
        result = findComponent(result, part, fromName[i]);
    }
    return result;
}

std::optional<std::filesystem::path> resolveInsideGameDir(std::string_view dir, std::string_view name)
{
    // ".." is taken back here, not by the file system, so that "link\..\x" cannot leave the folder
    // through a link either.
    std::vector<std::string_view> kept;
    std::size_t pos = 0;
    while (pos <= name.size()) {
        std::size_t next = pos;
        while (next < name.size() && !isSeparator(name[next]))
            ++next;
        const std::string_view part = name.substr(pos, next - pos);
        if (part == "..") {
            if (kept.empty())
                return std::nullopt;
            kept.pop_back();
        } else if (!part.empty() && part != ".") {
            kept.push_back(part);
        }
        pos = next + 1;
    }
    std::string relative;
    for (const std::string_view part : kept) {
        if (!relative.empty())
            relative.push_back('/');
        relative.append(part);
    }
    return resolveGamePath(dir, relative);
}

namespace {

// The common case, found without resolving whole paths (which Windows does slowly): `path` lies
// below `folder` by its names, without "." or "..", and passes through no link on the way down.
bool plainlyInside(const std::filesystem::path& path, const std::filesystem::path& folder)
{
    std::error_code error;
    const std::filesystem::path whole = std::filesystem::absolute(path, error);
    if (error)
        return false;
    const std::filesystem::path top = std::filesystem::absolute(folder, error).lexically_normal();
    if (error)
        return false;
    std::filesystem::path walked;
    auto name = whole.begin();
    for (const std::filesystem::path& part : top) {
        if (part.empty())
            continue; // the end of a folder named with a trailing separator
        if (name == whole.end() || *name != part)
            return false;
        walked /= *name++;
    }
    for (; name != whole.end(); ++name) {
        if (name->empty())
            continue;
        if (*name == "." || *name == "..")
            return false;
        walked /= *name;
        if (platform::isLink(walked))
            return false;
    }
    return true;
}

} // namespace

bool realPathInside(const std::filesystem::path& path, const std::filesystem::path& folder)
{
    if (plainlyInside(path, folder))
        return true;
    std::error_code error;
    const std::filesystem::path inside = platform::realPath(folder, error);
    if (error)
        return false;
    const std::filesystem::path real = platform::realPath(path, error);
    if (error)
        return false;
    const auto [end, unused] = std::mismatch(inside.begin(), inside.end(), real.begin(), real.end());
    return end == inside.end();
}

SplitPath splitChosenPath(std::string_view path)
{
    // The search starts at the second-last character, so a trailing separator is not taken.
    std::size_t cut = 0; // characters in the folder part; with no separator the first character
    if (path.size() >= 2) {
        for (std::size_t i = path.size() - 1; i-- > 0;) {
            if (isSeparator(path[i])) {
                cut = i + 1;
                break;
            }
        }
    }
    if (cut == 0)
        cut = std::min<std::size_t>(1, path.size());
    return {std::string(path.substr(0, cut)), std::string(path.substr(cut))};
}

} // namespace plorik
