#include "CliPrompter.h"

#include "form/GameTextUtf8.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace plorik::cli {

namespace {

// The words a box of these buttons takes, with their one-letter forms.
std::vector<std::string> offeredWords(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return {"ok"};
    case MessageButtons::OkCancel: return {"ok", "cancel"};
    case MessageButtons::YesNo: return {"yes", "no"};
    case MessageButtons::YesNoCancel: return {"yes", "no", "cancel"};
    }
    return {"ok"};
}

std::string trimmedLower(const std::string& line)
{
    std::string word;
    for (const char c : line) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            word.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return word;
}

std::string withoutLineEnd(std::string line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace

CliPrompter::CliPrompter(const std::vector<std::string>& answers, std::istream* terminal, std::ostream& log)
    : m_terminal(terminal), m_log(log)
{
    for (const std::string& answer : answers)
        addAnswer(answer);
}

Answer CliPrompter::message(const Message& message)
{
    // askFallback is told only the caption and text; the buttons decide what may be typed.
    m_buttons = message.buttons;
    return ScriptedPrompter::message(message);
}

std::size_t CliPrompter::errorCount() const
{
    return static_cast<std::size_t>(std::count_if(records().begin(), records().end(), [](const Record& record) {
        return record.message.icon == MessageIcon::Error;
    }));
}

std::string CliPrompter::lastError() const
{
    for (auto record = records().rbegin(); record != records().rend(); ++record) {
        if (record->message.icon == MessageIcon::Error)
            return record->message.text;
    }
    return {};
}

std::string CliPrompter::askFallback(const std::string& kind, const std::string& caption, const std::string& text)
{
    if (!m_remaining.empty() && kind == "message") {
        const std::vector<std::string> words = offeredWords(m_buttons);
        const bool yes = m_remaining == "yes";
        const std::array<std::string, 2> preferred =
            yes ? std::array<std::string, 2>{"yes", "ok"} : std::array<std::string, 2>{"no", "cancel"};
        for (const std::string& word : preferred) {
            if (std::find(words.begin(), words.end(), word) != words.end())
                return word;
        }
    }
    if (!m_terminal)
        return {};
    m_log << caption << '\n' << terminalText(text) << '\n';
    m_askedOnTerminal = true;
    if (kind == "message")
        return askMessage();
    if (kind == "input")
        return askLine("text (end of input cancels): ", "text:");
    return askLine("file (empty cancels): ", "file:");
}

std::string CliPrompter::askMessage()
{
    const std::vector<std::string> words = offeredWords(m_buttons);
    std::string choices;
    for (const std::string& word : words)
        choices += (choices.empty() ? "" : "/") + word;
    for (;;) {
        m_log << '[' << choices << "]? " << std::flush;
        std::string line;
        if (!std::getline(*m_terminal, line))
            return {};
        const std::string typed = trimmedLower(line);
        for (const std::string& word : words) {
            if (!typed.empty() && word.compare(0, typed.size(), typed) == 0)
                return word;
        }
    }
}

std::string CliPrompter::askLine(const std::string& prompt, const std::string& answerPrefix)
{
    for (;;) {
        m_log << prompt << std::flush;
        std::string line;
        if (!std::getline(*m_terminal, line))
            return {};
        line = withoutLineEnd(line);
        // A file name stays the system's bytes; typed text is UTF-8 for the game's single bytes.
        if (answerPrefix != "text:")
            return answerPrefix + line;
        const GameTextFromUtf8 text = gameTextFromUtf8(line);
        if (text.ok())
            return answerPrefix + text.gameText;
        m_log << text.refusal() << '\n';
    }
}

void CliPrompter::shown(const Record& record)
{
    const bool question = record.message.buttons != MessageButtons::Ok;
    if (m_askedOnTerminal) {
        // The user has just read it and answered it.
        m_askedOnTerminal = false;
        return;
    }
    m_log << record.message.caption << ' ' << terminalText(record.message.text) << '\n';
    if (question)
        m_log << "  answer: " << record.answer << '\n';
    m_log << std::flush;
}

std::string terminalText(const std::string& text)
{
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '\r', '\n');
    return shown;
}

} // namespace plorik::cli
