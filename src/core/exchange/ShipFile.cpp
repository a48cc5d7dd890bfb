#include "exchange/ShipFile.h"

#include "craft/SlotBuffer.h"
#include "io/FileHandle.h"
#include "text/LineBreaks.h"
#include "text/LineReader.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace plorik {

namespace {

constexpr int kFirstTextLine = 4;

// Lines 4 to 17 in file order: the writer writes them in this order and the reader reads them so.
constexpr std::string ShipFileTexts::*kTextLines[] = {
    &ShipFileTexts::patchComment, &ShipFileTexts::optFile,      &ShipFileTexts::pluralName, &ShipFileTexts::craftName,
    &ShipFileTexts::craftType,    &ShipFileTexts::manufacturer, &ShipFileTexts::inUseBy,    &ShipFileTexts::crew,
    &ShipFileTexts::description,  &ShipFileTexts::versionName,  &ShipFileTexts::shipType,   &ShipFileTexts::craftId,
    &ShipFileTexts::flightMode,   &ShipFileTexts::weaponSystem};

// The newest version, the one the program writes.
constexpr const ShipFileVersion& kWrittenVersion = kShipFileVersions[std::size(kShipFileVersions) - 1];
static_assert(kWrittenVersion.lastTextLine == kFirstTextLine + std::ssize(kTextLines) - 1);

ShipFileReading refused(std::string_view message)
{
    return {std::nullopt, std::string(message)};
}

// A line that ends with an LF or a CR alone: the file was copied as text. A last line that the
// file cuts short has no end to judge.
bool lineEndChanged(std::string_view raw)
{
    const bool ended = !raw.empty() && (raw.back() == '\n' || raw.back() == '\r');
    return ended && !raw.ends_with("\r\n");
}

// After the first "[Bin]" found from offset 1 on and the two bytes of its line end; nullopt when
// there is no marker or nothing after it.
std::optional<std::size_t> binaryStart(std::string_view file)
{
    const std::size_t marker = file.size() > 1 ? file.find(kShipFileBin, 1) : std::string_view::npos;
    if (marker == std::string_view::npos || marker + kShipFileBin.size() >= file.size())
        return std::nullopt;
    return std::min(marker + kShipFileBin.size() + 2, file.size());
}

} // namespace

std::string shipFileContent(std::int32_t slot, const ShipFileTexts& texts, std::span<const std::uint8_t> entry)
{
    std::string file;
    const auto line = [&file](std::string_view text) {
        file += foldLineBreaks(text);
        file += "\r\n";
    };
    line(kShipFileMarker);
    line(kWrittenVersion.line);
    // The slot byte may itself be a CR or an LF: it is written raw, not folded.
    file += static_cast<char>(static_cast<std::uint8_t>(slot));
    file += "\r\n";
    for (const auto member : kTextLines)
        line(texts.*member);
    line(kShipFileBin);
    file.append(reinterpret_cast<const char*>(entry.data()), entry.size());
    return file;
}

ShipFileReading readShipFile(std::string_view bytes, std::int32_t entryLength)
{
    LineReader text = LineReader::fromText(std::string(bytes));
    // Lines before the first one that is exactly the marker line are skipped.
    bool marked = false;
    while (!marked && !text.atEnd())
        marked = text.readLine() == kShipFileMarker;
    if (!marked || text.atEnd())
        return refused("Bad SHP file format!");
    bool changed = lineEndChanged(text.lastRawLine());
    const std::string versionLine = text.readLine();
    const auto* version = std::ranges::find(kShipFileVersions, versionLine, &ShipFileVersion::line);
    if (version == std::end(kShipFileVersions))
        return refused("SHP file version not supported!");
    changed |= lineEndChanged(text.lastRawLine());

    ShipFile file{*version};
    // Line 3 is one raw byte (a CR or an LF too, for slots 13 and 10) and its line end.
    file.slot = static_cast<std::uint8_t>(text.readChar());
    text.readLine();
    changed |= lineEndChanged(text.lastRawLine());
    for (int line = kFirstTextLine; line <= version->lastTextLine; ++line) {
        file.texts.*kTextLines[line - kFirstTextLine] = text.readLine();
        changed |= lineEndChanged(text.lastRawLine());
    }
    if (changed)
        return refused("This SHP file's line ends were changed (it was copied as text); its ship data is damaged. "
                       "Nothing was loaded.");

    const std::optional<std::size_t> start = version->binaryAfterMarker ? binaryStart(bytes) : std::size_t{0};
    if (!start) {
        file.binaryRefusal = "Missing Bin section!";
        return {std::move(file), {}};
    }
    file.binary = bytes.substr(*start);
    // From V1.4 on the binary part is the craft entry alone: longer, it is another game's (or a
    // damaged) entry. A V1.0 or V1.3 file goes into the slot buffer whole.
    const std::string length = std::to_string(file.binary.size());
    if (version->binaryAfterMarker && std::cmp_greater(file.binary.size(), entryLength))
        file.binaryRefusal = "The ship data in this SHP file is " + length +
                             " bytes long; a craft entry of this game holds " + std::to_string(entryLength) +
                             " bytes. Nothing was loaded.";
    else if (file.binary.size() > SlotBuffer::kSize)
        file.binaryRefusal = "This SHP file is " + length +
                             " bytes long; a file of its version is read whole into the slot, which holds at most " +
                             std::to_string(SlotBuffer::kSize) + " bytes. Nothing was loaded.";
    return {std::move(file), {}};
}

ShipFileReading readShipFileFrom(const std::filesystem::path& path, std::int32_t entryLength)
{
    // No more than the largest ship file of this game is ever held in memory.
    const FileHandle handle = FileHandle::openRegular(path, FileHandle::Access::Read);
    const std::int64_t limit = kShipFileTextLimit + entryLength;
    std::string file(static_cast<std::size_t>(std::min(handle.size(), limit + 1)), '\0');
    file.resize(handle.readAt(0, std::span(reinterpret_cast<std::uint8_t*>(file.data()), file.size())));
    if (std::ssize(file) > limit)
        return refused("This SHP file is " + std::to_string(handle.size()) +
                       " bytes long, longer than any ship file of this game (at most " + std::to_string(limit) +
                       " bytes). Nothing was loaded.");
    return readShipFile(file, entryLength);
}

} // namespace plorik
