#include "session/Session.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"
#include "craft/HexView.h"
#include "craft/SlotDisplay.h"
#include "text/NumberRule.h"

namespace plorik {

void Session::readAndShowSlot()
{
    try {
        CraftTable(*m_profile).readSlot(executablePath(), m_slotOffset, m_slot);
    } catch (const std::exception& failure) {
        slotNotShown("the craft entry (the executable)", failure.what());
        throw;
    }
    showSlot();
}

void Session::showSlot(bool keepShipType)
{
    SlotDisplay display(DisplayContext{*m_main, *m_profile, m_slot, m_slotOffset, m_gameDir, executablePath(),
                                       dataFilePath(), nullptr, &m_shipListSeparator});
    m_shown.forget();
    try {
        display.fillOutForm(keepShipType);
    } catch (const std::exception& failure) {
        if (!display.complete())
            slotNotShown(display.stoppedAt(), failure.what());
        throw;
    }
    m_slotNotShown.reset();
    // The model information comes last: its failures leave the slot fully shown.
    refillOptInformation();
    findHookOverrides();
    // What "Write" compares every control with.
    m_shown.take(*m_main);
    // Last: an image that cannot be read leaves the slot fully shown.
    markFields();
}

void Session::slotNotShown(const std::string& step, const std::string& reason)
{
    const std::string slot = std::to_string(currentSlot());
    m_slotNotShown = "Slot " + slot + " is not fully shown: its display stopped at " + step + ": " + reason;
    m_opt.drop(*m_main);
    (*m_main)[controls::StatusBar].setText("Slot " + slot + " is not fully shown (" + step +
                                           " could not be read); \"Write\" is refused until it is.");
}

bool Session::refusedWhileNotShown()
{
    if (!m_slotNotShown)
        return false;
    error(*m_slotNotShown + ".\r\rShow the slot again once its files can be read." + nothingWrittenParagraph());
    return true;
}

void Session::displayChoiceChanged()
{
    if (!m_profile)
        return;
    HexView::choose(*m_main, *m_profile);
    showSlot();
}

void Session::nextSlot()
{
    if (!m_profile)
        return;
    const std::int32_t length = m_profile->entryLength();
    m_slotOffset += length;
    if (m_slotOffset / length == m_profile->slotCount())
        m_slotOffset = 0; // after the last slot comes slot 1
    readAndShowSlot();
}

void Session::previousSlot()
{
    if (!m_profile)
        return;
    const std::int32_t length = m_profile->entryLength();
    m_slotOffset -= length;
    if (m_slotOffset < 0)
        m_slotOffset = (m_profile->slotCount() - 1) * length; // before slot 1 comes the last
    readAndShowSlot();
}

void Session::craftNumberChanged()
{
    if (!m_profile)
        return;
    // Only the first three characters count: "7   X-Wing" is slot 7, "1234" slot 123.
    std::int32_t slot = static_cast<std::uint16_t>(readLeadingNumber((*m_main)[controls::CraftNoBox].text()));
    if (slot == 0 || slot > m_profile->slotCount()) {
        error("The selected slot is out of range!");
        slot = 1;
    }
    m_slotOffset = (slot - 1) * m_profile->entryLength();
    readAndShowSlot();
}

} // namespace plorik
