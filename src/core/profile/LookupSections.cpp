#include "profile/LookupSections.h"

#include "io/FileHandle.h"
#include "text/LineReader.h"
#include "text/NumberRule.h"

namespace plorik {

namespace {

// The reading of data.txt that lookups on this thread share, while one lives.
thread_local DataFileReading* t_reading = nullptr;

LineReader dataReader(const std::filesystem::path& dataFile)
{
    if (t_reading && t_reading->path() == dataFile)
        return LineReader::fromText(t_reading->text());
    return LineReader(dataFile);
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

DataFileReading::DataFileReading(std::filesystem::path dataFile) : m_path(std::move(dataFile)), m_outer(t_reading)
{
    t_reading = this;
}

DataFileReading::~DataFileReading()
{
    t_reading = m_outer;
}

const std::string& DataFileReading::text()
{
    if (!m_text)
        m_text = FileHandle::openRegular(m_path, FileHandle::Access::Read).readAll();
    return *m_text;
}

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
