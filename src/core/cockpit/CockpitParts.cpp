#include "cockpit/CockpitParts.h"

#include <algorithm>
#include <stdexcept>

namespace plorik {

namespace {

// One name, or the numbered run "stem 1" to "stem count".
struct Names {
    std::string_view stem;
    int count = 0;
    PartVariable variable = PartVariable::None;
};

// Parts whose records follow one another, 12 bytes apart, from `first` to `last`.
struct Run {
    std::int64_t first;
    std::int64_t last;
    std::vector<Names> names;
};

constexpr auto kZoom = PartVariable::ZoomFactor;
constexpr auto kHeading = PartVariable::DischargeHeading;

const std::vector<Run>& runs()
{
    static const std::vector<Run> table = {
        {1008, 1008, {{"Front radar"}}},
        {1920, 1920, {{"Front radar display"}}},
        {1020, 1020, {{"Rear radar"}}},
        {1932, 1932, {{"Rear radar display"}}},
        {1032, 1032, {{"Command screen", 0, kZoom}}},
        {1836, 1836, {{"CMD"}}},
        {1044, 1128, {{"Laser/Ion indicator", 8, kHeading}}},
        {1848, 1860, {{"Left laser display"}, {"Right laser display"}}},
        {1140, 1224, {{"Laser seq. light", 8}}},
        {1332, 1368, {{"Missile counter", 4}}},
        {1872, 1872, {{"Missile counter display"}}},
        {1236, 1272, {{"Launcher seq. light", 4}}},
        {1428,
         1476,
         {{"Front inner shield"},
          {"Front outer shield"},
          {"Rear inner shield"},
          {"Rear outer shield"},
          {"Hull condition"}}},
        {1896, 1896, {{"Shields/hull display"}}},
        {1488, 1500, {{"Speed digits"}, {"Throttle digits"}}},
        {1908, 1908, {{"Speed throttle display"}}},
        {1512, 1512, {{"Engine power bar"}}},
        {1956, 1956, {{"Engine power display"}}},
        {1524, 1524, {{"Laser power bar"}}},
        {1944, 1944, {{"Laser power display"}}},
        {1536, 1536, {{"Shield power bar"}}},
        {1968, 1968, {{"Shield power display"}}},
        {1548, 1548, {{"Beam power bar"}}},
        {1980, 1980, {{"Beam power display"}}},
        {1560, 1584, {{"Mission timer"}, {"Counter lamp"}, {"Counter digits"}}},
        {1608, 1608, {{"Eject light"}}},
        {2532, 2532, {{"Eject string"}}},
        {1620, 1620, {{"Beam charge/discharge"}}},
        {1884, 1884, {{"Beam display"}}},
        {2400, 2400, {{"Beam active animation"}}},
        {1632, 1824, {{"Crosshair"}, {"Laser crosshair lamp", 8}, {"On target lamp", 8}}},
        {2340, 2340, {{"Sys string"}}},
        {1992, 1992, {{"Sys digits"}}},
        {2352, 2352, {{"Dist string"}}},
        {2004, 2016, {{"Dist digits (km)"}, {"Dist digits (m)"}}},
        {2364, 2364, {{"SHD string"}}},
        {2028, 2028, {{"SHD digits"}}},
        {2376, 2376, {{"Hull string"}}},
        {2040, 2040, {{"Hull digits"}}},
        {2388, 2388, {{"Target name"}}},
        {2052, 2124, {{"Target cargo"}, {"Target component"}, {"Target current action"}, {"Alert light", 4}}},
        {2304, 2328, {{"No shield seal"}, {"No beam seal"}, {"No beam seal"}}},
        {2412,
         2520,
         {{"Radio messages"},
          {"Wpn. selected"},
          {"Target info"},
          {"Throtte string"},
          {"Speed string"},
          {"L from ELS"},
          {"S from ELS"},
          {"E from ELS"},
          {"B from ELS"},
          {"Craft name"}}},
        {2544, 2568, {{"F from shield sys"}, {"R from shield sys"}, {"Craft box"}}},
        {2592, 2592, {{"Goals box"}}},
        {2616, 2616, {{"Score box"}}},
        {2736, 2736, {{"HUD front radar"}}},
        {3648, 3648, {{"HUD front raday display"}}},
        {2748, 2748, {{"HUD rear radar"}}},
        {3660, 3660, {{"HUD rear radar display"}}},
        {2760, 2760, {{"HUD command scrn.", 0, kZoom}}},
        {3564, 3564, {{"HUD CMD display"}}},
        {3060, 3096, {{"HUD Missile counter", 4}}},
        {3156, 3156, {{"HUD front shield %"}}},
        {3180, 3180, {{"HUD rear shield %"}}},
        {3204, 3204, {{"HUD hull condition"}}},
        {3624, 3624, {{"HUD shields/hull display"}}},
        {3216, 3228, {{"HUD speed digits"}, {"HUD throttle digits"}}},
        {3636, 3636, {{"HUD speed/throttle display"}}},
        {3240, 3240, {{"HUD engine power indicator"}}},
        {3684, 3684, {{"HUD engine power display"}}},
        {3252, 3252, {{"HUD laser power indicator"}}},
        {3672, 3672, {{"HUD laser power display"}}},
        {3264, 3264, {{"HUD shield power indicator"}}},
        {3696, 3696, {{"HUD shield power display"}}},
        {3276, 3276, {{"HUD beam power indicator"}}},
        {3708, 3708, {{"HUD beam power display"}}},
        {3348, 3348, {{"HUD anim charge beam"}}},
        {3612, 3612, {{"HUD Beam wpn. display"}}},
        {4128, 4128, {{"HUD anim beam active"}}},
        {3360, 3552, {{"HUD crosshair"}, {"HUD laser lamp", 8}, {"HUD on target lamp", 8}}},
        {4068, 4068, {{"HUD sys strings"}}},
        {3720, 3720, {{"HUD sys digits"}}},
        {4080, 4080, {{"HUD dist string"}}},
        {3732, 3744, {{"HUD distance digits km"}, {"HUD distance digits m"}}},
        {4092, 4092, {{"HUD shield string"}}},
        {3756, 3756, {{"HUD shield digits"}}},
        {4104, 4104, {{"HUD hull string"}}},
        {3768, 3768, {{"HUD hull digits"}}},
        {4116, 4116, {{"HUD target name"}}},
        {3780, 3852, {{"HUD target cargo"}, {"HUD target component"}, {"HUD target action"}, {"HUD alert light", 4}}},
        {4032, 4056, {{"HUD no shield seal"}, {"HUD no beam seal"}, {"HUD no beam seal"}}},
        {4140,
         4248,
         {{"HUD radio messages"},
          {"HUD wpn. selected"},
          {"HUD target info"},
          {"HUD throttle string"},
          {"HUD speed string"},
          {"HUD L from ELS"},
          {"HUD S from ELS"},
          {"HUD E from ELS"},
          {"HUD B from ELS"},
          {"HUD craft name"}}},
        {4296, 4296, {{"HUD crafts box"}}},
        {4320, 4320, {{"HUD goals box"}}},
        {4344, 4344, {{"HUD score box"}}},
    };
    return table;
}

std::vector<CockpitPart> expand()
{
    constexpr std::int64_t kRecordStep = 12;
    std::vector<CockpitPart> parts;
    for (const Run& run : runs()) {
        std::int64_t offset = run.first;
        for (const Names& names : run.names) {
            for (int k = 0; k < std::max(names.count, 1); ++k) {
                std::string name(names.stem);
                if (names.count > 0)
                    name += " " + std::to_string(k + 1);
                parts.push_back({std::move(name), offset, names.variable});
                offset += kRecordStep;
            }
        }
        // A run whose names do not end on its last offset is a typing error in the table.
        if (offset - kRecordStep != run.last)
            throw std::logic_error("the cockpit parts from offset " + std::to_string(run.first) + " do not end at " +
                                   std::to_string(run.last));
    }
    return parts;
}

} // namespace

const std::vector<CockpitPart>& cockpitParts()
{
    static const std::vector<CockpitPart> parts = expand();
    return parts;
}

std::string_view variableCaption(PartVariable variable)
{
    switch (variable) {
    case PartVariable::ZoomFactor: return "Zoom factor";
    case PartVariable::DischargeHeading: return "Discharge Heading";
    case PartVariable::None: break;
    }
    return "n/a";
}

std::vector<std::string> variableChoices(PartVariable variable)
{
    if (variable == PartVariable::DischargeHeading)
        return {"0   right to left", "1   left to right"};
    return {};
}

} // namespace plorik
