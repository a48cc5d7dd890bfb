#pragma once

#include "cockpit/CockpitParts.h"
#include "io/FilePatch.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace plorik {

// The parts of a cockpit (INT) file that the cockpit editor reads and writes. Each image name
// record is 18 bytes: a code byte, then for code 1 the image name in up to 8 characters (ended
// early by a 0 byte). The record 18 bytes after it starts with a 16-bit value.
inline constexpr std::size_t kImageRecordCount = 21;
inline constexpr std::size_t kImageNameLength = 8;

// The file offset of name record `record` (0 to 20): the records lie 36 bytes apart, and the pair
// at 648 is not one of them.
std::int64_t imageRecordOffset(std::size_t record);

// What a name box shows for a record's code byte and the 8 name bytes after it.
std::string shownImageName(std::uint8_t code, const std::uint8_t* name);
// The texts a name box shows for a code byte rather than a name ("" included): saving one of them
// leaves the record's name as it is, apart from the 0 byte that ends it.
bool isImageCodeWord(std::string_view text);

struct CockpitImages {
    std::array<std::string, kImageRecordCount> names;
    std::array<std::uint16_t, kImageRecordCount> values{};
    std::optional<std::string> panel; // read when the version gives the panel's offset
};
// Throws FileError when the file cannot be read or ends before a record it holds.
CockpitImages readCockpitImages(const std::filesystem::path& file, std::optional<std::int64_t> panelOffset);

struct PartValues {
    std::uint16_t x = 0;
    std::uint16_t y = 0;
    std::optional<std::uint16_t> variable; // for parts with a variable
};
PartValues readPartValues(const std::filesystem::path& file, const CockpitPart& part);

// The bytes "Save CP" puts at a name record + 1 (or at the panel's offset) for a box's text: the
// text and a 0 byte, or only the 0 byte for a code word.
std::vector<std::uint8_t> imageNameBytes(const std::string& text);

} // namespace plorik
