#include "cockpit/IntFile.h"

#include "io/BinaryFile.h"

namespace plorik {

namespace {

constexpr std::int64_t kRecordPair = 36;
constexpr std::int64_t kValueAfterName = 18;
constexpr std::size_t kUnusedPair = 18; // the pair at 648 and 666

std::uint16_t wordAt(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

} // namespace

std::int64_t imageRecordOffset(std::size_t record)
{
    const auto pair = static_cast<std::int64_t>(record < kUnusedPair ? record : record + 1);
    return pair * kRecordPair;
}

std::string shownImageName(std::uint8_t code, const std::uint8_t* name)
{
    if (code == 1) {
        std::string text;
        for (std::size_t i = 0; i < kImageNameLength && name[i] != 0; ++i)
            text.push_back(static_cast<char>(name[i]));
        return text;
    }
    if (code == 145)
        return "Standard";
    if ((code >= 193 && code <= 195) || (code >= 201 && code <= 203))
        return "ImpMirror";
    if ((code >= 197 && code <= 199) || (code >= 205 && code <= 207))
        return "RebMirror";
    return "";
}

bool isImageCodeWord(std::string_view text)
{
    return text.empty() || text == "ImpMirror" || text == "RebMirror" || text == "Standard";
}

CockpitImages readCockpitImages(const std::filesystem::path& file, std::optional<std::int64_t> panelOffset)
{
    const BinaryFile in(file, BinaryFile::Mode::Read);
    const std::int64_t end = imageRecordOffset(kImageRecordCount - 1) + kValueAfterName + 2;
    const std::vector<std::uint8_t> records = in.readExactlyAt(0, static_cast<std::size_t>(end));
    CockpitImages images;
    for (std::size_t record = 0; record < kImageRecordCount; ++record) {
        const auto at = static_cast<std::size_t>(imageRecordOffset(record));
        images.names[record] = shownImageName(records[at], &records[at + 1]);
        images.values[record] = wordAt(records, at + kValueAfterName);
    }
    if (panelOffset) {
        std::vector<std::uint8_t> panel = in.readExactlyAt(*panelOffset, kImageNameLength);
        panel.push_back(0);
        images.panel = std::string(reinterpret_cast<const char*>(panel.data()));
    }
    return images;
}

PartValues readPartValues(const std::filesystem::path& file, const CockpitPart& part)
{
    const BinaryFile in(file, BinaryFile::Mode::Read);
    const bool withVariable = part.variable != PartVariable::None;
    const std::vector<std::uint8_t> record = in.readExactlyAt(part.offset, withVariable ? 8 : 4);
    PartValues values{wordAt(record, 0), wordAt(record, 2), std::nullopt};
    if (withVariable)
        values.variable = wordAt(record, 6);
    return values;
}

std::vector<std::uint8_t> imageNameBytes(const std::string& text)
{
    std::vector<std::uint8_t> bytes;
    if (!isImageCodeWord(text))
        bytes.assign(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

} // namespace plorik
