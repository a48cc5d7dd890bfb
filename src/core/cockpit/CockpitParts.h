#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// The one setting a few cockpit parts keep after their position.
enum class PartVariable { None, ZoomFactor, DischargeHeading };

// A part of the cockpit or its head-up display: its record in the INT file holds X at `offset`, Y
// at offset + 2 and, for parts with a variable, the variable at offset + 6 (16-bit words).
struct CockpitPart {
    std::string name;
    std::int64_t offset = 0;
    PartVariable variable = PartVariable::None;
};

// The parts in the order the "Cockpit parts:" list shows them. Two names occur twice ("No beam
// seal", "HUD no beam seal"): a part is known by its position, not by its name.
const std::vector<CockpitPart>& cockpitParts();

// The caption beside the variable box: "n/a", "Zoom factor" or "Discharge Heading".
std::string_view variableCaption(PartVariable variable);
// The choices the variable box offers for the part's variable (none for a zoom factor).
std::vector<std::string> variableChoices(PartVariable variable);

} // namespace plorik
