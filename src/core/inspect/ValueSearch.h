#pragma once

#include "controls/Windows.h"
#include "craft/SlotBuffer.h"
#include "form/Form.h"
#include "profile/VersionProfile.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace plorik {

// The Development page's "&Compare:" group: "Find" lists the offsets of the slot's craft entry (or
// of its ship type entry) that hold a value, "Compare" shows which of them hold another value in
// another slot. The match list lives from one "Find" to the next, across slots; it does not record
// which block it came from.
class ValueSearch {
public:
    static constexpr std::size_t kMostMatches = 500;

    struct Slot {
        const VersionProfile& profile;
        const SlotBuffer& buffer;
        std::filesystem::path executable;
    };

    void find(MainForm& form, const Slot& slot);
    void compare(MainForm& form, const Slot& slot);

private:
    std::vector<std::uint16_t> m_matches;
};

} // namespace plorik
