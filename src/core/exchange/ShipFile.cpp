#include "exchange/ShipFile.h"

#include "text/LineBreaks.h"
#include "text/LineReader.h"

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

std::int64_t shipFileSizeLimit(std::int32_t entryLength)
{
    return kShipFileTextLimit + entryLength;
}

bool shipFileLineEndsChanged(std::string_view file, ShipFileVersion version)
{
    LineReader text = LineReader::fromText(std::string(file));
    const auto changed = [&text] {
        const std::string_view raw = text.lastRawLine();
        const bool ended = !raw.empty() && (raw.back() == '\n' || raw.back() == '\r');
        return ended && !raw.ends_with("\r\n");
    };
    while (!text.atEnd()) {
        if (text.readLine() == kShipFileMarker)
            break;
    }
    if (text.atEnd())
        return false;
    // The marker line and the version line; then the slot line, one raw byte (a CR or an LF too)
    // and its line end, and lines 4 to 13, 14 (V1.6) or 17 (V1.7).
    if (changed())
        return true;
    text.readLine();
    if (changed())
        return true;
    text.readChar();
    const int lines = version == ShipFileVersion::V17 ? 15 : version == ShipFileVersion::V16 ? 12 : 11;
    for (int line = 0; line < lines && !text.atEnd(); ++line) {
        text.readLine();
        if (changed())
            return true;
    }
    return false;
}

std::optional<std::size_t> shipFileBinaryStart(std::string_view file)
{
    const std::size_t marker = file.size() > 1 ? file.find(kShipFileBin, 1) : std::string_view::npos;
    if (marker == std::string_view::npos || marker + kShipFileBin.size() >= file.size())
        return std::nullopt;
    return std::min(marker + kShipFileBin.size() + 2, file.size());
}

} // namespace plorik
