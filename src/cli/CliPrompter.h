#pragma once

#include "session/ScriptedPrompter.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace plorik::cli {

// The command line's way to answer the program's questions: the --answer values in order, then,
// when they are used up, the terminal (if there is one). Without a terminal a question is answered
// with Cancel where offered, else No, and counts as unanswered. Every box shown is logged as
// "CAPTION TEXT", with the answer on the next line for questions.
class CliPrompter : public ScriptedPrompter {
public:
    // `terminal`: where to ask once the answers are used up; nullptr when nobody can be asked.
    CliPrompter(const std::vector<std::string>& answers, std::istream* terminal, std::ostream& log);

    Answer message(const Message& message) override;

    // Whether any box with the error icon was shown, and how many were.
    bool errorShown() const { return errorCount() > 0; }
    std::size_t errorCount() const;
    // The text of the last box with the error icon, or "".
    std::string lastError() const;

    // Once the --answer values are used up, message boxes are answered "yes" (OK where there is no
    // Yes) or "no" (Cancel where there is no No) instead of asking; text and file choices are not.
    void answerRemainingWith(std::string word) { m_remaining = std::move(word); }

protected:
    std::string askFallback(const std::string& kind, const std::string& caption, const std::string& text) override;
    void shown(const Record& record) override;

private:
    std::string askMessage();
    std::string askLine(const std::string& prompt, const std::string& answerPrefix);

    std::istream* m_terminal;
    std::ostream& m_log;
    MessageButtons m_buttons = MessageButtons::Ok;
    bool m_askedOnTerminal = false;
    std::string m_remaining;
};

// A box's text as a terminal shows it: each carriage return starts a new line.
std::string terminalText(const std::string& text);

} // namespace plorik::cli
