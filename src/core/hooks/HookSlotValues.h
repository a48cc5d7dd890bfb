#pragma once

#include "craft/SlotBuffer.h"
#include "hooks/HookFields.h"
#include "profile/VersionProfile.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace plorik {

// Where the field a hook key replaces lies in the craft entry as this program reads it. The boxes
// "Roll:" and "Pitch:" hold the high byte of the game's turn rate word, so the game's value is that
// byte, signed, times 256.
struct HookPlace {
    std::size_t position = 0;
    std::int32_t width = 1;
    bool isSigned = false;
    bool highByte = false;
};

// nullopt where the version has no such field, or no page shows it.
std::optional<HookPlace> hookPlace(const HookField& field, const VersionProfile& profile);

// The value the game's field holds, read from the entry.
std::int64_t readHookValue(const HookPlace& place, const SlotBuffer& slot);
// Puts the game's value into the entry; false (nothing changed) when the field cannot hold it.
bool putHookValue(const HookPlace& place, SlotBuffer& slot, std::int64_t value);

// The value to write into a hook file for the game's value `raw`: exact when the hooks turn it back
// into `raw`, otherwise the nearest one, with the value the hooks make of it.
struct HookFileValue {
    std::int64_t value = 0;
    bool exact = true;
    std::int64_t gameValue = 0;
};
HookFileValue hookFileValue(HookConversion conversion, std::int64_t raw, std::int32_t divisor);

} // namespace plorik
