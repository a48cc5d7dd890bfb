#include "table/TableRows.h"

#include "form/GameTextUtf8.h"
#include "table/Csv.h"
#include "table/JsonReader.h"
#include "table/TableColumns.h"
#include "text/StrictNumber.h"

#include <algorithm>
#include <set>

namespace plorik {

namespace {

// A file's row before its texts are checked: column names and UTF-8 values.
struct RawRow {
    std::size_t row = 0;
    std::vector<std::pair<std::string, std::string>> values;
};

class RowChecker {
public:
    RowChecker(const std::vector<std::string>& columns, std::int32_t slotCount, TableRows& out)
        : m_columns(columns), m_slotCount(slotCount), m_out(out)
    {
    }

    bool fault(std::size_t row, std::string column, std::string reason)
    {
        m_out.faults.push_back({row, std::move(column), std::move(reason)});
        return false;
    }

    bool knownColumn(std::size_t row, const std::string& name)
    {
        if (name == kSlotColumn || std::find(m_columns.begin(), m_columns.end(), name) != m_columns.end())
            return true;
        return fault(row, name, "unknown column");
    }

    bool take(const RawRow& raw)
    {
        TableRow row;
        row.row = raw.row;
        bool slotGiven = false;
        for (const auto& [name, value] : raw.values) {
            if (name == kSlotColumn) {
                const std::optional<std::int64_t> slot = parseWholeNumber(value);
                if (!slot || *slot < 1 || *slot > m_slotCount)
                    return fault(raw.row, name,
                                 "slot " + value + " is outside the table (1 to " + std::to_string(m_slotCount) + ")");
                row.slot = static_cast<std::int32_t>(*slot);
                if (!m_slots.insert(row.slot).second)
                    return fault(raw.row, name, "slot " + value + " is given twice");
                slotGiven = true;
                continue;
            }
            const GameTextFromUtf8 text = gameTextFromUtf8(value);
            if (!text.ok())
                return fault(raw.row, name, text.refusal());
            row.values.emplace_back(name, text.gameText);
        }
        if (!slotGiven)
            return fault(raw.row, std::string(kSlotColumn), "no slot number");
        m_out.rows.push_back(std::move(row));
        return true;
    }

private:
    const std::vector<std::string>& m_columns;
    std::int32_t m_slotCount;
    TableRows& m_out;
    std::set<std::int32_t> m_slots;
};

void readCsvRows(std::string_view text, RowChecker& checker)
{
    const CsvRecords csv = readCsv(text);
    // The records before an open quote are whole; the fault is reported when its row is reached.
    if (csv.records.empty()) {
        if (!csv.fault.empty())
            checker.fault(csv.faultRecord, "", csv.fault);
        else
            checker.fault(1, "", "the file has no header");
        return;
    }
    const std::vector<std::string>& header = csv.records.front();
    std::set<std::string> seen;
    for (const std::string& name : header) {
        if (!checker.knownColumn(1, name))
            return;
        if (!seen.insert(name).second) {
            checker.fault(1, name, "the column is given twice");
            return;
        }
    }
    if (!seen.count(std::string(kSlotColumn))) {
        checker.fault(1, std::string(kSlotColumn), "no slot column");
        return;
    }
    for (std::size_t i = 1; i < csv.records.size(); ++i) {
        const std::vector<std::string>& record = csv.records[i];
        if (record.size() != header.size()) {
            checker.fault(i + 1, "",
                          std::to_string(record.size()) + " fields where the header has " +
                              std::to_string(header.size()));
            return;
        }
        RawRow raw{i + 1, {}};
        for (std::size_t c = 0; c < header.size(); ++c)
            raw.values.emplace_back(header[c], record[c]);
        if (!checker.take(raw))
            return;
    }
    if (!csv.fault.empty())
        checker.fault(csv.faultRecord, "", csv.fault);
}

void readJsonRows(std::string_view text, RowChecker& checker)
{
    const JsonRead json = readJson(text);
    if (!json.fault.empty()) {
        checker.fault(0, "", json.fault + " (at byte " + std::to_string(json.faultOffset) + ")");
        return;
    }
    const JsonValue* slots = json.value.member("slots");
    if (!slots || slots->kind != JsonValue::Kind::Array) {
        checker.fault(0, "", "the file has no \"slots\" array");
        return;
    }
    for (std::size_t i = 0; i < slots->items.size(); ++i) {
        const JsonValue& object = slots->items[i];
        if (object.kind != JsonValue::Kind::Object) {
            checker.fault(i + 1, "", "a slot is not an object");
            return;
        }
        RawRow raw{i + 1, {}};
        for (const auto& [name, value] : object.members) {
            if (!checker.knownColumn(i + 1, name))
                return;
            const bool slotNumber = name == kSlotColumn && value.kind == JsonValue::Kind::Number;
            if (value.kind != JsonValue::Kind::String && !slotNumber) {
                checker.fault(i + 1, name, "the value is not a string");
                return;
            }
            raw.values.emplace_back(name, value.text);
        }
        if (!checker.take(raw))
            return;
    }
}

} // namespace

TableRows readTableRows(std::string_view text, const std::vector<std::string>& columns, std::int32_t slotCount)
{
    TableRows result;
    RowChecker checker(columns, slotCount, result);
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start != std::string_view::npos && text[start] == '{')
        readJsonRows(text, checker);
    else
        readCsvRows(text, checker);
    return result;
}

} // namespace plorik
