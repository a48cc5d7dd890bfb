#include "DemoCraft.h"
#include "DemoLayout.h"
#include "GameBuilder.h"

#include <bit>

namespace plorik::testing {

namespace {

// Codes that the shipped [XWA WEAPON TYPES] carries.
constexpr int kXwaWeaponCodes[] = {280, 281, 282, 283, 284, 285, 286, 287, 288, 289, 290, 291};

// The float the XWA demo keeps at 380: a whole number, more digits than seven, a large negative,
// and otherwise the slot and a quarter.
float demoFloat(std::int32_t slot)
{
    switch (slot) {
    case 4: return 4.0f;
    case 7: return 3.14159265f;
    case 8: return -1234567.875f;
    default: return static_cast<float>(slot) + 0.25f;
    }
}

// Writes the fields of one craft entry; a field whose key is absent, or that would not fit into the
// entry, is left out.
class EntryWriter {
public:
    EntryWriter(const DemoLayout& layout, std::vector<std::uint8_t>& bytes) : m_layout(layout), m_bytes(bytes) {}

    void put(const char* key, std::int64_t offset, std::int64_t value, int width)
    {
        if (!m_layout.has(key))
            return;
        putAt(m_layout.value(key) + offset, value, width);
    }

    void putAt(std::int64_t at, std::int64_t value, int width)
    {
        if (at < 0 || at + width > static_cast<std::int64_t>(m_bytes.size()))
            return;
        for (int i = 0; i < width; ++i)
            m_bytes[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }

    void text(const char* key, const std::string& text)
    {
        if (!m_layout.has(key))
            return;
        const std::int64_t at = m_layout.value(key);
        for (std::size_t i = 0; i < text.size(); ++i)
            putAt(at + static_cast<std::int64_t>(i), static_cast<unsigned char>(text[i]), 1);
        putAt(at + static_cast<std::int64_t>(text.size()), 0, 1);
    }

private:
    const DemoLayout& m_layout;
    std::vector<std::uint8_t>& m_bytes;
};

} // namespace

std::string GameBuilder::iffName(std::int32_t slot) const
{
    return (m_xwa ? "Iff-" : "Id-") + std::to_string(slot);
}

std::vector<std::uint8_t> GameBuilder::craftEntry(std::int32_t slot) const
{
    const DemoLayout layout(m_entry);
    const bool xwa = layout.xwa();
    std::vector<std::uint8_t> entry(static_cast<std::size_t>(layout.value("ENTRYLENGTH")));
    for (std::size_t p = 0; p < entry.size(); ++p)
        entry[p] = static_cast<std::uint8_t>((slot * 31 + static_cast<std::int32_t>(p) * 7 + 11) & 0xFF);

    EntryWriter w(layout, entry);
    w.text("IFFNAME", iffName(slot));
    const int statWidth = xwa ? 2 : 1;
    w.put("SHIELDRECHARGE", 0, xwa ? 100 + slot * 3 : 10 + slot, statWidth);
    w.put("SHIELDDECHARGE", 0, 20 + slot, statWidth);
    w.put("LASERRECHARGE", 0, xwa ? 300 + slot : 30 + slot, statWidth);
    w.put("SYSTEM", 0, 40 + slot % 50, 1);
    w.put("SENSITIVITY", 0, 50 + slot % 40, 1);
    w.put("HYPERDRIVE", 0, slot % 3, 1);
    w.put("SHIELDGENERATOR", 0, slot % 3 != 0 ? 1 : 0, 1);
    w.put("COUNTERMEASSURES", 0, slot % 5, 1);
    w.put("POINTVAL", 0, slot % 2 == 0 ? -(100 + slot) : 100 + slot, 2);
    if (xwa) {
        w.put("SHIELDPOWER", 0, 70000 + 1000 * slot, 4);
        w.put("HULLRATING", 0, 100000 + 105 * slot, 4);
    } else {
        w.put("SHIELDPOWER", 0, 5000 + 50 * slot, 2);
        w.put("HULLRATING", 0, 2100 + 105 * slot, 2);
    }
    w.put("EXPPOWER", 0, slot % 2 == 1 ? 3000000000LL + slot : 123456 + slot, 4);
    w.put("SPEED", 0, 225 + slot, 2);
    w.put("ACC", 0, 200 + slot % 50, 1);
    w.put("DEACC", 0, 180 + slot % 40, 1);
    w.put("ROLL", 0, 40 + slot % 20, 1);
    w.put("PITCH", 0, 30 + slot % 20, 1);
    // 99 is a boot line; 7 has no line before the next section.
    w.put("GUNCONVERGENCE", 0, slot == 9 ? 99 : slot == 13 ? 7 : slot % 6, 1);
    w.text("INTFILE", xwa ? "Cockpit" + std::to_string(slot) : "CPIT" + std::to_string(slot % 100));
    for (int k = 0; k < 19; ++k)
        w.put("COCKPITPOV", 2 * k, (k % 2 ? -1 : 1) * (slot * 10 + k * 3), 2);
    // The turrets' activation: off, on, or a value the list does not offer.
    w.put("COCKPITPOV", 26, slot % 3 == 0 ? 0 : slot % 3 == 1 ? 317 : 12, 2);
    w.put("COCKPITPOV", 28, slot % 2 == 0 ? 317 : 0, 2);
    if (xwa) {
        w.put("WEAPONSTATSSTART", 0, slot == 11 ? 299 : kXwaWeaponCodes[slot % 12], 2);
        w.put("WEAPONSTATSSTART", 2, kXwaWeaponCodes[(slot + 1) % 12], 2);
        w.put("WEAPONSTATSSTART", 4, slot == 3 ? 999 : 0, 2); // 999 has no line: shows as unknown
        w.put("WEAPONSTATSSTART", 36, kXwaWeaponCodes[(slot + 5) % 12], 2);
        w.put("WEAPONSTATSSTART", 38, kXwaWeaponCodes[(slot + 6) % 12], 2);
        for (int k = 0; k < 104; ++k)
            w.put("WEAPONSTATSSTART", 48 + 2 * k, (k % 3 == 1 ? -1 : 1) * (slot + k * 5), 2);
        // Free values for the Unknown page: a signed long, a float and a letter.
        w.putAt(376, slot % 2 == 1 ? -(100000 + slot) : 100000 + slot, 4);
        w.putAt(380, std::bit_cast<std::uint32_t>(demoFloat(slot)), 4);
        w.putAt(384, 'A' + (slot - 1) % 26, 1);
    } else {
        w.put("WEAPONSTATSSTART", 0, slot % 10, 1); // 8 is a boot line
        w.put("WEAPONSTATSSTART", 1, (slot + 3) % 8, 1);
        w.put("WEAPONSTATSSTART", 10, 10 + slot % 4, 1);
        w.put("WEAPONSTATSSTART", 11, 11 + slot % 4, 1);
        for (int k = 0; k < 48; ++k)
            w.put("WEAPONSTATSSTART", 48 + 2 * k, (k % 3 == 1 ? -1 : 1) * (slot + k * 5), 2);
        // Free values for the Unknown page: a byte and a word above 32767.
        w.putAt(224, 200 + slot % 50, 1);
        w.putAt(226, 40000 + slot, 2);
    }
    for (const CraftPatch& patch : m_patches) {
        if (patch.slot != slot || !layout.has(patch.key))
            continue;
        const std::int64_t at = layout.value(patch.key) + patch.offset;
        for (std::size_t i = 0; i < patch.bytes.size(); ++i)
            w.putAt(at + static_cast<std::int64_t>(i), patch.bytes[i], 1);
    }
    return entry;
}

void GameBuilder::writeExecutable(const std::filesystem::path& path) const
{
    const DemoLayout layout(m_entry);
    const std::int32_t slots = layout.slots();
    std::vector<std::uint8_t> exe(m_exeSize != 0 ? m_exeSize : layout.xwa() ? 0x20000 : 0x10000);
    for (std::size_t p = 0; p < exe.size(); ++p)
        exe[p] = static_cast<std::uint8_t>((p * 13 + 5) & 0xFF);
    const std::string& signature = m_entry.signature;
    for (std::size_t i = 0; i < signature.size(); ++i)
        exe.at(static_cast<std::size_t>(m_entry.identificationOffset) + i) = static_cast<std::uint8_t>(signature[i]);

    const std::int64_t craftOffset = layout.value("CRAFTOFFSET");
    const std::int64_t entryLength = layout.value("ENTRYLENGTH");
    for (std::int32_t slot = 1; slot <= slots; ++slot) {
        const std::vector<std::uint8_t> entry = craftEntry(slot);
        std::copy(entry.begin(), entry.end(), exe.begin() + craftOffset + (slot - 1) * entryLength);
    }
    writeShipTypes(exe);
    writeWeapons(exe);
    if (layout.has("SPECNOOFFSET")) {
        // Entry k holds the slot whose species is k (0 for none).
        const std::int64_t start = layout.value("SPECNOOFFSET");
        for (std::int32_t k = 1; k <= slots; ++k) {
            const std::int32_t slot = slotOfSpecies(k);
            exe.at(static_cast<std::size_t>(start + 2 * (k - 1))) = static_cast<std::uint8_t>(slot & 0xFF);
            exe.at(static_cast<std::size_t>(start + 2 * (k - 1) + 1)) = static_cast<std::uint8_t>(slot >> 8);
        }
    }
    std::string bytes(exe.begin(), exe.end());
    writeFile(path, bytes);
}

} // namespace plorik::testing
