#include "craft/FieldScales.h"

#include <cmath>

namespace plorik {

std::int64_t StrengthScale::shown(double raw) const
{
    const double steps = raw / rawPerStep;
    return static_cast<std::int64_t>(std::trunc((roundSteps ? roundHalfEven(steps) : steps) * unitsPerStep));
}

StrengthScale shieldScale(ScaleClass scale)
{
    switch (scale) {
    case ScaleClass::Freighter: return {12.5, 1, false};
    case ScaleClass::Capital: return {50, 16, true};
    case ScaleClass::Fighter: break;
    }
    return {50, 1, false};
}

StrengthScale hullScale(ScaleClass scale)
{
    switch (scale) {
    case ScaleClass::Freighter: return {105, 4, true};
    case ScaleClass::Capital: return {105, 16, true};
    case ScaleClass::Fighter: break;
    }
    return {105, 1, true};
}

} // namespace plorik
