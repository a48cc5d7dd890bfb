#include "weapons/WeaponStats.h"

namespace plorik {

namespace {

struct FieldLayout {
    std::int64_t start;
    std::int64_t step;
    std::size_t width;
    bool isSigned;
};

FieldLayout layoutOf(WeaponField field, bool xwa)
{
    switch (field) {
    case WeaponField::Power: return xwa ? FieldLayout{0, 4, 4, true} : FieldLayout{0, 4, 2, false};
    case WeaponField::Speed: return xwa ? FieldLayout{112, 2, 2, false} : FieldLayout{96, 4, 2, false};
    case WeaponField::TimeToLive: return xwa ? FieldLayout{168, 2, 2, false} : FieldLayout{144, 4, 2, false};
    case WeaponField::Unknown: return xwa ? FieldLayout{216, 4, 2, false} : FieldLayout{192, 4, 2, false};
    case WeaponField::Category: break;
    }
    return xwa ? FieldLayout{280, 2, 2, false} : FieldLayout{240, 4, 2, false};
}

} // namespace

WeaponFieldPlace weaponFieldPlace(WeaponField field, bool xwa, std::int32_t weapon)
{
    const FieldLayout layout = layoutOf(field, xwa);
    return {layout.start + layout.step * weapon, layout.width, layout.isSigned};
}

std::string_view weaponFieldName(WeaponField field)
{
    switch (field) {
    case WeaponField::Power: return "power";
    case WeaponField::Speed: return "speed";
    case WeaponField::TimeToLive: return "time to live";
    case WeaponField::Unknown: return "unknown value";
    case WeaponField::Category: break;
    }
    return "category";
}

std::int32_t weaponsInBlock(bool xwa)
{
    std::int32_t count = 0;
    for (;; ++count) {
        for (WeaponField field : kWeaponFields) {
            const WeaponFieldPlace place = weaponFieldPlace(field, xwa, count);
            if (place.offset + static_cast<std::int64_t>(place.width) > kWeaponBlockLength)
                return count;
        }
    }
}

} // namespace plorik
