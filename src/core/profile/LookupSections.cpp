#include "profile/LookupSections.h"

#include "io/FileHandle.h"
#include "text/LineReader.h"
#include "text/NumberRule.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <system_error>

namespace plorik {

namespace {

// A slot's display looks up several weapons and its gun convergence in data.txt: the file is read
// again only when its size or time of change differs from the last reading's.
LineReader dataReader(const std::filesystem::path& dataFile)
{
    struct Read {
        std::filesystem::path path;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type changed;
        std::shared_ptr<const std::string> text;
    };
    static std::mutex guard;
    static Read last;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(dataFile, error);
    const std::filesystem::file_time_type changed =
        error ? std::filesystem::file_time_type() : std::filesystem::last_write_time(dataFile, error);
    std::shared_ptr<const std::string> text;
    {
        const std::lock_guard lock(guard);
        if (!error && last.text && last.path == dataFile && last.size == size && last.changed == changed)
            text = last.text;
    }
    if (!text) {
        text =
            std::make_shared<const std::string>(FileHandle::openRegular(dataFile, FileHandle::Access::Read).readAll());
        if (!error && text->size() == size) {
            const std::lock_guard lock(guard);
            last = {dataFile, size, changed, text};
        }
    }
    return LineReader::fromText(*text);
}

bool startsWithBracket(const std::string& line)
{
    return !line.empty() && line.front() == '[';
}

bool endsWithBoot(const std::string& line)
{
    return line.size() >= 4 && line.compare(line.size() - 4, 4, "boot") == 0;
}

Lookup lookupByCode(const std::filesystem::path& dataFile, std::string_view header, std::int32_t code,
                    bool stopAtBracket)
{
    Lookup result;
    LineReader data = dataReader(dataFile);
    if (!data.findLine(header))
        return result;
    result.sectionFound = true;
    while (!data.atEnd()) {
        const std::string line = data.readLine();
        if (readLeadingNumber(line) == code) {
            // A match on the file's last line or on a "[" line counts as not found.
            if (!data.atEnd() && !(stopAtBracket && startsWithBracket(line)))
                result.line = line;
            return result;
        }
        if (stopAtBracket && startsWithBracket(line))
            return result;
    }
    return result;
}

} // namespace

std::string missingSectionText(std::string_view header)
{
    return "Missing " + std::string(header) + " section in DATA.TXT";
}

SectionList readBracketList(const std::filesystem::path& dataFile, std::string_view header, bool bootRule)
{
    SectionList list;
    LineReader data = dataReader(dataFile);
    if (!data.findLine(header))
        return list;
    list.found = true;
    while (!data.atEnd()) {
        const std::string line = data.readLine();
        if (startsWithBracket(line))
            break;
        if (bootRule && endsWithBoot(line))
            continue;
        list.items.push_back(line);
    }
    return list;
}

SectionList readEndList(const std::filesystem::path& dataFile, std::string_view header)
{
    SectionList list;
    LineReader data = dataReader(dataFile);
    list.found = data.findLine(header);
    // Whatever follows is taken, even when the header is missing (then the file has ended).
    list.items.push_back(data.readLine());
    while (true) {
        const std::string line = data.readLine();
        if (line == "[END]" || data.atEnd())
            break;
        list.items.push_back(line);
    }
    return list;
}

Lookup lookupGunConvergence(const std::filesystem::path& dataFile, std::int32_t code)
{
    return lookupByCode(dataFile, section::kGunConvergence, code, true);
}

Lookup lookupXwaWeaponType(const std::filesystem::path& dataFile, std::int32_t code)
{
    return lookupByCode(dataFile, section::kXwaWeaponTypes, code, false);
}

Lookup lookupXvtWeaponType(const std::filesystem::path& dataFile, std::int32_t code)
{
    Lookup result;
    LineReader data = dataReader(dataFile);
    if (!data.findLine(section::kWeaponTypes))
        return result;
    result.sectionFound = true;
    std::string line;
    for (std::int32_t read = 0; read <= code; ++read)
        line = data.readLine();
    result.line = line;
    return result;
}

} // namespace plorik
