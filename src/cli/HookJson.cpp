#include "HookJson.h"

namespace plorik::cli {

namespace {

// Grid cells are named as everywhere on the command line: KEY[R,C].
Json controlName(const HookOverride& item)
{
    if (!item.control)
        return Json();
    std::string name(item.control->key);
    if (item.row > 0)
        name += "[" + std::to_string(item.row) + "," + std::to_string(item.column) + "]";
    return name;
}

} // namespace

void setHookOverrides(CommandContext& context)
{
    const VersionProfile* profile = context.session.profile();
    if (!context.json || !profile || !profile->isXwa())
        return;
    const HookReport& report = context.session.hookOverrides();
    Json overrides = Json::array();
    for (const HookOverride& item : report.overrides) {
        Json entry = Json::object();
        entry.set("control", controlName(item));
        entry.set("file", item.file);
        entry.set("section", item.section);
        entry.set("key", item.key);
        entry.set("value", item.value ? Json(*item.value) : Json());
        entry.set("raw", item.raw);
        if (!item.when.empty())
            entry.set("when", item.when);
        if (item.playerOnly)
            entry.set("playerOnly", true);
        overrides.push(std::move(entry));
    }
    context.result.set("overrides", std::move(overrides));
    if (!report.problems.empty())
        context.result.set("hookProblems", Json::arrayOf(report.problems));
}

} // namespace plorik::cli
