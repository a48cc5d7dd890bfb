#pragma once

#include <string>
#include <string_view>

namespace plorik {

// The game's text is one byte a character, each byte the character of the same number (0xE9 is "é",
// 0x80 is U+0080): the first 256 characters of Unicode. Text from outside the game (a terminal, a
// table export) is UTF-8; these two turn one into the other where text enters or leaves a form (the
// windows, the command line), so what is printed reads back the same.

// The UTF-8 form of game text: bytes below 0x80 stay as they are, every other byte becomes two.
std::string gameTextToUtf8(std::string_view gameText);

// UTF-8 text as game text, or why it cannot be game text.
struct GameTextFromUtf8 {
    enum class Fault {
        None,
        NoSingleByteForm, // a character past U+00FF ("ő", "€")
        NotUtf8,          // a byte that starts no complete UTF-8 character
    };

    std::string gameText; // the whole text, when there is no fault
    Fault fault = Fault::None;
    std::string character;  // NoSingleByteForm: that character, in UTF-8
    unsigned char byte = 0; // NotUtf8: the byte where the bad sequence starts

    bool ok() const { return fault == Fault::None; }
    // The reason for the user: "\"ő\" cannot be stored in the game's text", "byte 0xC3 is not valid
    // UTF-8"; empty when there is no fault.
    std::string refusal() const;
};

// Reads UTF-8 strictly: an overlong form, a surrogate, a code past U+10FFFF, a stray or missing
// continuation byte is not UTF-8. The first fault from the start is the one reported.
GameTextFromUtf8 gameTextFromUtf8(std::string_view utf8);

} // namespace plorik
