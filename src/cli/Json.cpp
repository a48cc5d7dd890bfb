#include "Json.h"

#include "form/GameTextUtf8.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace plorik::cli {

namespace {

// Escapes first: escaping touches only ASCII, so the game's other bytes pass to the one mapping.
void appendString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(text.size() + 2);
    escaped.push_back('"');
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': escaped += "\\\""; continue;
        case '\\': escaped += "\\\\"; continue;
        case '\b': escaped += "\\b"; continue;
        case '\f': escaped += "\\f"; continue;
        case '\n': escaped += "\\n"; continue;
        case '\r': escaped += "\\r"; continue;
        case '\t': escaped += "\\t"; continue;
        default: break;
        }
        if (byte < 0x20) {
            escaped += "\\u00";
            escaped.push_back(kHex[byte >> 4]);
            escaped.push_back(kHex[byte & 0x0F]);
        } else {
            escaped.push_back(c);
        }
    }
    escaped.push_back('"');
    out += gameTextToUtf8(escaped);
}

} // namespace

Json Json::arrayOf(const std::vector<std::string>& texts)
{
    Array array;
    array.reserve(texts.size());
    for (const std::string& text : texts)
        array.emplace_back(text);
    return Json(std::move(array));
}

Json& Json::push(Json value)
{
    if (isNull())
        m_value = Array{};
    Array* array = std::get_if<Array>(&m_value);
    if (!array)
        throw std::logic_error("JSON push on a value that is not an array");
    array->push_back(std::move(value));
    return array->back();
}

Json& Json::set(std::string_view key, Json value)
{
    if (isNull())
        m_value = Object{};
    Object* object = std::get_if<Object>(&m_value);
    if (!object)
        throw std::logic_error("JSON member set on a value that is not an object");
    for (Member& member : *object) {
        if (member.first == key) {
            member.second = std::move(value);
            return member.second;
        }
    }
    object->emplace_back(std::string(key), std::move(value));
    return object->back().second;
}

const Json* Json::find(std::string_view key) const
{
    if (const Object* object = std::get_if<Object>(&m_value)) {
        for (const Member& member : *object) {
            if (member.first == key)
                return &member.second;
        }
    }
    return nullptr;
}

std::size_t Json::size() const
{
    if (const Array* array = std::get_if<Array>(&m_value))
        return array->size();
    if (const Object* object = std::get_if<Object>(&m_value))
        return object->size();
    return 0;
}

std::string Json::dump() const
{
    std::string out;
    write(out);
    return out;
}

void Json::write(std::string& out) const
{
    if (std::holds_alternative<std::nullptr_t>(m_value)) {
        out += "null";
    } else if (const bool* flag = std::get_if<bool>(&m_value)) {
        out += *flag ? "true" : "false";
    } else if (const std::int64_t* number = std::get_if<std::int64_t>(&m_value)) {
        out += std::to_string(*number);
    } else if (const double* real = std::get_if<double>(&m_value)) {
        if (!std::isfinite(*real)) {
            out += "null"; // JSON has no infinities
        } else {
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, *real);
            out.append(buffer, result.ptr);
        }
    } else if (const std::string* text = std::get_if<std::string>(&m_value)) {
        appendString(out, *text);
    } else if (const Array* array = std::get_if<Array>(&m_value)) {
        out.push_back('[');
        for (std::size_t i = 0; i < array->size(); ++i) {
            if (i > 0)
                out.push_back(',');
            (*array)[i].write(out);
        }
        out.push_back(']');
    } else if (const Object* object = std::get_if<Object>(&m_value)) {
        out.push_back('{');
        for (std::size_t i = 0; i < object->size(); ++i) {
            if (i > 0)
                out.push_back(',');
            appendString(out, (*object)[i].first);
            out.push_back(':');
            (*object)[i].second.write(out);
        }
        out.push_back('}');
    }
}

std::string jsonString(std::string_view gameText)
{
    std::string out;
    appendString(out, gameText);
    return out;
}

} // namespace plorik::cli
