#include "common/WriteFailure.h"

namespace plorik {

std::string nothingWrittenParagraph()
{
    return "\r\r" + std::string(kNothingWritten);
}

std::string nothingWrittenSentence()
{
    return " " + std::string(kNothingWritten);
}

std::string writeFailureReport(const std::string& failure, const std::vector<std::string>& written,
                               const std::string& writing, const std::string& nothingWritten)
{
    std::string report = failure;
    if (!writing.empty())
        report += "\r\r" + writing + " may be written in part.";
    if (written.empty() && writing.empty())
        return report + nothingWritten;
    if (!written.empty()) {
        report += "\r\rWritten before the failure: ";
        for (std::size_t i = 0; i < written.size(); ++i)
            report += (i == 0 ? "" : ", ") + written[i];
        report += ".";
    }
    return report;
}

} // namespace plorik
