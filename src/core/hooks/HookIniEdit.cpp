#include "hooks/HookIniEdit.h"

#include "hooks/HookSection.h"

namespace plorik {

namespace {

struct Line {
    std::string text;
    std::string end; // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        if (lf == std::string_view::npos) {
            lines.push_back({std::string(text), ""});
            break;
        }
        const bool cr = lf > 0 && text[lf - 1] == '\r';
        lines.push_back({std::string(text.substr(0, cr ? lf - 1 : lf)), cr ? "\r\n" : "\n"});
        text.remove_prefix(lf + 1);
    }
    return lines;
}

bool isKept(std::string_view trimmed)
{
    return !trimmed.empty() && trimmed.front() != '#' && trimmed.front() != ';' && !trimmed.starts_with("//");
}

// The section name of a header line, or nullopt for every other line.
std::optional<std::string_view> headerName(const Line& line)
{
    const std::string_view trimmed = trimHookText(line.text);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return std::nullopt;
    return trimmed.substr(1, trimmed.size() - 2);
}

std::optional<std::string_view> keyName(const Line& line)
{
    const std::string_view trimmed = trimHookText(line.text);
    if (!isKept(trimmed))
        return std::nullopt;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trimHookText(trimmed.substr(0, equals));
    return key.empty() ? std::nullopt : std::optional(key);
}

std::string keyLine(const std::string& key, const std::string& value)
{
    return value.empty() ? key + " =" : key + " = " + value;
}

void writeSection(std::vector<Line>& lines, const HookIniSection& section, const std::string& newline,
                  std::vector<std::string>& notes, const std::string& name)
{
    std::size_t header = lines.size();
    std::size_t count = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto found = headerName(lines[i]);
        if (found && equalNoCase(*found, section.name)) {
            count += 1;
            if (header == lines.size())
                header = i;
        }
    }
    if (count > 1)
        notes.push_back(name + " has " + std::to_string(count) + " sections [" + section.name +
                        "]; the hooks join them, and PLORIK wrote into the first.");
    if (header == lines.size()) {
        if (!lines.empty() && lines.back().end.empty())
            lines.back().end = newline;
        if (!lines.empty())
            lines.push_back({"", newline});
        lines.push_back({"[" + section.name + "]", newline});
        for (const auto& [key, value] : section.keys)
            lines.push_back({keyLine(key, value), newline});
        return;
    }
    std::size_t end = header + 1;
    while (end < lines.size() && !headerName(lines[end]))
        ++end;
    std::size_t last = header; // the section's last kept line: keys it lacks follow it
    for (std::size_t i = header + 1; i < end; ++i) {
        if (isKept(trimHookText(lines[i].text)))
            last = i;
    }
    std::vector<Line> added;
    for (const auto& [key, value] : section.keys) {
        std::size_t at = header + 1;
        while (at < end && !(keyName(lines[at]) && equalNoCase(*keyName(lines[at]), key)))
            ++at;
        if (at == end) {
            added.push_back({keyLine(key, value), newline});
            continue;
        }
        const std::string_view trimmed = trimHookText(lines[at].text);
        if (trimHookText(trimmed.substr(trimmed.find('=') + 1)) != value)
            lines[at].text = keyLine(key, value);
    }
    if (added.empty())
        return;
    if (lines[last].end.empty())
        lines[last].end = newline;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last) + 1, added.begin(), added.end());
}

} // namespace

HookIniEdit editHookIni(std::string_view original, std::span<const HookIniSection> sections, const std::string& name)
{
    HookIniEdit edit;
    if (original.find('\r') != std::string_view::npos && original.find('\n') == std::string_view::npos) {
        edit.refusal =
            name + " ends its lines with CR alone; the hooks read it as one line, so PLORIK does not edit it.";
        return edit;
    }
    std::vector<Line> lines = splitLines(original);
    const std::string newline = lines.empty() || lines.front().end.empty() ? "\r\n" : lines.front().end;
    if (original.starts_with("\xEF\xBB\xBF"))
        edit.notes.push_back(name +
                             " starts with a UTF-8 byte order mark; the hooks read it as part of the first line.");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view trimmed = trimHookText(lines[i].text);
        if (trimmed.starts_with("[") && !trimmed.ends_with("]")) {
            edit.notes.push_back(name + ", line " + std::to_string(i + 1) + ": \"" +
                                 std::string(trimmed.substr(0, 80)) +
                                 "\" is no section header for the hooks: it does not end in \"]\".");
            break;
        }
    }
    for (const HookIniSection& section : sections)
        writeSection(lines, section, newline, edit.notes, name);
    for (const Line& line : lines)
        edit.text += line.text + line.end;
    return edit;
}

} // namespace plorik
