#include "changes/SlotComparison.h"

#include "changes/FormChanges.h"
#include "controls/MainWindowControls.h"
#include "controls/WindowForms.h"
#include "craft/CraftTable.h"
#include "craft/SlotDisplay.h"

#include <memory>

namespace plorik {

namespace {

// The tables a slot's records lie in, as one side holds them.
struct Tables {
    std::vector<std::uint8_t> craft;
    std::vector<std::uint8_t> shipTypes;
    std::vector<std::uint8_t> species;
};

std::vector<std::uint8_t> readTable(const ExecutableView& exe, const VersionProfile& profile, Key key,
                                    std::int64_t offset, std::int64_t length)
{
    if (profile.absent(key) || offset < 0 || length <= 0)
        return {};
    return exe.readAt(offset, static_cast<std::size_t>(length));
}

Tables readTables(const ComparedExecutable& side, const VersionProfile& profile)
{
    const BinaryFile file(side.path, BinaryFile::Mode::Read);
    const ExecutableView exe(file, &side.laid);
    const CraftTable table(profile);
    const std::int64_t slots = profile.slotCount();
    Tables tables;
    tables.craft = readTable(exe, profile, Key::CraftOffset, table.craftEntryOffset(1), slots * profile.entryLength());
    tables.shipTypes = readTable(exe, profile, Key::ShipTypeStart, table.shipTypeEntryOffset(1),
                                 slots * profile.held(Key::ShipTypeLen));
    tables.species = readTable(exe, profile, Key::SpecNoOffset, table.speciesEntryOffset(1), 2 * slots);
    return tables;
}

// Whether `length` bytes from `at` differ; a part only one side has counts as a difference.
bool partDiffers(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, std::int64_t at,
                 std::int64_t length)
{
    const auto part = [&](const std::vector<std::uint8_t>& bytes) {
        const auto from = static_cast<std::size_t>(std::min<std::int64_t>(at, static_cast<std::int64_t>(bytes.size())));
        const auto to =
            static_cast<std::size_t>(std::min<std::int64_t>(at + length, static_cast<std::int64_t>(bytes.size())));
        return std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                                         bytes.begin() + static_cast<std::ptrdiff_t>(to));
    };
    return part(a) != part(b);
}

std::int32_t speciesWord(const std::vector<std::uint8_t>& table, std::size_t at)
{
    return at + 1 < table.size() ? table[at] | (table[at + 1] << 8) : -1;
}

bool slotDiffers(const Tables& before, const Tables& after, const VersionProfile& profile, std::int32_t slot)
{
    const std::int64_t index = slot - 1;
    const std::int64_t entry = profile.entryLength();
    const std::int64_t shipType = profile.held(Key::ShipTypeLen);
    if (partDiffers(before.craft, after.craft, index * entry, entry) ||
        partDiffers(before.shipTypes, after.shipTypes, index * shipType, shipType))
        return true;
    // Entry k names the slot whose species number is k + 1: those that name this slot on either side
    // are the slot's own.
    const std::size_t entries = std::max(before.species.size(), after.species.size());
    for (std::size_t at = 0; at + 1 < entries; at += 2) {
        const std::int32_t old = speciesWord(before.species, at);
        const std::int32_t now = speciesWord(after.species, at);
        if ((old == slot || now == slot) && old != now)
            return true;
    }
    return false;
}

// A scratch form of the main window, with every control as the window holds it now.
std::unique_ptr<MainForm> scratchForm(const MainForm& window)
{
    std::unique_ptr<MainForm> form = buildMainWindowForm();
    Form& copy = *form; // every control, by its own key
    for (const auto& control : window.controls())
        copy[control->key()] = *control;
    return form;
}

void show(MainForm& form, const SlotComparison& comparison, const ComparedExecutable& side, std::int32_t slot)
{
    const std::int32_t slotOffset = (slot - 1) * comparison.profile.entryLength();
    SlotBuffer buffer;
    CraftTable(comparison.profile).readSlot(side.path, slotOffset, buffer, &side.laid);
    std::string separator;
    SlotDisplay display(DisplayContext{form, comparison.profile, buffer, slotOffset, comparison.gameDir, side.path,
                                       comparison.dataFile, nullptr, &separator, &side.laid});
    display.fillOutForm(false);
}

class Displays {
public:
    explicit Displays(const SlotComparison& comparison)
        : m_comparison(comparison), m_before(scratchForm(comparison.window)), m_after(scratchForm(comparison.window))
    {
    }

    SlotChanges compare(std::int32_t slot)
    {
        show(*m_before, m_comparison, m_comparison.before, slot);
        show(*m_after, m_comparison, m_comparison.after, slot);
        return {slot, (*m_after)[controls::CraftNameBox].text(), formChanges(*m_before, *m_after)};
    }

private:
    const SlotComparison& m_comparison;
    std::unique_ptr<MainForm> m_before;
    std::unique_ptr<MainForm> m_after;
};

} // namespace

std::vector<SlotChanges> compareSlots(const SlotComparison& comparison, std::int32_t first, std::int32_t last)
{
    const Tables before = readTables(comparison.before, comparison.profile);
    const Tables after = readTables(comparison.after, comparison.profile);
    std::vector<SlotChanges> changes;
    std::optional<Displays> displays;
    for (std::int32_t slot = std::max(first, 1); slot <= std::min(last, comparison.profile.slotCount()); ++slot) {
        if (!slotDiffers(before, after, comparison.profile, slot))
            continue;
        if (!displays)
            displays.emplace(comparison);
        changes.push_back(displays->compare(slot));
    }
    return changes;
}

std::vector<FieldChange> compareSlot(const SlotComparison& comparison, std::int32_t slot)
{
    return Displays(comparison).compare(slot).fields;
}

} // namespace plorik
