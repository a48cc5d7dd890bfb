#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plorik::testing {

// An SHP craft file as the tests want it, written byte by byte here and not by the program, so that
// the program's reader and writer are checked against an independent layout: optional text before
// the marker line, the version line, the slot byte, the text lines 4 to 17 (as many as given), "[Bin]" and
// the binary part.
// The line that opens a ship file, spelled here apart from the program's.
inline const std::string kMarkerLine = "[Specs]";

struct ShipFileShape {
    std::string before;
    std::string version = "PLORIK craft file V1.7";
    std::uint8_t slot = 3;
    std::vector<std::string> texts;
    bool binMarker = true;
    std::string binary;
};
std::string shipFileBytes(const ShipFileShape& entry);

// The fourteen text lines of a V1.7 file for slot `slot` of a demo game, each distinguishable:
// comment, OPT file, plural, craft name, craft type, manufacturer, in use by, crew, description,
// version name, ship type, craft ID, flight mode, weapon system.
std::vector<std::string> demoShipTexts(std::int32_t slot, const std::string& versionName);

// A saved file copied as text: every CR LF became `to` (LF, or CR), a slot byte 10 or 13 too.
std::string lineEndsChanged(std::string file, const std::string& to);

} // namespace plorik::testing
