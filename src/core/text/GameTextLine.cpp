#include "text/GameTextLine.h"

namespace plorik {

std::string gameTextLine(std::string_view line)
{
    if (line.empty() || line.front() != '!')
        return std::string(line);
    const std::size_t second = line.find('!', 1);
    if (second == std::string_view::npos)
        return {};
    return std::string(line.substr(second + 1));
}

} // namespace plorik
