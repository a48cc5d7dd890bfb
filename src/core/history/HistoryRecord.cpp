#include "history/HistoryRecord.h"

#include "common/Errors.h"

#include <chrono>

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

} // namespace

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
    out.number(record.changes.size(), 4);
    for (const RecordedChange& change : record.changes) {
        out.number(static_cast<std::uint8_t>(change.kind), 1);
        out.text(change.name);
        out.text(change.what);
        if (change.kind == RecordedChange::Kind::Region) {
            out.number(static_cast<std::uint64_t>(change.offset), 8);
            out.bytes(change.oldBytes);
            out.bytes(change.newBytes);
        } else {
            out.number(change.existed ? 1 : 0, 1);
            out.text(change.oldContent);
            out.number(change.exists ? 1 : 0, 1);
            out.number(change.newSize, 8);
            out.number(change.newHash, 8);
        }
    }
    return out.take();
}

HistoryRecord decodeRecord(std::string_view bytes, const std::string& file)
{
    Reader in(bytes, file);
    for (const char c : kMagic) {
        if (in.number(1) != static_cast<std::uint8_t>(c))
            in.damaged();
    }
    if (in.number(4) != kHistoryFormat)
        in.damaged();
    HistoryRecord record;
    record.number = static_cast<std::uint32_t>(in.number(4));
    record.time = static_cast<std::int64_t>(in.number(8));
    record.command = in.text();
    record.slot = static_cast<std::int32_t>(in.number(4));
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
            change.oldContent = in.text();
            change.exists = in.number(1) != 0;
            change.newSize = in.number(8);
            change.newHash = in.number(8);
        }
        record.changes.push_back(std::move(change));
    }
    if (!in.atEnd())
        in.damaged();
    return record;
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
