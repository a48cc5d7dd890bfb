#pragma once

#include "profile/ProfileKey.h"

#include <array>
#include <cstdint>
#include <string>

namespace plorik {

// The values of one version entry of data.txt: everything the editor knows about an executable.
class VersionProfile {
public:
    VersionProfile();

    // The value as held: "value minus 1" keys 0-based, -1 in the file already turned into 1000.
    std::int32_t held(Key key) const { return m_held[index(key)]; }
    // The value as written in data.txt (after the number rule and the -1 replacement), or the
    // default where the entry does not give the key.
    std::int32_t written(Key key) const { return m_written[index(key)]; }
    bool given(Key key) const { return m_given[index(key)]; }
    // A field position or table start of 1000 means the version has no such field. Line numbers
    // count as written, so "-1" (which becomes 1000) marks them absent too.
    bool absent(Key key) const { return keyInfo(key).heldMinusOne ? written(key) == kAbsent : held(key) == kAbsent; }

    // Sets a key from its written value; throws RangeError when it does not fit the key's width (a
    // value beyond 32 bits fits none).
    void set(Key key, std::int64_t writtenValue);

    const std::string& unknownText(std::size_t row, UnknownColumn column) const
    {
        return m_unknown[row][static_cast<std::size_t>(column)];
    }
    void setUnknownText(std::size_t row, UnknownColumn column, std::string text)
    {
        m_unknown[row][static_cast<std::size_t>(column)] = std::move(text);
    }

    // X-Wing Alliance when XWATYPE is 1; anything else is the X-Wing vs. TIE Fighter family.
    bool isXwa() const { return held(Key::XwaType) == 1; }
    // Slots are numbered 1 to slotCount().
    std::int32_t slotCount() const { return held(Key::LastCraft) + 1; }
    std::int32_t entryLength() const { return held(Key::EntryLength); }

private:
    static std::size_t index(Key key) { return static_cast<std::size_t>(key); }
    std::array<std::int32_t, kKeyCount> m_held{};
    std::array<std::int32_t, kKeyCount> m_written{};
    std::array<bool, kKeyCount> m_given{};
    std::array<std::array<std::string, 4>, kUnknownRows> m_unknown{};
};

} // namespace plorik
