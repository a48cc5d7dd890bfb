#include "common/Prompter.h"

namespace plorik {

std::string_view iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return "none";
    case MessageIcon::Error: return "error";
    case MessageIcon::Warning: return "warning";
    case MessageIcon::Information: return "information";
    case MessageIcon::Question: return "question";
    }
    return "none";
}

std::string_view buttonsName(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return "ok";
    case MessageButtons::OkCancel: return "okcancel";
    case MessageButtons::YesNo: return "yesno";
    case MessageButtons::YesNoCancel: return "yesnocancel";
    }
    return "ok";
}

std::string_view answerName(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return "ok";
    case Answer::Cancel: return "cancel";
    case Answer::Yes: return "yes";
    case Answer::No: return "no";
    }
    return "ok";
}

} // namespace plorik
