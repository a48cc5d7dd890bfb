#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plorik {

// One section to put into a hook .ini file: its name and its keys in order, "Key = value" each (an
// empty value writes "Key =", which the hooks read as "keep the executable's value").
struct HookIniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
};

struct HookIniEdit {
    std::string text;               // the file's new content
    std::vector<std::string> notes; // what the file holds that the hooks read otherwise than it looks
    std::optional<std::string> refusal;
};

// Writes `sections` into the text of a hook .ini file in place, reading it as the hooks do (lines
// split at LF, trimmed, comments only at line start, a header only when the trimmed line starts with
// "[" and ends with "]", names without case). For each section the first one of its name is edited:
// the first line of each key gets the new value (a line already holding it stays as it is), keys it
// lacks follow its last line; a section the file lacks goes at its end. Every other byte stays as it
// was, and new lines end as the file's first line does (CR LF in a new file). A file whose lines end
// in CR alone is refused: the hooks read it as one line. `name` names the file in notes.
HookIniEdit editHookIni(std::string_view original, std::span<const HookIniSection> sections, const std::string& name);

} // namespace plorik
