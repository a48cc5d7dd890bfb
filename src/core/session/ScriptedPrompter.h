#pragma once

#include "common/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace plorik {

// Answers questions from a list given in advance and records everything it was shown. Used by the
// tests and the command line. A message box with only an OK button takes no answer from the list.
class ScriptedPrompter : public Prompter {
public:
    struct Record {
        Message message;
        std::string answer; // "ok", "yes", ..., the text typed, or the file chosen
    };

    // Answers: "yes", "no", "cancel", "ok", "text:VALUE", "file:PATH" ("file:" cancels). Each kind
    // of question takes the next answer of its kind.
    void addAnswer(std::string answer) { m_answers.push_back(std::move(answer)); }
    const std::vector<Record>& records() const { return m_records; }
    void clearRecords() { m_records.clear(); }
    // True once a question found no answer left and was answered with Cancel (or No).
    bool unanswered() const { return m_unanswered; }
    // From now on a question without an answer also keeps the command that asked it from writing.
    void stopAtUnanswered() { m_stopAtUnanswered = true; }
    bool abandoned() const override { return m_stopAtUnanswered && m_unanswered; }
    // The answers given that no question took.
    std::size_t unusedAnswers() const { return m_answers.size(); }

    Answer message(const Message& message) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;
    std::optional<std::string> openFile(const FileChoice& choice) override;
    std::optional<std::string> saveFile(const FileChoice& choice) override;
    void showHelp(const std::string& topic) override { m_opened.push_back("help:" + topic); }
    void openAddress(const std::string& address) override { m_opened.push_back("address:" + address); }
    // The help pages and addresses opened, as "help:TOPIC" and "address:URL".
    const std::vector<std::string>& opened() const { return m_opened; }

protected:
    // Called when the list is empty; returns an answer in the list's words, or "" for none. The
    // command line asks on its terminal here.
    virtual std::string askFallback(const std::string& kind, const std::string& caption, const std::string& text);
    // Called for every message shown, after it is answered.
    virtual void shown(const Record&) {}

private:
    std::string nextAnswer(const std::string& kind, const std::string& caption, const std::string& text);
    std::optional<std::string> fileAnswer(const FileChoice& choice);
    std::optional<std::string> typedAnswer(const std::string& kind, const std::string& caption, const std::string& text,
                                           const std::string& prefix);
    std::deque<std::string> m_answers;
    std::vector<Record> m_records;
    std::vector<std::string> m_opened;
    bool m_unanswered = false;
    bool m_stopAtUnanswered = false;
};

} // namespace plorik
