#pragma once

#include "controls/MainWindowControls.h"
#include "controls/Windows.h"
#include "craft/CraftLayout.h"
#include "craft/SlotBuffer.h"
#include "craft/StatisticsFields.h"
#include "form/Form.h"
#include "form/ShownForm.h"
#include "profile/VersionProfile.h"

#include <optional>
#include <span>
#include <string>

namespace plorik {

// Turns the edited fields of the Statistics, Weaponry, Wpn. Slots and Cockpit pages back into the
// bytes of the craft entry. A field whose control still shows what the display showed keeps its
// bytes, as does every other byte of the buffer.
class SlotGathering {
public:
    SlotGathering(const MainForm& form, const ShownForm& shown, const VersionProfile& profile, SlotBuffer& slot)
        : m_form(form), m_shown(shown), m_profile(profile), m_slot(slot)
    {
    }

    // A field whose value cannot be stored: its caption and allowed range, for the error box.
    // Checked before anything is gathered or written.
    std::optional<std::string> refusal() const;

    void gather();

private:
    bool storeByte(Key key, std::int32_t offset, std::int64_t value);
    bool storeWord(Key key, std::int32_t offset, std::int64_t value);
    void storeText(Key key, MainKey control, std::size_t longest);
    void gatherField(const StatisticsField& field);
    void gatherWeapons(std::span<const layout::WeaponRow> rows, std::span<const layout::Field> bytes,
                       std::size_t slotRows);
    void gatherWeaponSlots(std::size_t rows);
    void gatherCockpit();
    std::int64_t number(MainKey control) const;
    bool edited(MainKey control) const { return m_shown.changed(m_form, control); }
    bool edited(const StatisticsField& field) const;
    StoredValue stored(const StatisticsField& field) const;

    const MainForm& m_form;
    const ShownForm& m_shown;
    const VersionProfile& m_profile;
    SlotBuffer& m_slot;
};

} // namespace plorik
