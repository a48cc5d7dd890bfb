#pragma once

#include "common/Errors.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// The vocabularies of data.txt that turn codes of a craft entry into words.
namespace section {
inline constexpr std::string_view kTargetTypes = "[TARGET TYPES]";
inline constexpr std::string_view kGunConvergence = "[GUN CONVERGENCE]";
inline constexpr std::string_view kWeaponTypes = "[WEAPON TYPES]";
inline constexpr std::string_view kXwaWeaponTypes = "[XWA WEAPON TYPES]";
inline constexpr std::string_view kWeaponNames = "[WEAPON NAMES]";
inline constexpr std::string_view kXwaWeaponNames = "[XWA WEAPON NAMES]";
inline constexpr std::string_view kWeaponCategories = "[WEAPON CATEGORIES]";
} // namespace section

// The message shown when a section's header is missing ("Missing [GUN CONVERGENCE] section in
// DATA.TXT").
std::string missingSectionText(std::string_view header);

// A section of data.txt that the program cannot do without is missing: the program ends.
class MissingSectionError : public PlorikError {
public:
    explicit MissingSectionError(std::string_view header) : PlorikError(missingSectionText(header)), m_header(header) {}
    const std::string& header() const { return m_header; }

private:
    std::string m_header;
};

// While one lives, the lookups below read its data file once, on the first lookup, and share that
// reading: one display of a slot makes several. Scoped to the thread that makes it.
class DataFileReading {
public:
    explicit DataFileReading(std::filesystem::path dataFile);
    ~DataFileReading();
    DataFileReading(const DataFileReading&) = delete;
    DataFileReading& operator=(const DataFileReading&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Throws FileError when the file cannot be read.
    const std::string& text();

private:
    std::filesystem::path m_path;
    std::optional<std::string> m_text;
    DataFileReading* m_outer;
};

struct SectionList {
    bool found = false; // the header was there (with lines after it)
    std::vector<std::string> items;
};

// A list that ends at the next line starting with "[" or at the end of the file. With `bootRule`,
// lines ending in "boot" are left out of the list (they still count for the look-ups).
SectionList readBracketList(const std::filesystem::path& dataFile, std::string_view header, bool bootRule);

// A list that ends at a line that is exactly "[END]"; the first line after the header is always
// taken, and without an "[END]" the file's last line is not.
SectionList readEndList(const std::filesystem::path& dataFile, std::string_view header);

struct Lookup {
    bool sectionFound = false;
    std::optional<std::string> line; // the whole matching line
};

// Gun convergence: the first line whose leading number is `code`, before the next "[" line.
Lookup lookupGunConvergence(const std::filesystem::path& dataFile, std::int32_t code);
// X-Wing Alliance weapon types: as above, but the scan reads on through later sections.
Lookup lookupXwaWeaponType(const std::filesystem::path& dataFile, std::int32_t code);
// X-Wing vs. TIE Fighter weapon types: the line at position `code` after the header.
Lookup lookupXvtWeaponType(const std::filesystem::path& dataFile, std::int32_t code);

} // namespace plorik
