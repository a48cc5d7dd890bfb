#include "history/HistoryRecord.h"

#include "common/Errors.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>

namespace plorik {

namespace {

constexpr std::string_view kMagic = "PLORIKHR";

class Writer {
public:
    void number(std::uint64_t value, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            m_bytes.push_back(static_cast<char>(value >> (8 * i)));
    }
    void text(std::string_view value)
    {
        number(value.size(), 4);
        m_bytes.append(value);
    }
    void bytes(const std::vector<std::uint8_t>& value)
    {
        number(value.size(), 4);
        m_bytes.append(value.begin(), value.end());
    }
    std::string take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

class Reader {
public:
    Reader(std::string_view bytes, const std::string& file) : m_bytes(bytes), m_file(file) {}

    std::uint64_t number(std::size_t width)
    {
        need(width);
        std::uint64_t value = 0;
        for (std::size_t i = width; i-- > 0;)
            value = (value << 8) | static_cast<std::uint8_t>(m_bytes[m_at + i]);
        m_at += width;
        return value;
    }
    std::string text()
    {
        const auto length = static_cast<std::size_t>(number(4));
        need(length);
        std::string value(m_bytes.substr(m_at, length));
        m_at += length;
        return value;
    }
    std::vector<std::uint8_t> bytes()
    {
        const std::string value = text();
        return {value.begin(), value.end()};
    }
    bool atEnd() const { return m_at == m_bytes.size(); }
    std::size_t left() const { return m_bytes.size() - m_at; }
    // The next `count` bytes, passed over.
    std::string_view take(std::size_t count)
    {
        need(count);
        const std::string_view part = m_bytes.substr(m_at, count);
        m_at += count;
        return part;
    }
    [[noreturn]] void damaged() const
    {
        throw PlorikError("The history record " + m_file + " is damaged or of an unknown format.");
    }

private:
    void need(std::size_t count) const
    {
        if (count > m_bytes.size() - m_at)
            damaged();
    }
    std::string_view m_bytes;
    std::size_t m_at = 0;
    const std::string& m_file;
};

void encodeChanges(Writer& out, const std::vector<RecordedChange>& changes)
{
    out.number(changes.size(), 4);
    for (const RecordedChange& change : changes) {
        out.number(static_cast<std::uint8_t>(change.kind), 1);
        out.text(change.name);
        out.text(change.what);
        if (change.kind == RecordedChange::Kind::Region) {
            out.number(static_cast<std::uint64_t>(change.offset), 8);
            out.bytes(change.oldBytes);
            out.bytes(change.newBytes);
        } else {
            out.number(change.existed ? 1 : 0, 1);
            out.number(change.oldSize, 8);
            out.number(change.oldHash, 8);
            out.number(change.keepFront, 8);
            out.number(change.keepBack, 8);
            out.text(change.oldContent);
            out.number(change.exists ? 1 : 0, 1);
            out.number(change.newSize, 8);
            out.number(change.newHash, 8);
        }
    }
}

void decodeChanges(Reader& in, std::uint32_t format, std::vector<RecordedChange>& changes)
{
    const std::uint64_t count = in.number(4);
    for (std::uint64_t i = 0; i < count; ++i) {
        RecordedChange change;
        const std::uint64_t kind = in.number(1);
        if (kind != 1 && kind != 2)
            in.damaged();
        change.kind = static_cast<RecordedChange::Kind>(kind);
        change.name = in.text();
        change.what = in.text();
        if (change.kind == RecordedChange::Kind::Region) {
            change.offset = static_cast<std::int64_t>(in.number(8));
            change.oldBytes = in.bytes();
            change.newBytes = in.bytes();
            if (change.offset < 0 || change.oldBytes.size() != change.newBytes.size())
                in.damaged();
        } else {
            change.existed = in.number(1) != 0;
            if (format == 1) {
                change.oldContent = in.text();
                change.oldSize = change.oldContent.size();
                change.oldHash = recordedHash(format, change.oldContent);
            } else {
                change.oldSize = in.number(8);
                change.oldHash = in.number(8);
                change.keepFront = in.number(8);
                change.keepBack = in.number(8);
                change.oldContent = in.text();
            }
            change.exists = in.number(1) != 0;
            change.newSize = in.number(8);
            change.newHash = in.number(8);
            const std::uint64_t kept = change.keepFront + change.keepBack;
            if (kept < change.keepFront || kept > change.newSize || kept + change.oldContent.size() != change.oldSize)
                in.damaged();
        }
        changes.push_back(std::move(change));
    }
}

// A part's length, hash and body, read when whole and sound.
std::optional<std::string_view> nextPart(Reader& in)
{
    constexpr std::size_t kPartHead = 4 + 8;
    if (in.left() < kPartHead)
        return std::nullopt;
    const auto length = static_cast<std::size_t>(in.number(4));
    const std::uint64_t hash = in.number(8);
    if (length > in.left())
        return std::nullopt;
    const std::string_view body = in.take(length);
    if (wordHash(body) != hash)
        return std::nullopt;
    return body;
}

} // namespace

std::string encodeRecordPart(const std::vector<RecordedChange>& changes)
{
    Writer body;
    encodeChanges(body, changes);
    const std::string bytes = body.take();
    Writer out;
    out.number(bytes.size(), 4);
    out.number(wordHash(bytes), 8);
    std::string part = out.take();
    return part + bytes;
}

std::string encodeRecord(const HistoryRecord& record)
{
    Writer out;
    for (const char c : kMagic)
        out.number(static_cast<std::uint8_t>(c), 1);
    out.number(kHistoryFormat, 4);
    out.number(record.number, 4);
    out.number(static_cast<std::uint64_t>(record.time), 8);
    out.text(record.command);
    out.number(static_cast<std::uint32_t>(record.slot), 4);
    return out.take() + encodeRecordPart(record.changes);
}

HistoryRecord decodeRecord(std::string_view bytes, const std::string& file)
{
    Reader in(bytes, file);
    for (const char c : kMagic) {
        if (in.number(1) != static_cast<std::uint8_t>(c))
            in.damaged();
    }
    const auto format = static_cast<std::uint32_t>(in.number(4));
    if (format != 1 && format != kHistoryFormat)
        in.damaged();
    HistoryRecord record;
    record.format = format;
    record.number = static_cast<std::uint32_t>(in.number(4));
    record.time = static_cast<std::int64_t>(in.number(8));
    record.command = in.text();
    record.slot = static_cast<std::int32_t>(in.number(4));
    if (format == 1) {
        decodeChanges(in, format, record.changes);
        if (!in.atEnd())
            in.damaged();
        return record;
    }
    // The first part is written with the record; a later one may have been cut short by a crash
    // before its command wrote anything, and ends the record.
    for (bool first = true;; first = false) {
        const std::optional<std::string_view> body = nextPart(in);
        if (!body) {
            if (first)
                in.damaged();
            break;
        }
        Reader part(*body, file);
        decodeChanges(part, format, record.changes);
        if (!part.atEnd())
            part.damaged();
        if (in.atEnd())
            break;
    }
    return record;
}

std::vector<RecordSpan> recordSpans(std::string_view bytes)
{
    const auto startsRecord = [bytes](std::size_t at) { return bytes.substr(at, kMagic.size()) == kMagic; };
    const auto numberAt = [bytes](std::size_t at, std::size_t width) {
        std::uint64_t value = 0;
        for (std::size_t i = width; i-- > 0;)
            value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
        return value;
    };
    constexpr std::size_t kFixedHead = 8 + 4 + 4 + 8; // magic, format, number, time
    constexpr std::size_t kPartHead = 4 + 8;
    std::vector<RecordSpan> spans;
    std::size_t at = 0;
    while (startsRecord(at) && bytes.size() - at >= kFixedHead + 4) {
        const std::size_t start = at;
        const std::uint64_t format = numberAt(at + 8, 4);
        const std::uint64_t command = numberAt(at + kFixedHead, 4);
        at += kFixedHead + 4;
        if (command + 4 > bytes.size() - at)
            break;
        at += static_cast<std::size_t>(command) + 4;
        if (format != kHistoryFormat) {
            spans.push_back({start, bytes.size() - start});
            break;
        }
        bool cut = false;
        std::size_t parts = 0;
        // A part is never empty (it holds its change count): zero bytes are room after the records.
        while (at < bytes.size() && !startsRecord(at) && !(bytes.size() - at >= 4 && numberAt(at, 4) == 0)) {
            const std::uint64_t length = bytes.size() - at < kPartHead ? 0 : numberAt(at, 4);
            if (length == 0 || length > bytes.size() - at - kPartHead ||
                wordHash(bytes.substr(at + kPartHead, static_cast<std::size_t>(length))) != numberAt(at + 4, 8)) {
                cut = true;
                break;
            }
            at += kPartHead + static_cast<std::size_t>(length);
            ++parts;
        }
        if (parts == 0)
            break;
        spans.push_back({start, at - start});
        if (cut)
            break;
    }
    return spans;
}

void keepReplacedContent(RecordedChange& change, std::string_view oldContent, std::string_view newContent)
{
    const std::size_t shorter = std::min(oldContent.size(), newContent.size());
    // Compared a block at a time first (memcmp is many times faster than a loop over bytes), then
    // byte by byte within the block that differs.
    constexpr std::size_t kBlock = 4096;
    std::size_t front = 0;
    while (front + kBlock <= shorter && std::memcmp(oldContent.data() + front, newContent.data() + front, kBlock) == 0)
        front += kBlock;
    while (front < shorter && oldContent[front] == newContent[front])
        ++front;
    const char* const oldEnd = oldContent.data() + oldContent.size();
    const char* const newEnd = newContent.data() + newContent.size();
    std::size_t back = 0;
    while (back + kBlock <= shorter - front && std::memcmp(oldEnd - back - kBlock, newEnd - back - kBlock, kBlock) == 0)
        back += kBlock;
    while (back < shorter - front &&
           oldEnd[-1 - static_cast<std::ptrdiff_t>(back)] == newEnd[-1 - static_cast<std::ptrdiff_t>(back)])
        ++back;
    change.keepFront = front;
    change.keepBack = back;
    change.oldContent = std::string(oldContent.substr(front, oldContent.size() - front - back));
    change.oldSize = oldContent.size();
    change.oldHash = wordHash(oldContent);
    change.newSize = newContent.size();
    change.newHash = wordHash(newContent);
}

std::string replacedContent(const RecordedChange& change, std::string_view newContent)
{
    std::string old(newContent.substr(0, static_cast<std::size_t>(change.keepFront)));
    old += change.oldContent;
    old += newContent.substr(newContent.size() - static_cast<std::size_t>(change.keepBack));
    return old;
}

std::uint64_t contentHash(std::string_view content)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : content) {
        hash ^= static_cast<std::uint8_t>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::uint64_t wordHash(std::string_view content)
{
    // Four lanes, so that the multiplications do not wait on each other; each word multiplied in
    // and turned, then the lanes and the length mixed together.
    constexpr std::uint64_t kPrime = 0x9E3779B97F4A7C15ULL;
    const auto mix = [](std::uint64_t hash, std::uint64_t word) {
        hash = (hash ^ word) * kPrime;
        return (hash << 31) | (hash >> 33);
    };
    std::uint64_t lanes[4] = {0xcbf29ce484222325ULL, 0x84222325cbf29ce4ULL, 0x100000001b3ULL, 0x1b3ULL << 32};
    const char* bytes = content.data();
    const std::size_t size = content.size();
    std::size_t at = 0;
    for (; at + 32 <= size; at += 32) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes + at + 8 * lane, 8);
            lanes[lane] = mix(lanes[lane], word);
        }
    }
    for (; at < size; ++at)
        lanes[at % 4] = mix(lanes[at % 4], static_cast<std::uint8_t>(bytes[at]));
    std::uint64_t hash = size;
    for (const std::uint64_t lane : lanes)
        hash = mix(hash, lane);
    return hash ^ (hash >> 29);
}

std::uint64_t recordedHash(std::uint32_t format, std::string_view content)
{
    return format == 1 ? contentHash(content) : wordHash(content);
}

std::string recordTimeText(std::int64_t time)
{
    using namespace std::chrono;
    const sys_seconds at{seconds{time}};
    const sys_days day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss clock{at - day};
    const auto two = [](long long value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    return std::to_string(static_cast<int>(date.year())) + "-" + two(static_cast<unsigned>(date.month())) + "-" +
           two(static_cast<unsigned>(date.day())) + " " + two(clock.hours().count()) + ":" +
           two(clock.minutes().count()) + ":" + two(clock.seconds().count()) + " UTC";
}

std::string changeTarget(const RecordedChange& change)
{
    if (change.kind == RecordedChange::Kind::File)
        return change.name;
    const std::int64_t last = change.offset + static_cast<std::int64_t>(change.newBytes.size()) - 1;
    return change.name + " bytes " + std::to_string(change.offset) + " to " + std::to_string(last);
}

} // namespace plorik
