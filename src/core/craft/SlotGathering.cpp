#include "craft/SlotGathering.h"
#include "craft/Placeholders.h"

#include "controls/MainWindowControls.h"
#include "text/NumberRule.h"

namespace plorik {

std::int64_t SlotGathering::number(MainKey control) const
{
    return readNumber(m_form[control].text());
}

// A field left as shown keeps its bytes; a strength is stored again when the ship type changed.
bool SlotGathering::edited(const StatisticsField& field) const
{
    return !m_profile.absent(field.key) &&
           (edited(*field.control) || (field.followsShipType() && edited(controls::ShipTypeList)));
}

StoredValue SlotGathering::stored(const StatisticsField& field) const
{
    return storedFieldValue(field, m_form[*field.control], m_form[controls::ShipTypeList].index());
}

std::optional<std::string> SlotGathering::refusal() const
{
    // Only what will be stored can be refused.
    for (const StatisticsField& field : kStatisticsFields) {
        if (!edited(field))
            continue;
        if (auto refused = stored(field).refusal)
            return refused;
    }
    return std::nullopt;
}

bool SlotGathering::storeByte(Key key, std::int32_t offset, std::int64_t value)
{
    if (m_profile.absent(key))
        return false;
    const std::int64_t at = std::int64_t{m_profile.held(key)} + offset;
    if (at < 0 || at + 1 > static_cast<std::int64_t>(SlotBuffer::kSize) - 1)
        return false; // beyond the buffer: never written
    m_slot.setByte(static_cast<std::size_t>(at), static_cast<std::uint8_t>(value & 0xFF));
    return true;
}

bool SlotGathering::storeWord(Key key, std::int32_t offset, std::int64_t value)
{
    if (m_profile.absent(key) || std::int64_t{m_profile.held(key)} + offset + 2 > std::int64_t{SlotBuffer::kSize} - 1)
        return false;
    return storeByte(key, offset, value) && storeByte(key, offset + 1, value >> 8);
}

// A text of 1 to `longest` characters is stored with its 0 byte; an empty one as a single 0 byte;
// a longer one leaves the stored text as it was.
void SlotGathering::storeText(Key key, MainKey control, std::size_t longest)
{
    if (m_profile.absent(key) || !edited(control))
        return;
    const std::string& text = m_form[control].text();
    // "n/a" is what the box shows when the game's files have no such text: nothing to store.
    if (text.size() > longest || text == kNoValue)
        return;
    const std::int64_t start = m_profile.held(key);
    if (start < 0 || start + static_cast<std::int64_t>(text.size()) + 1 > std::int64_t{SlotBuffer::kSize} - 1)
        return;
    for (std::size_t i = 0; i < text.size(); ++i)
        storeByte(key, static_cast<std::int32_t>(i), static_cast<unsigned char>(text[i]));
    storeByte(key, static_cast<std::int32_t>(text.size()), 0);
}

void SlotGathering::gatherField(const StatisticsField& field)
{
    if (!edited(field))
        return;
    const StoredValue value = stored(field);
    if (value.refusal)
        return; // refused before the write began
    if (const auto at = field.position(m_profile))
        m_slot.setValue(*at, field.width(m_profile), value.raw);
}

void SlotGathering::gather()
{
    const bool xwa = m_profile.isXwa();
    storeText(Key::IffName, controls::CraftIDBox, 7);
    for (const StatisticsField& field : kStatisticsFields)
        gatherField(field);
    storeText(Key::IntFile, controls::CockpitBox, xwa ? 18 : 7);
    if (!m_profile.absent(Key::GunConvergence) && edited(controls::GunConvergenceList))
        storeByte(Key::GunConvergence, 0, readLeadingNumber(m_form[controls::GunConvergenceList].text()));
    if (!m_profile.absent(Key::WeaponStatsStart)) {
        if (xwa)
            gatherWeapons(layout::kXwaWeaponRows, layout::kXwaWeaponBytes, layout::kXwaWeaponSlotRows);
        else
            gatherWeapons(layout::kXvtWeaponRows, layout::kXvtWeaponBytes, layout::kXvtWeaponSlotRows);
    }
    if (!m_profile.absent(Key::CockpitPov))
        gatherCockpit();
}

} // namespace plorik
