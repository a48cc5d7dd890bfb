#include "session/ScriptedPrompter.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace plorik {

namespace {

bool offers(MessageButtons buttons, Answer answer)
{
    switch (buttons) {
    case MessageButtons::Ok: return answer == Answer::Ok;
    case MessageButtons::OkCancel: return answer == Answer::Ok || answer == Answer::Cancel;
    case MessageButtons::YesNo: return answer == Answer::Yes || answer == Answer::No;
    case MessageButtons::YesNoCancel: return answer != Answer::Ok;
    }
    return false;
}

std::optional<Answer> parseAnswer(const std::string& text)
{
    if (text == "ok")
        return Answer::Ok;
    if (text == "cancel")
        return Answer::Cancel;
    if (text == "yes")
        return Answer::Yes;
    if (text == "no")
        return Answer::No;
    return std::nullopt;
}

} // namespace

std::string ScriptedPrompter::askFallback(const std::string&, const std::string&, const std::string&)
{
    return {};
}

// Each kind of question takes the next answer of its kind ("text:" for an input box, "file:" for
// a file choice, a word for a message box), so a script lists the answers of each kind in the order
// they are asked, whatever comes between.
std::string ScriptedPrompter::nextAnswer(const std::string& kind, const std::string& caption, const std::string& text)
{
    const auto ofKind = [&kind](const std::string& answer) {
        const bool typed = answer.rfind("text:", 0) == 0;
        const bool file = answer.rfind("file:", 0) == 0;
        return kind == "input" ? typed : kind == "file" ? file : !typed && !file;
    };
    const auto found = std::find_if(m_answers.begin(), m_answers.end(), ofKind);
    if (found != m_answers.end()) {
        std::string answer = *found;
        m_answers.erase(found);
        return answer;
    }
    return askFallback(kind, caption, text);
}

Answer ScriptedPrompter::message(const Message& message)
{
    Answer answer = Answer::Ok;
    if (message.buttons != MessageButtons::Ok) {
        const std::optional<Answer> given = parseAnswer(nextAnswer("message", message.caption, message.text));
        if (given && offers(message.buttons, *given)) {
            answer = *given;
        } else {
            // No usable answer: Cancel where it is offered, else No.
            m_unanswered = true;
            answer = offers(message.buttons, Answer::Cancel) ? Answer::Cancel : Answer::No;
        }
    }
    Record record{message, std::string(answerName(answer))};
    m_records.push_back(record);
    shown(record);
    return answer;
}

std::optional<std::string> ScriptedPrompter::typedAnswer(const std::string& kind, const std::string& caption,
                                                         const std::string& text, const std::string& prefix)
{
    const std::string given = nextAnswer(kind, caption, text);
    Record record{Message{caption, text, MessageIcon::None, MessageButtons::OkCancel, Answer::Ok}, "cancel"};
    std::optional<std::string> result;
    if (given.rfind(prefix, 0) != 0) {
        m_unanswered = true;
    } else if (kind == "input" || given.size() > prefix.size()) {
        // An empty file answer is the dialog's Cancel; an empty text is a text.
        result = given.substr(prefix.size());
        record.answer = *result;
    }
    m_records.push_back(record);
    shown(record);
    return result;
}

std::optional<std::string> ScriptedPrompter::input(const std::string& caption, const std::string& prompt,
                                                   const std::string&)
{
    return typedAnswer("input", caption, prompt, "text:");
}

std::optional<std::string> ScriptedPrompter::fileAnswer(const FileChoice& choice)
{
    return typedAnswer("file", choice.title, choice.filter, "file:");
}

std::optional<std::string> ScriptedPrompter::openFile(const FileChoice& choice)
{
    return fileAnswer(choice);
}

std::optional<std::string> ScriptedPrompter::saveFile(const FileChoice& choice)
{
    std::optional<std::string> chosen = fileAnswer(choice);
    std::error_code error;
    // The dialog's own question before it replaces a file: one more answer of the script.
    if (chosen && choice.confirmOverwrite && std::filesystem::exists(*chosen, error)) {
        const Answer replace = message(
            {choice.title,
             std::filesystem::path(*chosen).filename().string() + " already exists.\rDo you want to replace it?",
             MessageIcon::Warning, MessageButtons::YesNo, Answer::No});
        if (replace != Answer::Yes)
            chosen.reset();
    }
    return chosen;
}

} // namespace plorik
