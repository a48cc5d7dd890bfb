#include "craft/ScaleClass.h"

#include <cmath>

namespace plorik {

ScaleClass scaleClassOf(int shipTypeIndex)
{
    switch (shipTypeIndex) {
    case 3:
    case 17: return ScaleClass::Freighter;
    case 4:
    case 5:
    case 9: return ScaleClass::Capital;
    default: return ScaleClass::Fighter;
    }
}

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

} // namespace plorik
