#pragma once

#include "GameBuilder.h"

#include <cstdint>
#include <map>
#include <string>

namespace plorik::testing {

// The positions a version entry gives, read independently of the program's own reader so that the
// tests do not share its faults. Only plain decimal and "$" hexadecimal values are understood. A
// key given twice takes its later value; -1 and 1000 mark a key as absent.
class DemoLayout {
public:
    explicit DemoLayout(const VersionEntry& entry);

    bool has(const std::string& key) const;
    std::int64_t value(const std::string& key) const; // throws when the entry lacks the key
    std::int64_t valueOr(const std::string& key, std::int64_t fallback) const;
    bool xwa() const { return valueOr("XWATYPE", 0) == 1; }
    std::int32_t slots() const { return static_cast<std::int32_t>(valueOr("LASTCRAFT", 2)); }

private:
    const std::string* text(const std::string& key) const;
    std::map<std::string, std::string> m_values; // by key in capitals, the last value given
};

} // namespace plorik::testing
