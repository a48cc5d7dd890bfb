#include "table/Csv.h"

namespace plorik {

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvRecord(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i ? "," : "") + csvField(fields[i]);
    return line + "\r\n";
}

CsvRecords readCsv(std::string_view text)
{
    CsvRecords result;
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    const auto fail = [&](std::string why) {
        result.fault = std::move(why);
        result.faultRecord = result.records.size() + 1;
        return result;
    };
    const auto endRecord = [&] {
        record.push_back(std::move(field));
        field.clear();
        result.records.push_back(std::move(record));
        record.clear();
    };
    while (i < text.size()) {
        if (text[i] == '"') {
            // A quoted field runs to the quote that is not doubled.
            for (++i;; ++i) {
                if (i >= text.size())
                    return fail("a quoted field is not closed");
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                return fail("text after the closing quote of a field");
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"')
                    return fail("a quote inside a field that does not start with one");
                field += text[i++];
            }
        }
        if (i >= text.size())
            break;
        if (text[i] == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
            if (i >= text.size())
                break;
            continue;
        }
        if (text[i] == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n')
                return fail("a carriage return outside quotes without a line feed");
            ++i;
        }
        ++i;
        endRecord();
    }
    if (!field.empty() || !record.empty() || (!text.empty() && text.back() == ','))
        endRecord();
    return result;
}

} // namespace plorik
