#include "gamefiles/TextRewrite.h"

#include "text/LineBreaks.h"

namespace plorik {

namespace {

bool endsLine(std::string_view raw)
{
    return !raw.empty() && (raw.back() == '\n' || raw.back() == '\r');
}

} // namespace

TextRewrite::TextRewrite(const std::filesystem::path& file) : m_reader(file)
{
}

std::string TextRewrite::copyLine()
{
    // Past the end an empty line stands in, so that what follows lands on its own line number.
    if (m_reader.atEnd()) {
        put("");
        return {};
    }
    std::string line = m_reader.readLine();
    keepDropped();
    return line;
}

void TextRewrite::keepDropped()
{
    const std::string_view raw = m_reader.lastRawLine();
    m_content.append(raw);
    m_openLine = !endsLine(raw);
}

std::string TextRewrite::dropLine()
{
    return m_reader.readLine();
}

void TextRewrite::put(const std::string& line)
{
    // A copied last line without its end gets one, so the new line does not join it.
    if (m_openLine)
        m_content += "\r\n";
    m_content += foldLineBreaks(line);
    m_content += "\r\n";
    m_openLine = false;
}

void TextRewrite::copyRest()
{
    const std::string_view rest = m_reader.rest();
    m_content.append(rest);
    if (!rest.empty())
        m_openLine = !endsLine(rest);
    while (!m_reader.atEnd())
        m_reader.readLine();
}

} // namespace plorik
