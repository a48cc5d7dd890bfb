#pragma once

#include "io/BinaryFile.h"
#include "profile/VersionProfile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace plorik {

// ZT patch files carry byte patches for another copy of the game. A record is a 4-byte executable
// offset, a 1-byte length L and L data bytes; numbers are little-endian.

// A ZT package: the target mask ("Xwingal*.exe" for X-Wing Alliance, else "Z_xvt__.exe", filled with
// bytes 0 to 14), the record count (2 bytes), the records, and the comment.
class ZtPackage {
public:
    static constexpr std::size_t kLongestRun = 99;
    static constexpr std::size_t kCountAt = 14;

    explicit ZtPackage(bool xwa);

    // Told the image's position after every thousandth byte compared, and the image block's size.
    using Progress = std::function<void(std::int64_t position, std::int64_t size)>;

    // Adds a record for every run of bytes in which `current` (the executable from `blockStart`)
    // differs from `kept` (the image's copy of the block, which decides the length), at most 99 bytes
    // to a record; a longer run goes on in the next record. A record's offset is the position just
    // past the run's first byte, plus `shift`. Throws RangeError for an offset beyond 32 bits.
    void compare(std::string_view current, std::string_view kept, std::int64_t blockStart, std::int64_t shift,
                 const Progress& progress);
    // Appends the comment up to its first character 0.
    void addComment(std::string_view comment);

    std::size_t records() const { return m_records; }
    // The whole file. Throws RangeError when there are more records than the count can hold.
    std::string content() const;

private:
    void addRecord(std::int64_t offset, std::string_view run);
    std::string m_bytes;
    std::size_t m_records = 0;
};

// A single-slot ZT file: "Z_TIE__.EXE" and two bytes 0, the record count (2 bytes), one record of one
// byte for each byte of slot `slot`'s craft entry and then of its ship type entry as the executable
// holds them (offsets keep their three low bytes, the fourth is 0), and the whole comment up to its
// first character 0, as in a package. A version without a ship type block has the craft entry
// records only. Throws FileError when the executable does not hold both entries.
std::string singleSlotZt(const VersionProfile& profile, const BinaryFile& exe, std::int32_t slot,
                         std::string_view comment);

} // namespace plorik
