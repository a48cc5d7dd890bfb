#include "form/FormSet.h"

#include "common/WriteFailure.h"
#include "form/GameTextUtf8.h"

#include <charconv>

namespace plorik {

namespace {

std::optional<std::size_t> parseIndex(std::string_view text)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool pickItem(Form& form, const Control& control, const FormSet& set, std::string& error)
{
    int index = -1;
    if (set.value.size() > 1 && set.value.front() == '@') {
        if (const auto given = parseIndex(std::string_view(set.value).substr(1)))
            index = static_cast<int>(*given);
    } else {
        for (std::size_t i = 0; i < control.items().size(); ++i) {
            if (control.items()[i] == set.value) {
                index = static_cast<int>(i);
                break;
            }
        }
    }
    if (index < 0 || index >= static_cast<int>(control.items().size())) {
        error = set.key + " has no item " + gameTextToUtf8(set.value);
        return false;
    }
    return form.userPick(control.key(), index);
}

} // namespace

std::optional<FormSet> parseFormSet(const std::string& text, std::string& error)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        error = "a --set is KEY=VALUE or KEY[ROW,COLUMN]=VALUE, not " + text;
        return std::nullopt;
    }
    FormSet set;
    std::string key = text.substr(0, equals);
    // Typed as UTF-8; the form holds the game's single-byte text.
    const GameTextFromUtf8 value = gameTextFromUtf8(std::string_view(text).substr(equals + 1));
    if (!value.ok()) {
        error = key + ": " + value.refusal() + "." + nothingWrittenSentence();
        return std::nullopt;
    }
    set.value = value.gameText;
    const std::size_t bracket = key.find('[');
    if (bracket != std::string::npos) {
        const std::size_t comma = key.find(',', bracket);
        if (key.back() != ']' || comma == std::string::npos) {
            error = "a grid cell is KEY[ROW,COLUMN], not " + key;
            return std::nullopt;
        }
        set.row = parseIndex(std::string_view(key).substr(bracket + 1, comma - bracket - 1));
        set.column = parseIndex(std::string_view(key).substr(comma + 1, key.size() - comma - 2));
        if (!set.row || !set.column) {
            error = "a grid cell is KEY[ROW,COLUMN] with two numbers, not " + key;
            return std::nullopt;
        }
        key = key.substr(0, bracket);
    }
    set.key = key;
    return set;
}

SetOutcome applyFormSet(Form& form, const FormSet& set, std::string& error)
{
    // The key comes from the command line: it is looked up once, by name.
    const ControlKey key = ControlKey::named(set.key);
    if (!form.has(key)) {
        error = set.key + " is not a control";
        return SetOutcome::NotAControl;
    }
    const Control& control = form[key];
    if (!control.enabled()) {
        error = set.key + " is disabled";
        return SetOutcome::Disabled;
    }
    bool done = false;
    if (set.row) {
        done = form.userEditCell(key, *set.row, *set.column, set.value);
    } else {
        switch (control.kind()) {
        case ControlKind::TextBox:
        case ControlKind::Memo: done = form.userEdit(key, set.value); break;
        case ControlKind::ComboBox:
            done = set.value.size() > 1 && set.value.front() == '@' ? pickItem(form, control, set, error)
                                                                    : form.userEdit(key, set.value);
            break;
        case ControlKind::DropDownList:
        case ControlKind::ListBox: done = pickItem(form, control, set, error); break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            if (set.value == "true" || set.value == "false")
                done = form.userCheck(key, set.value == "true");
            break;
        case ControlKind::TrackBar:
            if (const auto position = parseIndex(set.value))
                done = form.userSlide(key, static_cast<int>(*position));
            break;
        default: break;
        }
    }
    if (done)
        return SetOutcome::Done;
    if (error.empty())
        error = set.key + " does not take the value " + gameTextToUtf8(set.value);
    return SetOutcome::NotTaken;
}

} // namespace plorik
