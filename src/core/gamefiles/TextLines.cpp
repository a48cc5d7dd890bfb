#include "gamefiles/TextLines.h"

#include "text/LineReader.h"

namespace plorik {

std::optional<std::string> readLineNumber(const std::filesystem::path& file, std::int64_t number)
{
    LineReader reader(file);
    if (number < 1)
        return std::nullopt;
    for (std::int64_t line = 1; line < number; ++line) {
        if (reader.atEnd())
            return std::nullopt;
        reader.readLine();
    }
    if (reader.atEnd())
        return std::nullopt;
    return reader.readLine();
}

std::vector<std::string> readFirstLines(const std::filesystem::path& file, std::int64_t count)
{
    LineReader reader(file);
    std::vector<std::string> lines;
    for (std::int64_t line = 0; line < count && !reader.atEnd(); ++line)
        lines.push_back(reader.readLine());
    return lines;
}

} // namespace plorik
