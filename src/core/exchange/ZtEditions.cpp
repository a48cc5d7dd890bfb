#include "exchange/ZtEditions.h"

#include "text/LineReader.h"
#include "text/NumberRule.h"

#include <string_view>

namespace plorik {

namespace {

constexpr std::string_view kUsEdition = "X-Wing Alliance v2.02";
constexpr std::string_view kInternationalEdition = "X-Wing Alliance International v2.02";

void take(const std::string& line, std::string_view key, std::optional<std::int32_t>& value)
{
    if (!value && line.rfind(key, 0) == 0)
        value = readNumber(std::string_view(line).substr(key.size()));
}

} // namespace

std::optional<Xwa202Edition> xwa202Edition(const std::string& versionName)
{
    if (versionName == kUsEdition)
        return Xwa202Edition{false, std::string(kInternationalEdition)};
    if (versionName == kInternationalEdition)
        return Xwa202Edition{true, std::string(kUsEdition)};
    return std::nullopt;
}

EditionOffsets readEditionOffsets(const std::filesystem::path& dataFile, const std::string& name)
{
    LineReader data(dataFile);
    if (!data.findLine("[XVT VERSIONS]"))
        throw EditionLookupError("data.txt has no [XVT VERSIONS] section");
    const std::string entry = "Version = " + name;
    if (!data.findLine(entry))
        throw EditionLookupError("data.txt has no entry \"" + entry + "\" in [XVT VERSIONS]");
    // Only the entry's own lines count: a key it lacks must not be taken from the next entry.
    EditionOffsets offsets;
    while (!data.atEnd()) {
        const std::string line = data.readLine();
        if (!line.empty() && line.front() == '[')
            break;
        take(line, "WeaponOffset =", offsets.weaponOffset);
        take(line, "CraftOffset =", offsets.craftOffset);
        take(line, "Shiptypestart =", offsets.shipTypeStart);
    }
    return offsets;
}

} // namespace plorik
