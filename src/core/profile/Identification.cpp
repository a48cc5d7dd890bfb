#include "profile/Identification.h"

#include "common/Errors.h"
#include "io/BinaryFile.h"
#include "text/LineReader.h"
#include "text/NumberRule.h"

namespace plorik {

namespace {

constexpr std::string_view kVersionsHeader = "[XVT VERSIONS]";
constexpr std::string_view kVersionPrefix = "Version = ";
constexpr std::size_t kVersionNameLength = 40;
constexpr std::size_t kOffsetLabelLength = 15;
constexpr std::size_t kSignatureLabelLength = 16;
constexpr std::size_t kValueTextLength = 30;

std::string from(const std::string& line, std::size_t start)
{
    return start < line.size() ? line.substr(start) : std::string();
}

bool signatureMatches(const std::filesystem::path& executable, std::int64_t offset, const std::string& signature)
{
    // Only read: a write-protected executable is shown and backed up; its writers say why they cannot.
    const BinaryFile exe(executable, BinaryFile::Mode::Read);
    if (offset >= exe.size())
        return false;
    const std::vector<std::uint8_t> bytes = exe.readExactlyAt(offset, signature.size());
    bool match = true;
    for (std::size_t i = 0; i < signature.size(); ++i)
        match = match && bytes[i] == static_cast<std::uint8_t>(signature[i]);
    return match;
}

std::string capitalised(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

void applyKeyLine(const std::string& line, ProfileLoad& load)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return;
    const std::string key = capitalised(line.substr(0, equals + 1));
    const std::string valueText = line.substr(equals + 1, kValueTextLength);
    if (const auto numeric = keyByLineName(key)) {
        std::int64_t value = readWideNumber(valueText);
        if (value == -1)
            value = kAbsent;
        load.profile.set(*numeric, value);
        if (*numeric == Key::XwaType)
            load.hasXwaTypeKey = true;
    } else if (const auto unknown = unknownKeyByLineName(key)) {
        load.profile.setUnknownText(unknown->row, unknown->column, valueText);
    }
}

} // namespace

Identification identifyVersion(const std::filesystem::path& dataFile, const std::filesystem::path& executable)
{
    Identification result;
    LineReader data(dataFile);
    if (!data.findLine(kVersionsHeader)) {
        result.outcome = Identification::Outcome::MissingSection;
        return result;
    }
    while (true) {
        if (!data.findLine(kVersionPrefix))
            return result; // no entry matched
        result.versionName = from(data.lastLine(), kVersionPrefix.size()).substr(0, kVersionNameLength);
        const std::int32_t offset = readNumber(from(data.readLine(), kOffsetLabelLength));
        const std::string signature = from(data.readLine(), kSignatureLabelLength);
        if (signatureMatches(executable, offset, signature)) {
            result.outcome = Identification::Outcome::Matched;
            return result;
        }
        if (data.atEnd())
            return result;
    }
}

ProfileLoad loadProfile(const std::filesystem::path& dataFile, const std::string& versionName)
{
    ProfileLoad load;
    LineReader data(dataFile);
    if (!data.findLine(std::string(kVersionPrefix) + versionName))
        return load;
    load.outcome = ProfileLoad::Outcome::Loaded;
    while (!data.atEnd()) {
        const std::string line = data.readLine();
        if (!line.empty() && line.front() == '[')
            break;
        applyKeyLine(line, load);
    }
    return load;
}

} // namespace plorik
