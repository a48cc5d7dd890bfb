#include "common/Errors.h"
#include "controls/MainWindowControls.h"
#include "craft/Placeholders.h"
#include "craft/SlotWrite.h"
#include "gamefiles/GameLines.h"
#include "gamefiles/GameTextWrites.h"
#include "gamefiles/ShipList.h"
#include "gamefiles/ShipListWrite.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"
#include "text/NumberRule.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace plorik {

namespace {

TextFileStep notice(const std::string& caption, const std::string& text, MessageIcon icon, bool stops)
{
    return {std::nullopt, Message{caption, text, icon, MessageButtons::Ok, Answer::Ok}, stops};
}

std::vector<std::string_view> linesOf(std::string_view content)
{
    std::vector<std::string_view> lines;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    }
    return lines;
}

// Every reader of the game's text files keeps the first 255 characters of a line: a line this write
// would make longer (a text that fits its box but not beside its tag) would not read back as written.
// Lines the file holds already stay as they are.
void refuseLongLines(const FileReplacement& replacement)
{
    constexpr std::size_t kLongestLine = 255;
    const std::vector<std::string_view> lines = linesOf(replacement.content);
    if (std::none_of(lines.begin(), lines.end(), [](std::string_view line) { return line.size() > kLongestLine; }))
        return;
    const std::string old = FileHandle::openRegular(replacement.path, FileHandle::Access::Read).readAll();
    const std::vector<std::string_view> oldLines = linesOf(old);
    const std::set<std::string_view> kept(oldLines.begin(), oldLines.end());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kLongestLine && !kept.contains(lines[i]))
            throw PlorikError(replacement.name + " line " + std::to_string(i + 1) + " would hold " +
                              std::to_string(lines[i].size()) + " characters; a line of the game's text files " +
                              "keeps at most " + std::to_string(kLongestLine) + ".");
    }
}

} // namespace

void SlotWrite::planTextFiles(WritePlan& plan)
{
    if (auto shipList = shipListFile())
        plan.textFiles.push_back({std::move(shipList), std::nullopt, false});
    for (TextFileStep (SlotWrite::*next)() :
         {&SlotWrite::descriptionsStep, &SlotWrite::frontTextStep, &SlotWrite::stringsStep}) {
        TextFileStep step = (this->*next)();
        const bool stops = step.stops;
        if (step.file || step.notice)
            plan.textFiles.push_back(std::move(step));
        if (stops)
            return;
    }
}

void SlotWrite::checkFiles(const WritePlan& plan) const
{
    const std::filesystem::path gameFolder = resolveGamePath(m_context.gameDir);
    if (plan.optList) {
        refuseLinkOutside(plan.optList->path, gameFolder);
        checkReplaceable(plan.optList->path, scratch());
        refuseLongLines(*plan.optList);
    }
    for (const TextFileStep& step : plan.textFiles) {
        if (step.file) {
            refuseLinkOutside(step.file->path, gameFolder);
            checkReplaceable(step.file->path, scratch());
            refuseLongLines(*step.file);
        }
    }
}

std::optional<FileReplacement> SlotWrite::shipListFile()
{
    if (!xwa() || !control(controls::Shiplistwrite).checked() || !speciesChosen() || !shipListEdited())
        return std::nullopt;
    const auto path = gameFile("shiplist.txt");
    // The line of the species shown keeps every field whose control still shows it.
    std::optional<SpeciesLine> shown;
    if (!edited(controls::SpecNo)) {
        for (SpeciesLine& line : readSpeciesLines(path)) {
            if (line.number == m_species) {
                shown = std::move(line);
                break;
            }
        }
    }
    const auto keeps = [&](MainKey key) { return shown && !edited(key); };
    SpeciesLine fields;
    fields.name = keeps(controls::Shiplistnamebox) ? shown->name : control(controls::Shiplistnamebox).text();
    fields.category =
        keeps(controls::ShipTypeList) ? shown->category : shipListCategory(control(controls::ShipTypeList).index());
    fields.playMode = keeps(controls::Playmodebox) ? shown->playMode : control(controls::Playmodebox).text();
    fields.known = keeps(controls::Known) ? shown->known : control(controls::Known).checked() ? "Known" : "Unknown";
    fields.skirmish = keeps(controls::InSkirmishBox) ? shown->skirmish : control(controls::InSkirmishBox).text();
    fields.separator = m_context.shipListSeparator;
    fields.iconString = keeps(controls::IconBox) ? shown->iconString : control(controls::IconBox).text();
    return FileReplacement{"shiplist.txt", path,
                           shipListWithSpeciesLine(path, m_species, speciesLineText(m_species, fields))};
}

