#pragma once

#include "controls/Windows.h"
#include "craft/DisplayContext.h"

namespace plorik::display {

// The steps of showing a slot, one group of fields each, in the order the display runs them.
void setShipTypeTexts(const DisplayContext& context);
void showSpecies(const DisplayContext& context);
void showShipList(const DisplayContext& context);
void showStatusNotes(const DisplayContext& context);
void showCraftId(const DisplayContext& context);
// The Statistics fields that do not follow the ship type; "Manoeuvre:" with them.
void showStatistics(const DisplayContext& context);
void showCockpit(const DisplayContext& context);
void showNames(const DisplayContext& context);
void showDescriptions(const DisplayContext& context);
void resetWeaponTypes(const DisplayContext& context);
void showShipTypeEntry(const DisplayContext& context, bool keepShipType);
// Shield, hull and the unknown strength, once the ship type is known.
void showStrengths(const DisplayContext& context);
void showWeaponry(const DisplayContext& context);
void showUnknownPage(const DisplayContext& context);

// "Manoeuvre:" follows "Roll:" and "Pitch:".
void updateManoeuvre(MainForm& form);
// A species picked or typed in "Species No.:" brings its ship list icon string (and separator).
void speciesChosen(MainForm& form, const std::filesystem::path& shipList, std::string& separator);
// The box beside a fire priority track bar shows its position.
void updateFirePriorityBox(MainForm& form, MainKey trackBar, MainKey box);

} // namespace plorik::display
