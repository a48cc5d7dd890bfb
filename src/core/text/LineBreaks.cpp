#include "text/LineBreaks.h"

namespace plorik {

namespace {

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

std::string foldLineBreaks(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isBreak(text[i])) {
            folded.push_back(text[i]);
            continue;
        }
        folded.push_back(' ');
        while (i + 1 < text.size() && isBreak(text[i + 1]))
            ++i;
    }
    return folded;
}

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace plorik
