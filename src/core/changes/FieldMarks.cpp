#include "changes/FieldMarks.h"

#include <algorithm>

namespace plorik {

std::vector<FieldMark> changeMarks(const std::vector<FieldChange>& changes)
{
    std::vector<FieldMark> marks;
    for (const FieldChange& change : changes) {
        std::string text = "Backup image: " + change.before;
        if (!change.unit.empty())
            text += " " + change.unit;
        marks.push_back({FieldMark::Kind::Changed, change.key, change.row, change.column, std::move(text)});
    }
    return marks;
}

std::vector<FieldMark>
overrideMarks(const HookReport& report,
              const std::function<std::string(const MainControl&, std::size_t, std::size_t)>& shown)
{
    std::vector<FieldMark> marks;
    for (const HookOverride& item : report.overrides) {
        if (!item.control)
            continue; // no page shows the field
        std::string line = item.file + " [" + item.section + "] " + item.key + " = " + item.raw +
                           " overrides the executable's " + shown(*item.control, item.row, item.column);
        if (item.playerOnly)
            line += " (player craft only" + (item.when.empty() ? "" : ", " + item.when) + ")";
        else if (!item.when.empty())
            line += " (difficulty-only: " + item.when + ")";
        const std::string key(item.control->key);
        const auto same = std::find_if(marks.begin(), marks.end(), [&](const FieldMark& mark) {
            return mark.control == key && mark.row == item.row && mark.column == item.column;
        });
        if (same != marks.end())
            same->tooltip += "\n" + line;
        else
            marks.push_back({FieldMark::Kind::Overridden, key, item.row, item.column, std::move(line)});
    }
    return marks;
}

} // namespace plorik
