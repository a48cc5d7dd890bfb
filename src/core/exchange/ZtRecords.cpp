#include "exchange/ZtRecords.h"

#include "common/Errors.h"

#include <cstring>
#include <limits>

namespace plorik {

namespace {

void putLittleEndian(std::string& bytes, std::uint64_t value, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A comment as the files carry it: up to its first character 0.
std::string_view commentText(std::string_view comment)
{
    return comment.substr(0, comment.find('\0'));
}

// The first position from `from` up to `to` at which the two differ, or `to`.
std::size_t firstDifference(std::string_view a, std::string_view b, std::size_t from, std::size_t to)
{
    constexpr std::size_t kStride = 16;
    while (from + kStride <= to && std::memcmp(a.data() + from, b.data() + from, kStride) == 0)
        from += kStride;
    while (from < to && a[from] == b[from])
        ++from;
    return from;
}

std::string maskOf(bool xwa)
{
    std::string mask = xwa ? "Xwingal*.exe" : "Z_xvt__.exe";
    mask.resize(ZtPackage::kCountAt, '\0');
    return mask;
}

} // namespace

ZtPackage::ZtPackage(bool xwa) : m_bytes(maskOf(xwa))
{
    putLittleEndian(m_bytes, 0, 2);
}

void ZtPackage::addRecord(std::int64_t offset, std::string_view run)
{
    if (offset < 0 || offset > std::numeric_limits<std::uint32_t>::max())
        throw RangeError("Range check error: the ZT record offset " + std::to_string(offset) +
                         " does not fit its 4 bytes.");
    putLittleEndian(m_bytes, static_cast<std::uint64_t>(offset), 4);
    putLittleEndian(m_bytes, run.size(), 1);
    m_bytes.append(run);
    ++m_records;
}

void ZtPackage::compare(std::string_view current, std::string_view kept, std::int64_t blockStart, std::int64_t shift,
                        const Progress& progress)
{
    constexpr std::size_t kReportEvery = 1000;
    const std::size_t size = kept.size();
    if (current.size() < size)
        throw PlorikError("The executable's block is shorter than the image's copy of it.");
    const auto report = [&](std::size_t position) {
        if (progress)
            progress(static_cast<std::int64_t>(position), static_cast<std::int64_t>(size));
    };
    std::size_t at = 0;
    while (at < size) {
        const std::size_t nextReport = (at / kReportEvery + 1) * kReportEvery;
        const std::size_t stop = std::min(size, nextReport);
        at = firstDifference(current, kept, at, stop);
        if (at == stop) {
            if (at == nextReport)
                report(at);
            continue;
        }
        std::size_t end = at + 1;
        while (end < size && end - at < kLongestRun && current[end] != kept[end])
            ++end;
        addRecord(shift + blockStart + static_cast<std::int64_t>(at) + 1, current.substr(at, end - at));
        for (std::size_t position = (at / kReportEvery + 1) * kReportEvery; position <= end; position += kReportEvery)
            report(position);
        at = end;
    }
}

void ZtPackage::addComment(std::string_view comment)
{
    m_bytes.append(commentText(comment));
}

std::string ZtPackage::content() const
{
    if (m_records > std::numeric_limits<std::uint16_t>::max())
        throw RangeError("The ZT package would hold " + std::to_string(m_records) +
                         " records, more than the 65535 its count can give. Make packages of fewer changes.");
    std::string file = m_bytes;
    file[kCountAt] = static_cast<char>(m_records & 0xFF);
    file[kCountAt + 1] = static_cast<char>((m_records >> 8) & 0xFF);
    return file;
}

std::string singleSlotZt(const VersionProfile& profile, const BinaryFile& exe, std::int32_t slot,
                         std::string_view comment)
{
    const std::int64_t index = slot - 1;
    const std::int64_t entryLength = profile.entryLength();
    const std::int64_t shipTypeLength =
        profile.absent(Key::ShipTypeStart) ? 0 : std::int64_t{profile.held(Key::ShipTypeLen)};
    std::string file = "Z_TIE__.EXE";
    file.append(2, '\0');
    putLittleEndian(file, static_cast<std::uint64_t>(entryLength + shipTypeLength), 2);
    const auto addBytes = [&](std::int64_t offset, std::int64_t length) {
        const std::vector<std::uint8_t> bytes = exe.readExactlyAt(offset, static_cast<std::size_t>(length));
        for (std::int64_t k = 0; k < length; ++k) {
            putLittleEndian(file, static_cast<std::uint64_t>(offset + k) & 0xFFFFFF, 4);
            file.push_back(1);
            file.push_back(static_cast<char>(bytes[static_cast<std::size_t>(k)]));
        }
    };
    addBytes(profile.held(Key::CraftOffset) + index * entryLength, entryLength);
    if (shipTypeLength > 0)
        addBytes(profile.held(Key::ShipTypeStart) - 3 + index * shipTypeLength, shipTypeLength);
    file.append(commentText(comment));
    return file;
}

} // namespace plorik
