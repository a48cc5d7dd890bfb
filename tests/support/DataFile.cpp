#include "GameBuilder.h"

namespace plorik::testing {

std::string shippedDataFile()
{
    return readFile(std::filesystem::path(PLORIK_DATA_DIR) / "data.txt");
}

std::string dataFileText(const std::vector<VersionEntry>& entries)
{
    const std::string shipped = shippedDataFile();
    std::string text = "[XVT VERSIONS]\r\n";
    for (const VersionEntry& entry : entries)
        text += entry.render() + "[END OF VERSION]\r\n";
    const std::size_t lookups = shipped.find("[TARGET TYPES]");
    if (lookups != std::string::npos)
        text += shipped.substr(lookups);
    return text;
}

} // namespace plorik::testing
