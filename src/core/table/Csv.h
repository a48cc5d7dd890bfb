#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// Comma-separated values as RFC 4180 has them: a field holding a comma, a quote or a line break is
// quoted, a quote inside doubled; records end with CR LF (LF alone is read too).

std::string csvField(std::string_view text);
// One record with its line end.
std::string csvRecord(const std::vector<std::string>& fields);

struct CsvRecords {
    std::vector<std::vector<std::string>> records;
    // Why the text is not CSV, with the record (1-based) where it went wrong; empty when it is.
    std::string fault;
    std::size_t faultRecord = 0;
};

// Every record of the text. A blank last line is no record.
CsvRecords readCsv(std::string_view text);

} // namespace plorik
