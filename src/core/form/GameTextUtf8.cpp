#include "form/GameTextUtf8.h"

#include <cstdint>

namespace plorik {

namespace {

struct Sequence {
    std::size_t length = 0; // 0: the byte starts no character
    std::uint32_t firstBits = 0;
    std::uint32_t least = 0; // the smallest code of this length; below it the form is overlong
};

Sequence sequenceStartedBy(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0)
        return {2, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0)
        return {3, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0)
        return {4, lead & 0x07u, 0x10000};
    return {};
}

} // namespace

std::string gameTextToUtf8(std::string_view gameText)
{
    std::string utf8;
    utf8.reserve(gameText.size());
    for (const char c : gameText) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

GameTextFromUtf8 gameTextFromUtf8(std::string_view utf8)
{
    GameTextFromUtf8 result;
    result.gameText.reserve(utf8.size());
    const auto notUtf8 = [&result](unsigned char byte) {
        result.gameText.clear();
        result.fault = GameTextFromUtf8::Fault::NotUtf8;
        result.byte = byte;
        return result;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            result.gameText.push_back(utf8[i]);
            ++i;
            continue;
        }
        const Sequence sequence = sequenceStartedBy(lead);
        if (sequence.length == 0 || sequence.length > utf8.size() - i)
            return notUtf8(lead);
        std::uint32_t code = sequence.firstBits;
        for (std::size_t k = 1; k < sequence.length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                return notUtf8(lead);
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < sequence.least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return notUtf8(lead);
        if (code > 0xFF) {
            result.gameText.clear();
            result.fault = GameTextFromUtf8::Fault::NoSingleByteForm;
            result.character = std::string(utf8.substr(i, sequence.length));
            return result;
        }
        result.gameText.push_back(static_cast<char>(code));
        i += sequence.length;
    }
    return result;
}

std::string GameTextFromUtf8::refusal() const
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    switch (fault) {
    case Fault::None: return {};
    case Fault::NoSingleByteForm: return "\"" + character + "\" cannot be stored in the game's text";
    case Fault::NotUtf8: return std::string("byte 0x") + kHex[byte >> 4] + kHex[byte & 0x0F] + " is not valid UTF-8";
    }
    return {};
}

} // namespace plorik
