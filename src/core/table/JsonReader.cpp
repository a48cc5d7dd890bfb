#include "table/JsonReader.h"

#include "form/GameTextUtf8.h"

#include <algorithm>
#include <cstdio>

namespace plorik {

JsonValue::JsonValue() = default;
JsonValue::JsonValue(const JsonValue&) = default;
JsonValue::JsonValue(JsonValue&&) noexcept = default;
JsonValue& JsonValue::operator=(const JsonValue&) = default;
JsonValue& JsonValue::operator=(JsonValue&&) noexcept = default;
JsonValue::~JsonValue() = default;

namespace {

constexpr std::size_t kDeepest = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    JsonRead read()
    {
        JsonRead result;
        skipSpace();
        bool read = value(result.value, 0);
        skipSpace();
        if (read && m_at != m_text.size())
            read = fail("text after the value");
        if (!read) {
            result.fault = m_fault;
            result.faultOffset = m_at;
        }
        return result;
    }

private:
    bool fail(const char* why)
    {
        if (m_fault.empty())
            m_fault = why;
        return false;
    }
    void skipSpace()
    {
        while (m_at < m_text.size() &&
               (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }
    bool take(char c)
    {
        skipSpace();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool word(std::string_view w)
    {
        if (m_text.substr(m_at, w.size()) != w)
            return fail("not a JSON value");
        m_at += w.size();
        return true;
    }

    bool value(JsonValue& out, std::size_t depth)
    {
        if (depth > kDeepest)
            return fail("nested too deeply");
        skipSpace();
        if (m_at >= m_text.size())
            return fail("the text ends where a value should be");
        const char c = m_text[m_at];
        if (c == '{')
            return object(out, depth);
        if (c == '[')
            return array(out, depth);
        if (c == '"') {
            out.kind = JsonValue::Kind::String;
            return string(out.text);
        }
        if (c == 't' || c == 'f') {
            out.kind = JsonValue::Kind::Bool;
            out.boolean = c == 't';
            return word(c == 't' ? "true" : "false");
        }
        if (c == 'n')
            return word("null");
        return number(out);
    }

    bool object(JsonValue& out, std::size_t depth)
    {
        out.kind = JsonValue::Kind::Object;
        ++m_at;
        if (take('}'))
            return true;
        do {
            skipSpace();
            std::string key;
            if (m_at >= m_text.size() || m_text[m_at] != '"')
                return fail("an object's key is not a string");
            if (!string(key))
                return false;
            if (out.member(key))
                return fail("a key appears twice in one object");
            if (!take(':'))
                return fail("no colon after an object's key");
            JsonValue member;
            if (!value(member, depth + 1))
                return false;
            out.members.emplace_back(std::move(key), std::move(member));
        } while (take(','));
        return take('}') || fail("an object is not closed");
    }

    bool array(JsonValue& out, std::size_t depth)
    {
        out.kind = JsonValue::Kind::Array;
        ++m_at;
        if (take(']'))
            return true;
        do {
            JsonValue item;
            if (!value(item, depth + 1))
                return false;
            out.items.push_back(std::move(item));
        } while (take(','));
        return take(']') || fail("an array is not closed");
    }

    bool number(JsonValue& out)
    {
        const std::size_t start = m_at;
        const auto digits = [&] {
            const std::size_t from = m_at;
            while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9')
                ++m_at;
            return m_at - from;
        };
        if (m_at < m_text.size() && m_text[m_at] == '-')
            ++m_at;
        const std::size_t first = m_at;
        if (digits() == 0 || (m_text[first] == '0' && m_at - first > 1))
            return fail("not a JSON value");
        if (m_at < m_text.size() && m_text[m_at] == '.') {
            ++m_at;
            if (digits() == 0)
                return fail("a number has no digits after its point");
        }
        if (m_at < m_text.size() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
            ++m_at;
            if (m_at < m_text.size() && (m_text[m_at] == '+' || m_text[m_at] == '-'))
                ++m_at;
            if (digits() == 0)
                return fail("a number has no digits in its exponent");
        }
        out.kind = JsonValue::Kind::Number;
        out.text = std::string(m_text.substr(start, m_at - start));
        return true;
    }

    static void appendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool hex4(unsigned& code)
    {
        if (m_at + 4 > m_text.size())
            return fail("a \\u escape has not four hex digits");
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<unsigned>(c - 'A' + 10);
            else
                return fail("a \\u escape has not four hex digits");
        }
        return true;
    }

    bool string(std::string& out)
    {
        ++m_at;
        std::string raw;
        for (;;) {
            if (m_at >= m_text.size())
                return fail("a string is not closed");
            const char c = m_text[m_at++];
            if (c == '"')
                break;
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("a control character inside a string");
            if (c != '\\') {
                raw += c;
                continue;
            }
            if (m_at >= m_text.size())
                return fail("a string is not closed");
            const char escape = m_text[m_at++];
            const std::string_view simple = "\"\\/bfnrt";
            const std::string_view meaning = "\"\\/\b\f\n\r\t";
            if (const std::size_t at = simple.find(escape); at != std::string_view::npos) {
                raw += meaning[at];
                continue;
            }
            if (escape != 'u')
                return fail("an unknown escape in a string");
            unsigned code = 0;
            if (!hex4(code))
                return false;
            if (code >= 0xD800 && code < 0xDC00) {
                unsigned low = 0;
                if (m_text.substr(m_at, 2) != "\\u" || (m_at += 2, !hex4(low)) || low < 0xDC00 || low >= 0xE000)
                    return fail("a lone surrogate in a string");
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            } else if (code >= 0xDC00 && code < 0xE000) {
                return fail("a lone surrogate in a string");
            }
            appendUtf8(raw, code);
        }
        // The raw bytes must be UTF-8: checked by reading them as game text would, past U+00FF too.
        const GameTextFromUtf8 check = gameTextFromUtf8(raw);
        if (check.fault == GameTextFromUtf8::Fault::NotUtf8)
            return fail("a string is not valid UTF-8");
        out = std::move(raw);
        return true;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string m_fault;
};

} // namespace

const JsonValue* JsonValue::member(std::string_view key) const
{
    const auto found = std::find_if(members.begin(), members.end(), [&](const auto& m) { return m.first == key; });
    return found == members.end() ? nullptr : &found->second;
}

JsonRead readJson(std::string_view text)
{
    return Parser(text).read();
}

std::string jsonQuoted(std::string_view utf8)
{
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

} // namespace plorik
