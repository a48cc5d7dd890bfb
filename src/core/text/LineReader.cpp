#include "text/LineReader.h"

#include "io/FileHandle.h"

#include <algorithm>

namespace plorik {

LineReader::LineReader(const std::filesystem::path& path)
    : m_text(FileHandle::openRegular(path, FileHandle::Access::Read).readAll())
{
}

LineReader LineReader::fromText(std::string text)
{
    LineReader reader;
    reader.m_text = std::move(text);
    return reader;
}

std::string LineReader::readLine()
{
    m_lastStart = m_pos;
    // The line ends at the first CR or LF: find the LF, then a CR before it.
    const std::string_view rest = std::string_view(m_text).substr(m_pos);
    const std::size_t lf = std::min(rest.find('\n'), rest.size());
    const std::size_t end = m_pos + std::min(rest.substr(0, lf).find('\r'), lf);
    m_lastLine.assign(m_text, m_pos, std::min(end - m_pos, kMaxLine));
    m_pos = end;
    if (m_pos < m_text.size() && m_text[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n' && (m_pos == end || m_text[m_pos - 1] == '\r'))
        ++m_pos;
    return m_lastLine;
}

std::string_view LineReader::lastRawLine() const
{
    return std::string_view(m_text).substr(m_lastStart, m_pos - m_lastStart);
}

std::string_view LineReader::rest() const
{
    return std::string_view(m_text).substr(m_pos);
}

bool LineReader::findLine(std::string_view text)
{
    while (!atEnd()) {
        readLine();
        const std::string& line = m_lastLine;
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