TextFileStep SlotWrite::descriptionsStep()
{
    const std::int32_t index = slotNumber() - 1;
    const bool keyed = !m_context.profile.absent(Key::SpecNoOffset);
    if (!xwa() && index >= 69)
        return notice("PLORIK notify:",
                      "PLORIK currently doesn't write Specdesc and OPT list stuff for slots above 70 because BOP "
                      "behaves very differently with those. Edit them manually if you wish.",
                      MessageIcon::Warning, false);
    // Records are found by species: without one there is no record to write.
    if (keyed && !speciesChosen())
        return {};
    if (control(controls::CraftTypeBox).text() == kNotEditable)
        return {};
    // A record moved to another species is written whole; otherwise each line shown unchanged stays.
    const bool moved = keyed && edited(controls::SpecNo);
    RecordLines record;
    MainKey boxes[] = {controls::CraftTypeBox, controls::ManufactorBox, controls::UsedByBox, controls::DescriptionBox,
                       controls::CrewBox};
    bool anyEdited = false;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const std::string& text = control(boxes[i]).text();
        record[i].text = text == kNoDescription ? std::string() : text;
        record[i].keep = !moved && !edited(boxes[i]);
        anyEdited = anyEdited || !record[i].keep;
    }
    if (!anyEdited)
        return {};
    const auto path = gameFile("specdesc.txt");
    if (keyed)
        return {FileReplacement{"specdesc.txt", path, specDescWithSpeciesRecord(path, m_species, record)}};
    if (auto content = specDescWithSlotRecord(path, index, record))
        return {FileReplacement{"specdesc.txt", path, std::move(*content)}};
    return notice("PLORIK error:",
                  "Bad specdesc.txt file!\r\rPlease note that only the statistic data could be written, you should "
                  "check that you have all the files required!",
                  MessageIcon::Error, true);
}

TextFileStep SlotWrite::frontTextStep()
{
    if (xwa())
        return {};
    if (m_context.profile.absent(Key::LongNameStrtLine))
        return notice("PLORIK error:",
                      "No offset for fronttxt.txt is specified for this XvT version\r\rPlease note that only the "
                      "statistic data and specdesc descriptions could be written!",
                      MessageIcon::Error, true);
    if (!edited(controls::CraftNameBox))
        return {};
    const auto path = gameFile("fronttxt.txt");
    return {FileReplacement{"fronttxt.txt", path,
                            frontTextWithName(path, GameLines::longName(m_context.profile, slotNumber()),
                                              control(controls::CraftNameBox).text())}};
}

TextFileStep SlotWrite::stringsStep()
{
    const std::int32_t slot = slotNumber();
    if (xwa() && slot - 1 > 217)
        return notice("PLORIK notify:",
                      "Strings.txt stuff will not be written for slots above 217. \r\rEverything else will be written "
                      "as normal.",
                      MessageIcon::Error, true);
    const VersionProfile& profile = m_context.profile;
    // Each line keeps what still shows as it was read.
    const auto changedText = [&](MainKey key) {
        return edited(key) ? std::optional(control(key).text()) : std::nullopt;
    };
    SlotStrings strings{GameLines::gender(profile, slot),
                        GameLines::plural(profile, slot),
                        std::nullopt,
                        edited(controls::MaleRadioB) || edited(controls::FemaleRadioB)
                            ? std::optional(!control(controls::MaleRadioB).checked())
                            : std::nullopt,
                        changedText(controls::CraftNameBox),
                        changedText(controls::PluralnameBox),
                        changedText(controls::CraftIDBox),
                        xwa()};
    if (!profile.absent(Key::ShortNamesLine))
        strings.shortNameLine = GameLines::shortName(profile, slot);
    if (!strings.female && !strings.craftName && !strings.pluralName && (!strings.shortName || !strings.shortNameLine))
        return {};
    const auto path = gameFile("strings.txt");
    return {FileReplacement{"strings.txt", path, stringsWithSlotNames(path, strings)}};
}

} // namespace plorik
