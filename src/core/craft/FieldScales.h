#pragma once

#include "craft/ScaleClass.h"

#include <cstdint>

namespace plorik {

// How a craft's stored shield or hull value (raw) becomes the number the page shows, and back: the
// raw value counts steps of `rawPerStep`, each shown as `unitsPerStep`; with `roundSteps` the
// display rounds to whole steps (an exact half to the even one).
struct StrengthScale {
    double rawPerStep;
    double unitsPerStep;
    bool roundSteps;

    // The shown value, its fraction dropped.
    std::int64_t shown(double raw) const;
    // The raw value of a shown (or typed) one.
    double raw(double shown) const { return shown * rawPerStep / unitsPerStep; }
};

StrengthScale shieldScale(ScaleClass scale);
StrengthScale hullScale(ScaleClass scale);

// Speed, acceleration and deceleration are stored as 2.25 raw units per unit shown.
inline constexpr double kRawPerSpeedUnit = 2.25;

} // namespace plorik
