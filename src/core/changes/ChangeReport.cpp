#include "changes/ChangeReport.h"

#include "form/GameTextUtf8.h"

#include <algorithm>

namespace plorik {

namespace {

constexpr std::string_view kArrow = " \xE2\x86\x92 ";
constexpr std::string_view kDot = " \xC2\xB7 ";
constexpr std::string_view kNone = "(none)";
// A slot whose records differ only in bytes that no page shows.
constexpr std::string_view kUnshown = "bytes no page shows differ";

std::string fieldText(const FieldChange& field)
{
    std::string text = (field.page.empty() ? "" : field.page + std::string(kDot)) + field.caption + ": " +
                       gameTextToUtf8(field.before) + std::string(kArrow) + gameTextToUtf8(field.after);
    if (!field.unit.empty())
        text += " " + field.unit;
    return text;
}

std::string lineText(const LineChange& line)
{
    const auto side = [](const std::optional<std::string>& text) {
        return text ? gameTextToUtf8(*text) : std::string(kNone);
    };
    return "line " + std::to_string(line.line) + ": " + side(line.before) + std::string(kArrow) + side(line.after);
}

std::string slotHeading(const SlotChanges& slot)
{
    std::string heading = "Slot " + std::to_string(slot.slot);
    if (!slot.name.empty())
        heading += " " + gameTextToUtf8(slot.name);
    return heading;
}

std::string weaponHeading(const WeaponChanges& weapon)
{
    return "Weapon " + std::to_string(weapon.weapon) + " " + gameTextToUtf8(weapon.name);
}

std::string noChanges(const ChangeReport& report)
{
    return "No changes against " + report.against + ".\n";
}

} // namespace

std::string changeReportText(const ChangeReport& report)
{
    if (report.empty())
        return noChanges(report);
    std::string text;
    for (const SlotChanges& slot : report.craftSlots) {
        for (const FieldChange& field : slot.fields)
            text += slotHeading(slot) + std::string(kDot) + fieldText(field) + "\n";
        if (slot.fields.empty())
            text += slotHeading(slot) + std::string(kDot) + std::string(kUnshown) + "\n";
    }
    for (const WeaponChanges& weapon : report.weapons) {
        for (const FieldChange& field : weapon.fields)
            text += weaponHeading(weapon) + std::string(kDot) + fieldText(field) + "\n";
    }
    for (const LineChange& line : report.lines)
        text += line.file + std::string(kDot) + lineText(line) + "\n";
    return text;
}

std::string changeReportMarkdown(const ChangeReport& report)
{
    if (report.empty())
        return noChanges(report);
    std::string text = "## Changes against " + report.against + "\n";
    for (const SlotChanges& slot : report.craftSlots) {
        text += "\n### " + slotHeading(slot) + "\n\n";
        for (const FieldChange& field : slot.fields)
            text += "- " + fieldText(field) + "\n";
        if (slot.fields.empty())
            text += "- " + std::string(kUnshown) + "\n";
    }
    if (!report.weapons.empty())
        text += "\n### Weapons\n\n";
    for (const WeaponChanges& weapon : report.weapons) {
        for (const FieldChange& field : weapon.fields)
            text += "- " + weaponHeading(weapon) + std::string(kDot) + fieldText(field) + "\n";
    }
    std::string file;
    for (const LineChange& line : report.lines) {
        if (line.file != file) {
            file = line.file;
            text += "\n### " + file + "\n\n";
        }
        text += "- " + lineText(line) + "\n";
    }
    return text;
}

std::vector<LineChange> changedLines(const std::string& file, const std::vector<std::string>& before,
                                     const std::vector<std::string>& after)
{
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    std::vector<LineChange> changes;
    const std::size_t removed = before.size() - head - tail;
    const std::size_t added = after.size() - head - tail;
    for (std::size_t i = 0; i < std::max(removed, added); ++i) {
        // Between the first and the last change, a line that holds what it held is not a change.
        if (i < removed && i < added && before[head + i] == after[head + i])
            continue;
        LineChange change{file, head + i + 1, std::nullopt, std::nullopt};
        if (i < removed)
            change.before = before[head + i];
        if (i < added)
            change.after = after[head + i];
        changes.push_back(std::move(change));
    }
    return changes;
}

} // namespace plorik
