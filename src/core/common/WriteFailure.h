#pragma once

#include <string>
#include <vector>

namespace plorik {

// What a command that writes several files or regions says when one of them fails: the failure,
// then the region it stopped in (which may hold part of its bytes), then what was written before
// it, or `nothingWritten` when nothing was.
std::string writeFailureReport(const std::string& failure, const std::vector<std::string>& written,
                               const std::string& writing, const std::string& nothingWritten);

} // namespace plorik
