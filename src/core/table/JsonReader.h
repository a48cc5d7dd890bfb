#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// A JSON value as read: strings stay UTF-8; numbers keep their text.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    // Made and destroyed out of line, where the members' pair of a key and a JsonValue is complete:
    // some standard libraries want it complete as soon as the vector's members are made.
    JsonValue();
    JsonValue(const JsonValue&);
    JsonValue(JsonValue&&) noexcept;
    JsonValue& operator=(const JsonValue&);
    JsonValue& operator=(JsonValue&&) noexcept;
    ~JsonValue();

    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text; // a string's characters, a number's text
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members; // in the order written

    const JsonValue* member(std::string_view key) const;
};

struct JsonRead {
    JsonValue value;
    std::string fault; // empty when the text is one well-formed JSON value
    std::size_t faultOffset = 0;
};

// Reads RFC 8259 JSON strictly: no comments, no trailing commas, no duplicate keys in an object,
// nothing after the value but white space, strings valid UTF-8.
JsonRead readJson(std::string_view text);

// A JSON string of UTF-8 text, quoted and escaped.
std::string jsonQuoted(std::string_view utf8);

} // namespace plorik
