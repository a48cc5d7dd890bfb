#include "DemoEditions.h"

#include "DemoLayout.h"

namespace plorik::testing {

namespace {

std::string hex(std::int64_t value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value > 0);
    return "$" + text;
}

VersionEntry otherEdition(const VersionEntry& loaded, const std::string& name)
{
    const DemoLayout layout(loaded);
    VersionEntry other{name, 0, "NO DEMO EXECUTABLE", {}};
    other.keys.emplace_back("XWATYPE", "1");
    other.keys.emplace_back("Shiptypestart", hex(layout.value("SHIPTYPESTART") + kOtherShipTypeShift));
    other.keys.emplace_back("ENTRYLENGTH", std::to_string(layout.value("ENTRYLENGTH")));
    other.keys.emplace_back("CraftOffset", hex(layout.value("CRAFTOFFSET") + kOtherCraftShift));
    other.keys.emplace_back("WeaponOffset", hex(layout.value("WEAPONOFFSET") + kOtherWeaponShift));
    return other;
}

} // namespace

std::string xwa202DataFile(bool loadedInternational, bool otherEntry)
{
    VersionEntry loaded = demoXwaEntry();
    loaded.name = loadedInternational ? kXwaInternationalEdition : kXwaUsEdition;
    std::vector<VersionEntry> entries{loaded};
    if (otherEntry)
        entries.insert(entries.begin(),
                       otherEdition(loaded, loadedInternational ? kXwaUsEdition : kXwaInternationalEdition));
    return dataFileText(entries);
}

} // namespace plorik::testing
