#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace plorik::cli {

// A JSON value for the command line's results: null, bool, number, string, array or object.
// Objects keep their keys in the order they were first set, so results read the same every run.
// Strings hold the game's single-byte text; the writer turns each byte into the character of the
// same value (0xE9 is "é"), which is how the game's files mean them.
class Json {
public:
    using Array = std::vector<Json>;
    using Member = std::pair<std::string, Json>;
    using Object = std::vector<Member>;

    Json() = default;
    Json(std::nullptr_t) {}
    Json(bool value) : m_value(value) {}
    template <std::integral T>
    requires(!std::same_as<T, bool>) Json(T value) : m_value(static_cast<std::int64_t>(value)) {}
    Json(double value) : m_value(value) {}
    Json(std::string value) : m_value(std::move(value)) {}
    Json(std::string_view value) : m_value(std::string(value)) {}
    Json(const char* value) : m_value(std::string(value)) {}

    static Json array() { return Json(Array{}); }
    static Json object() { return Json(Object{}); }
    static Json arrayOf(const std::vector<std::string>& texts);

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(m_value); }
    bool isArray() const { return std::holds_alternative<Array>(m_value); }
    bool isObject() const { return std::holds_alternative<Object>(m_value); }

    // Appends to an array (a null value becomes an empty array first).
    Json& push(Json value);
    // Sets an object's member: an existing key keeps its place, a new one goes last (a null value
    // becomes an empty object first).
    Json& set(std::string_view key, Json value);
    // The member of that key, or nullptr.
    const Json* find(std::string_view key) const;
    std::size_t size() const;

    // Compact text on one line.
    std::string dump() const;

private:
    explicit Json(Array value) : m_value(std::move(value)) {}
    explicit Json(Object value) : m_value(std::move(value)) {}
    void write(std::string& out) const;

    std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> m_value;
};

// A quoted JSON string of single-byte game text (bytes 0x80..0xFF become U+0080..U+00FF).
std::string jsonString(std::string_view gameText);

} // namespace plorik::cli
