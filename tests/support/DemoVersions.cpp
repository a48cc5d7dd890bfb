#include "GameBuilder.h"

namespace plorik::testing {

namespace {

void key(VersionEntry& entry, const std::string& name, const std::string& value)
{
    entry.keys.emplace_back(name, value);
}

} // namespace

std::string VersionEntry::render() const
{
    std::string text = "Version = " + name + "\r\n";
    text += "Check offset = " + std::to_string(identificationOffset) + "\r\n";
    text += "Check string  = " + signature + "\r\n";
    for (const auto& [name, value] : keys) {
        // The free-value keys keep their text as written after "=", so it goes there without a blank.
        const bool textKey = name.rfind("UNKNOWN", 0) == 0;
        text += name + (textKey ? " =" : " = ") + value + "\r\n";
    }
    return text;
}

// X-Wing vs. TIE Fighter family: byte-wide statistics, no species table, positional descriptions.
VersionEntry demoXvtEntry()
{
    VersionEntry entry{"PLORIK Demo XvT", 256, "PLORIK DEMO XVT", {}};
    key(entry, "INTPANOFFSET", "4400");
    key(entry, "WEAPONOFFSET", "$8000");
    key(entry, "CRAFTOFFSET", "$1000");
    key(entry, "ENTRYLENGTH", "240");
    key(entry, "LASTCRAFT", "80");
    key(entry, "IFFNAME", "0");
    key(entry, "SHIELDRECHARGE", "8");
    key(entry, "SHIELDDECHARGE", "9");
    key(entry, "LASERRECHARGE", "10");
    key(entry, "SYSTEM", "11");
    key(entry, "SENSITIVITY", "12");
    key(entry, "HYPERDRIVE", "13");
    key(entry, "SHIELDGENERATOR", "14");
    key(entry, "COUNTERMEASSURES", "15");
    key(entry, "POINTVAL", "16");
    key(entry, "SHIELDPOWER", "18");
    key(entry, "HULLRATING", "20");
    key(entry, "EXPPOWER", "22");
    key(entry, "SPEED", "26");
    key(entry, "ACC", "28");
    key(entry, "DEACC", "29");
    key(entry, "ROLL", "30");
    key(entry, "PITCH", "31");
    key(entry, "GUNCONVERGENCE", "32");
    key(entry, "INTFILE", "34");
    key(entry, "COCKPITPOV", "42");
    key(entry, "WEAPONSTATSSTART", "80");
    key(entry, "SHIPTYPESTART", "$6003");
    key(entry, "SHIPTYPELEN", "28");
    key(entry, "GENDERSTRTLINE", "10");
    key(entry, "PLURALSTRTLINE", "101");
    key(entry, "SHORTNAMESLINE", "201");
    key(entry, "LONGNAMESTRTLINE", "21");
    key(entry, "UNKNOWN1NAME", "Free byte 224");
    key(entry, "UNKNOWN1TYPE", "Byte");
    key(entry, "UNKNOWN1MAINOFFSET", "Shipslot");
    key(entry, "UNKNOWN1SLOTOFFSET", "224");
    key(entry, "UNKNOWN2NAME", "Free word 226");
    key(entry, "UNKNOWN2TYPE", "Word");
    key(entry, "UNKNOWN2MAINOFFSET", "Shipslot");
    key(entry, "UNKNOWN2SLOTOFFSET", "226");
    key(entry, "UNKNOWN3NAME", "Ship type byte");
    key(entry, "UNKNOWN3TYPE", "Byte");
    key(entry, "UNKNOWN3MAINOFFSET", "Shiptype");
    key(entry, "UNKNOWN3SLOTOFFSET", "3");
    return entry;
}

// X-Wing Alliance: word-wide statistics, long shield and hull, species table, keyed descriptions.
VersionEntry demoXwaEntry()
{
    VersionEntry entry{"PLORIK Demo XWA", 512, "PLORIK DEMO XWA", {}};
    key(entry, "XWATYPE", "1");
    key(entry, "WeaponOffset", "$1D000");
    key(entry, "CraftOffset", "$2000");
    key(entry, "ENTRYLENGTH", "400");
    key(entry, "LASTCRAFT", "230");
    key(entry, "IFFNAME", "0");
    key(entry, "SHIELDRECHARGE", "8");
    key(entry, "SHIELDDECHARGE", "10");
    key(entry, "LASERRECHARGE", "12");
    key(entry, "SYSTEM", "14");
    key(entry, "SENSITIVITY", "15");
    key(entry, "HYPERDRIVE", "16");
    key(entry, "SHIELDGENERATOR", "17");
    key(entry, "COUNTERMEASSURES", "18");
    key(entry, "POINTVAL", "20");
    key(entry, "SHIELDPOWER", "22");
    key(entry, "LONGSHIELDPOWERVALUE", "1");
    key(entry, "HULLRATING", "26");
    key(entry, "LONGHULLRATING", "1");
    key(entry, "EXPPOWER", "30");
    key(entry, "SPEED", "34");
    key(entry, "ACC", "36");
    key(entry, "DEACC", "37");
    key(entry, "ROLL", "38");
    key(entry, "PITCH", "39");
    key(entry, "GUNCONVERGENCE", "40");
    key(entry, "INTFILE", "42");
    key(entry, "COCKPITPOV", "62");
    key(entry, "WEAPONSTATSSTART", "120");
    key(entry, "Shiptypestart", "$1A003");
    key(entry, "SHIPTYPELEN", "24");
    key(entry, "SPECNOOFFSET", "$1C000");
    key(entry, "GENDERSTRTLINE", "10");
    key(entry, "PLURALSTRTLINE", "301");
    key(entry, "SHORTNAMESLINE", "601");
    key(entry, "UNKNOWN1NAME", "Free long 376");
    key(entry, "UNKNOWN1TYPE", "LongInt");
    key(entry, "UNKNOWN1MAINOFFSET", "Shipslot");
    key(entry, "UNKNOWN1SLOTOFFSET", "376");
    key(entry, "UNKNOWN2NAME", "Free float 380");
    key(entry, "UNKNOWN2TYPE", "Float");
    key(entry, "UNKNOWN2MAINOFFSET", "Shipslot");
    key(entry, "UNKNOWN2SLOTOFFSET", "380");
    key(entry, "UNKNOWN3NAME", "Letter 384");
    key(entry, "UNKNOWN3TYPE", "Char");
    key(entry, "UNKNOWN3MAINOFFSET", "Shipslot");
    key(entry, "UNKNOWN3SLOTOFFSET", "384");
    return entry;
}

} // namespace plorik::testing
