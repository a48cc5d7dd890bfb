#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plorik {

// The Prompter, through which the core asks and tells the user, and the messages and file choices it takes.

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultButton = Answer::Ok;
};

// A file choice: "Locate z_*.exe file to work with", default extension, and a filter of
// "description|patterns" pairs joined by "|".
struct FileChoice {
    std::string title;
    std::string defaultExtension;
    std::string filter;
    int filterIndex = 1; // 1-based, as the filter lists them
    // A save dialog that asks before it replaces an existing file.
    bool confirmOverwrite = false;
    // The folder the dialog starts in ("" for the toolkit's choice).
    std::string directory;
    // The file name the dialog proposes ("" for none).
    std::string fileName;
};

std::string_view iconName(MessageIcon icon);
std::string_view buttonsName(MessageButtons buttons);
std::string_view answerName(Answer answer);

// How the core talks to the user. The window shows real dialogs; tests and the command line answer
// from a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer message(const Message& message) = 0;
    // nullopt for Cancel.
    virtual std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                             const std::string& initial) = 0;
    virtual std::optional<std::string> openFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> saveFile(const FileChoice& choice) = 0;
    // A chance to show the form's state during a long command.
    virtual void repaint() {}
    // True when a question found no answer where its command is then to write nothing.
    virtual bool abandoned() const { return false; }
    // Opens a page of the program's help: "" for the contents, else a topic ("introduction",
    // "how-to-use-help"). Returns at once; whether a viewer started is not checked.
    virtual void showHelp(const std::string& topic) = 0;
    // Opens a web address in the user's browser, without waiting.
    virtual void openAddress(const std::string& address) = 0;
};

} // namespace plorik
