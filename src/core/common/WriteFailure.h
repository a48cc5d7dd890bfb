#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// The sentence that closes every refusal of a command that writes: it found a fault before its first
// byte, so every file is as it was.
inline constexpr std::string_view kNothingWritten = "Nothing was written.";
// The sentence as a paragraph of its own, after an empty line: how a message box ends a refusal.
std::string nothingWrittenParagraph();
// The sentence after a blank, closing the refusal's own paragraph.
std::string nothingWrittenSentence();

// What a command that writes several files or regions says when one of them fails: the failure,
// then the region it stopped in (which may hold part of its bytes), then what was written before
// it, or `nothingWritten` when nothing was.
std::string writeFailureReport(const std::string& failure, const std::vector<std::string>& written,
                               const std::string& writing, const std::string& nothingWritten);

} // namespace plorik
