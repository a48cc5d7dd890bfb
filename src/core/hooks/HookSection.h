#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// One kept line of a hook file: trimmed, not empty, not a comment, with its 1-based line number.
struct HookLine {
    std::size_t number = 0;
    std::string text;
};

// A key's line as the hooks find it: the first kept line whose name matches, even with an empty value.
struct HookValue {
    std::size_t line = 0;
    std::string text; // the trimmed text after the first "="
};

// What the hooks read for one section name from one source: a `[Model]<Section>.txt` file whole, or
// the same-name sections of `[Model].ini` joined in file order.
struct HookSection {
    std::string file;    // the game's name for the file, "FlightModels\TestFighter.ini"
    std::string section; // the section name looked for
    std::vector<HookLine> lines;

    // A source counts once it yields a kept line, even one without "=".
    bool present() const { return !lines.empty(); }
    // The first line whose name (left of the first "=", trimmed) equals `key` ignoring ASCII case.
    std::optional<HookValue> find(std::string_view key) const;
};

// ASCII case-insensitive equality, as the hooks compare names.
bool equalNoCase(std::string_view a, std::string_view b);
// Trims what the hooks trim: blank, tab, CR, LF, FF and VT.
std::string_view trimHookText(std::string_view text);

} // namespace plorik
