#include "ShipFiles.h"

namespace plorik::testing {

std::string shipFileBytes(const ShipFileShape& entry)
{
    std::string file = entry.before + kMarkerLine + "\r\n" + entry.version + "\r\n";
    file += static_cast<char>(entry.slot);
    file += "\r\n";
    for (const std::string& text : entry.texts)
        file += text + "\r\n";
    if (entry.binMarker)
        file += "[Bin]\r\n";
    return file + entry.binary;
}

std::vector<std::string> demoShipTexts(std::int32_t slot, const std::string& versionName)
{
    const std::string n = std::to_string(slot);
    return {"Ship file of slot " + n,
            "SHIP" + n + ".opt",
            "Ships " + n,
            "Ship " + n,
            "Type " + n,
            "Maker " + n,
            "Users " + n,
            "Crew " + n,
            "A ship for slot " + n + ", ready to fly.",
            versionName,
            "4  Starship",
            "SH" + n,
            "Flyable",
            "8   Capital weaponry"};
}

std::string lineEndsChanged(std::string file, const std::string& to)
{
    for (std::size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at + to.size()))
        file.replace(at, 2, to);
    return file;
}

} // namespace plorik::testing
