#include "controls/MainWindowControls.h"

#include <algorithm>
#include <array>

namespace plorik::controls {

namespace {

template <std::size_t... Sizes>
constexpr std::array<const MainControl*, (Sizes + ...)> joined(const MainControl* const (&... parts)[Sizes])
{
    std::array<const MainControl*, (Sizes + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(std::begin(parts), std::end(parts), next)), ...);
    return all;
}

} // namespace

std::span<const MainControl* const> mainWindowControls()
{
    // The areas in the order the window is made.
    static constexpr auto kControls =
        joined(kMainWindowFrameControls, kMainWindowMenuControls, kStatisticsPageControls, kDescriptionsPageControls,
               kWeaponryPageControls, kWeaponSlotsPageControls, kDevelopmentPageControls, kOptPageControls,
               kCockpitPageControls, kUnknownPageControls);
    return kControls;
}

} // namespace plorik::controls
