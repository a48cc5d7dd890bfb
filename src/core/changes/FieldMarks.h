#pragma once

#include "changes/ChangeReport.h"
#include "hooks/HookReport.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace plorik {

// A marker beside a control's label: the field differs from the backup image, or a hook file sets
// it in the executable's place. The tooltip is the marker's whole text.
struct FieldMark {
    enum class Kind { Changed, Overridden };
    Kind kind = Kind::Changed;
    std::string control; // the control's key
    std::size_t row = 0; // a grid cell's, 0 for every other control
    std::size_t column = 0;
    std::string tooltip;

    friend bool operator==(const FieldMark&, const FieldMark&) = default;
};

// "Backup image: 100 SBD", one mark per changed field.
std::vector<FieldMark> changeMarks(const std::vector<FieldChange>& changes);

// "FlightModels\TestFighter.ini [StatsProfile_Default] ShieldPower = 140 overrides the executable's
// 100", one mark per control (or cell), a line per file that sets it. `shown` gives the text the
// page shows for a control (and cell): the executable's value.
std::vector<FieldMark>
overrideMarks(const HookReport& report,
              const std::function<std::string(const MainControl&, std::size_t, std::size_t)>& shown);

} // namespace plorik
