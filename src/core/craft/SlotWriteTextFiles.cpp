#include "craft/SlotWrite.h"
#include "gamefiles/GameLines.h"
#include "gamefiles/GameTextWrites.h"
#include "gamefiles/ShipListWrite.h"
#include "text/NumberRule.h"

namespace plorik {

void SlotWrite::writeShipList()
{
    SpeciesLine fields;
    fields.name = (*this)["Shiplistnamebox"].text();
    fields.category = shipListCategory((*this)["ComboBox10"].index());
    fields.playMode = (*this)["Playmodebox"].text();
    fields.known = (*this)["Known"].checked() ? "Known" : "Unknown";
    fields.skirmish = (*this)["InSkirmishBox"].text();
    fields.separator = m_context.shipListSeparator;
    fields.iconString = (*this)["IconBox"].text();
    replaceSpeciesLine(gameFile("shiplist.txt"), scratch(), m_species, speciesLineText(m_species, fields));
}

bool SlotWrite::writeDescriptions()
{
    const std::int32_t index = slotNumber() - 1;
    if (!xwa() && index >= 69) {
        notify("PLORIK notify:",
               "PLORIK currently doesn't write Specdesc and OPT list stuff for slots above 70 because BOP behaves very "
               "differently with those. Edit them manually if you wish.",
               MessageIcon::Warning);
        return true;
    }
    if (xwa() && (*this)["SpecNo"].text() == "n/a")
        return true;
    if ((*this)["CraftTypeBox"].text() == "**Not editable**")
        return true;
    const DescriptionRecord record = {(*this)["CraftTypeBox"].text(), (*this)["ManufactorBox"].text(),
                                      (*this)["UsedByBox"].text(), (*this)["DescriptionBox"].text(),
                                      (*this)["CrewBox"].text()};
    if (!m_context.profile.absent(Key::SpecNoOffset)) {
        writeKeyedDescription(gameFile("specdesc.txt"), scratch(), m_species, record);
        return true;
    }
    if (writePositionalDescription(gameFile("specdesc.txt"), scratch(), index, record))
        return true;
    notify("PLORIK error:",
           "Bad specdesc.txt file!\r\rPlease note that only the statistic data could be written, you should check "
           "that you have all the files required!",
           MessageIcon::Error);
    return false;
}

bool SlotWrite::writeFrontText()
{
    if (m_context.profile.absent(Key::LongNameStrtLine)) {
        notify("PLORIK error:",
               "No offset for fronttxt.txt is specified for this XvT version\r\rPlease note that only the statistic "
               "data and specdesc descriptions could be written!",
               MessageIcon::Error);
        return false;
    }
    writeFrontTextLine(gameFile("fronttxt.txt"), scratch(), GameLines::longName(m_context.profile, slotNumber()),
                       (*this)["CraftNameBox"].text());
    return true;
}

void SlotWrite::writeStrings()
{
    const std::int32_t slot = slotNumber();
    if (xwa() && slot - 1 > 217) {
        notify("PLORIK notify:",
               "Strings.txt stuff will not be written for slots above 217. \r\rEverything else will be written as "
               "normal.",
               MessageIcon::Error);
        return;
    }
    const VersionProfile& profile = m_context.profile;
    SlotStrings strings{GameLines::gender(profile, slot),
                        GameLines::plural(profile, slot),
                        std::nullopt,
                        !(*this)["MaleRadioB"].checked(),
                        (*this)["CraftNameBox"].text(),
                        (*this)["PluralnameBox"].text(),
                        (*this)["CraftIDBox"].text(),
                        xwa()};
    if (!profile.absent(Key::ShortNamesLine))
        strings.shortNameLine = GameLines::shortName(profile, slot);
    writeSlotStrings(gameFile("strings.txt"), scratch(), strings);
}

} // namespace plorik
