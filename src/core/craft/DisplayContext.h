#pragma once

#include "controls/Windows.h"
#include "craft/SlotBuffer.h"
#include "form/Form.h"
#include "io/ExecutableView.h"
#include "profile/VersionProfile.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// Everything one display of a slot reads: the window's form, the profile, the slot buffer, the
// game's files, and the executable, open for reading while the display runs.
struct DisplayContext {
    MainForm& form;
    const VersionProfile& profile;
    const SlotBuffer& slot;
    std::int32_t slotOffset;
    std::string gameDir;
    std::filesystem::path executable;
    std::filesystem::path dataFile;
    const ExecutableView* exe = nullptr;
    // The text between the skirmish field and the icon string of the slot's ship list line, kept
    // for the write.
    std::string* shipListSeparator = nullptr;
    // Bytes the display sees in place of the executable's (a backup image's blocks), or none.
    const std::vector<LaidBytes>* laid = nullptr;

    bool xwa() const { return profile.isXwa(); }
    std::int32_t slotNumber() const { return slotOffset / profile.entryLength() + 1; }
    std::int32_t slotIndex() const { return slotNumber() - 1; }
    std::filesystem::path gameFile(std::string_view name) const;
    Control& operator[](MainKey key) const { return form[key]; }

    // The buffer position of a field `width` bytes wide at `offset` past the key's position, or
    // nullopt when the key is absent or the field would reach position 1000, which is never a field.
    std::optional<std::size_t> field(Key key, std::int32_t offset, std::int32_t width) const;
    std::optional<std::size_t> field(Key key, std::int32_t width) const { return field(key, 0, width); }
};

} // namespace plorik
