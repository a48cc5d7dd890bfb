#pragma once

#include "common/Prompter.h"
#include "controls/Windows.h"
#include "form/Form.h"
#include "io/ExecutableView.h"
#include "io/FilePatch.h"
#include "io/PlannedWrite.h"
#include "profile/VersionProfile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// What the weapon editor works with.
struct WeaponEditorContext {
    WeaponForm& window;
    Prompter& prompter;
    const VersionProfile& profile;
    std::string gameDir;
    std::filesystem::path executable;
    // Told everything "Write Wpn." will change before its first byte (the history of writes).
    BeforeWrite beforeWrite = {};
    // Bytes the editor shows in place of the executable's (a backup image's blocks), or none.
    const std::vector<LaidBytes>* laid = nullptr;
};

// The commands of the "PLORIK Weapon editor" window: the weapon block at WEAPONOFFSET and, for
// XWA, the weapons' OPT records and FlightModels\EQUIPMENT0.LST.
class WeaponEditor {
public:
    explicit WeaponEditor(WeaponEditorContext context) : m_context(std::move(context)) {}

    // A change of the "Weapon:" choice (and the start): the chosen weapon's values.
    void show();
    // A change of the "Category:" choice: its number into the box beside it.
    void categoryChosen();
    // "Write Wpn.": every value checked, then the list file and the executable written.
    void write();

private:
    struct Plan {
        std::vector<FilePatch> regions;         // the weapon's values in the block; its OPT record (XWA)
        std::optional<std::string> listContent; // the list file's new content
        std::int64_t modelIndex = 0;            // where the model went in the list
    };

    Control& control(WeaponKey key) { return m_context.window[key]; }
    bool xwa() const { return m_context.profile.isXwa(); }
    // The chosen weapon; throws RangeError (with `suffix`) when none is chosen or it is above 255.
    std::int32_t chosenWeapon(const std::string& suffix);
    // Why the weapon's fields cannot lie in the block, or nullopt.
    std::optional<std::string> outsideBlock(std::int32_t weapon);
    bool hasOptRecords() const;
    std::int64_t optRecordOffset(std::int32_t weapon) const;
    std::filesystem::path equipmentList() const;
    void showOptRecord(std::int32_t weapon);
    Plan plan(std::int32_t weapon);
    void commit(const Plan& plan);
    void refuse(const std::string& text);

    WeaponEditorContext m_context;
};

} // namespace plorik
