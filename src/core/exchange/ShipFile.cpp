#include "exchange/ShipFile.h"

#include "text/LineBreaks.h"

#include <algorithm>

namespace plorik {

std::optional<ShipFileVersion> shipFileVersion(std::string_view line)
{
    static constexpr std::pair<std::string_view, ShipFileVersion> kVersions[] = {
        {"PLORIK craft file V1.0", ShipFileVersion::V10}, {"PLORIK craft file V1.3", ShipFileVersion::V13},
        {"PLORIK craft file V1.4", ShipFileVersion::V14}, {"PLORIK craft file V1.5", ShipFileVersion::V15},
        {"PLORIK craft file V1.6", ShipFileVersion::V16}, {"PLORIK craft file V1.7", ShipFileVersion::V17}};
    for (const auto& [text, version] : kVersions) {
        if (line == text)
            return version;
    }
    return std::nullopt;
}

std::string shipFileContent(std::int32_t slot, const ShipFileTexts& texts, std::span<const std::uint8_t> entry)
{
    std::string file;
    const auto line = [&file](std::string_view text) {
        file += foldLineBreaks(text);
        file += "\r\n";
    };
    line(kShipFileMarker);
    line("PLORIK craft file V1.7");
    // The slot byte may itself be a CR or an LF: it is written raw, not folded.
    file += static_cast<char>(static_cast<std::uint8_t>(slot));
    file += "\r\n";
    for (const std::string* text :
         {&texts.patchComment, &texts.optFile, &texts.pluralName, &texts.craftName, &texts.craftType,
          &texts.manufacturer, &texts.inUseBy, &texts.crew, &texts.description, &texts.versionName, &texts.shipType,
          &texts.craftId, &texts.flightMode, &texts.weaponSystem})
        line(*text);
    line(kShipFileBin);
    file.append(reinterpret_cast<const char*>(entry.data()), entry.size());
    return file;
}

std::optional<std::size_t> shipFileBinaryStart(std::string_view file)
{
    const std::size_t marker = file.size() > 1 ? file.find(kShipFileBin, 1) : std::string_view::npos;
    if (marker == std::string_view::npos || marker + kShipFileBin.size() >= file.size())
        return std::nullopt;
    return std::min(marker + kShipFileBin.size() + 2, file.size());
}

} // namespace plorik
