#include "craft/SlotDisplay.h"

#include "craft/DisplaySteps.h"
#include "inspect/HexView.h"
#include "inspect/OptInformation.h"

namespace plorik {

void SlotDisplay::fillOutForm(bool keepShipType)
{
    display::setShipTypeTexts(m_context);
    BinaryFile exe(m_context.executable, BinaryFile::Mode::Read);
    m_context.exe = &exe;
    const DisplayContext& context = m_context;
    display::showSpecies(context);
    HexView(context).fill();
    display::showShipList(context);
    display::showStatusNotes(context);
    context["CraftNoBox"].setText(std::to_string(context.slotNumber()));
    display::showCraftId(context);
    display::showByteFields(context);
    display::showCockpit(context);
    display::showManoeuvrability(context);
    display::showNames(context);
    display::showDescriptions(context);
    display::resetWeaponTypes(context);
    display::showShipTypeEntry(context, keepShipType);
    display::showStrengths(context);
    display::showWeaponry(context);
    display::showUnknownPage(context);
    m_context.exe = nullptr;
    refreshOptInformation(m_context.form, m_context.gameDir);
}

} // namespace plorik
