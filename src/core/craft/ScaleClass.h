#pragma once

namespace plorik {

// How the shield and hull of a craft are scaled, by its "Ship Type:" item.
enum class ScaleClass { Fighter, Freighter, Capital };

// Freighters are items 3 and 17, capital ships 4, 5 and 9; everything else (no item too) flies as
// a fighter.
ScaleClass scaleClassOf(int shipTypeIndex);

// Rounds to the nearest whole number, an exact half to the even one.
double roundHalfEven(double value);

} // namespace plorik
