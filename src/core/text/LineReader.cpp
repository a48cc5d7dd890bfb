#include "text/LineReader.h"

#include "io/FileError.h"

#include <fstream>
#include <iterator>

namespace plorik {

LineReader::LineReader(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError(path.string(), "Cannot open file");
    m_text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        throw FileError(path.string(), "Cannot read file");
}

LineReader LineReader::fromText(std::string text)
{
    LineReader reader;
    reader.m_text = std::move(text);
    return reader;
}

std::string LineReader::readLine()
{
    std::string line;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos++];
        if (c == '\n')
            break;
        if (c == '\r') {
            if (m_pos < m_text.size() && m_text[m_pos] == '\n')
                ++m_pos;
            break;
        }
        if (line.size() < kMaxLine)
            line.push_back(c);
    }
    m_lastLine = line;
    return line;
}

bool LineReader::findLine(std::string_view text)
{
    while (!atEnd()) {
        const std::string line = readLine();
        if (line.compare(0, text.size(), text) == 0 && line.size() >= text.size())
            return !atEnd();
    }
    return false;
}

std::vector<std::string> readAllLines(const std::filesystem::path& path)
{
    LineReader reader(path);
    std::vector<std::string> lines;
    while (!reader.atEnd())
        lines.push_back(reader.readLine());
    return lines;
}

} // namespace plorik
