#include "hooks/HookTransfer.h"

#include "hooks/HookNumber.h"
#include "hooks/HookSlotValues.h"

#include <algorithm>

namespace plorik {

namespace {

// Stats keys the hooks read that replace no field of the craft entry.
constexpr std::string_view kStatsWithoutField[] = {"SpeedIncrement", "SpeedDecrement",
                                                   "IsWarheadCollisionDamagesEnabled"};

std::string where(const HookSection& source, std::size_t line)
{
    return source.file + ", line " + std::to_string(line);
}

} // namespace

std::span<const HookField> hookSectionFields(HookSectionKind kind)
{
    switch (kind) {
    case HookSectionKind::Stats: return statsProfileFields();
    case HookSectionKind::ExeValues: return exeCraftValueFields();
    case HookSectionKind::CockpitPov: break;
    }
    return cockpitPovFields();
}

HookReadKeys readHookKeys(const HookSection& source, HookSectionKind kind, std::int32_t divisor)
{
    HookReadKeys result;
    std::vector<std::string> seen;
    const std::span<const HookField> fields = hookSectionFields(kind);
    for (const HookLine& line : source.lines) {
        const std::size_t equals = line.text.find('=');
        if (equals == std::string::npos)
            continue;
        std::string key(trimHookText(std::string_view(line.text).substr(0, equals)));
        const std::string text(trimHookText(std::string_view(line.text).substr(equals + 1)));
        if (key.empty() ||
            std::any_of(seen.begin(), seen.end(), [&](const std::string& known) { return equalNoCase(known, key); }))
            continue;
        seen.push_back(key);
        // The critical damage threshold's old name counts where the new one is absent or empty.
        if (kind == HookSectionKind::Stats && equalNoCase(key, "ExplosionStrength")) {
            const auto current = source.find("CriticalDamageThreshold");
            if (current && !current->text.empty())
                continue;
            key = "CriticalDamageThreshold";
        }
        if (text.empty())
            continue;
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const HookField& known) { return equalNoCase(known.key, key); });
        const bool known =
            field != fields.end() || (kind == HookSectionKind::Stats &&
                                      std::any_of(std::begin(kStatsWithoutField), std::end(kStatsWithoutField),
                                                  [&](std::string_view name) { return equalNoCase(name, key); }));
        const auto value = readHookNumber(text);
        if (!value) {
            result.problems.push_back(where(source, line.number) + ": \"" + text +
                                      "\" is not a number the hooks can read; the game stops on it.");
            continue;
        }
        if (kind == HookSectionKind::Stats && *value == -1)
            continue; // not set
        if (field == fields.end() || !field->control) {
            result.unsupported.push_back(
                key + " = " + text + " (" + where(source, line.number) +
                "): " + (known ? "PLORIK has no field for it" : "the hooks do not read this key here"));
            continue;
        }
        result.keys.push_back({&*field, source.file, source.section, line.number, text,
                               hookGameValue(field->conversion, *value, divisor)});
    }
    return result;
}

HookIniSection hookExportSection(const std::string& name, HookSectionKind kind, const VersionProfile& profile,
                                 const SlotBuffer& slot, std::int32_t divisor, std::vector<std::string>& warnings)
{
    HookIniSection section{name, {}};
    for (const HookField& field : hookSectionFields(kind)) {
        const auto place = hookPlace(field, profile);
        if (!field.control || !place)
            continue;
        const std::int64_t raw = readHookValue(*place, slot);
        const HookFileValue value = hookFileValue(field.conversion, raw, divisor);
        std::string text = std::to_string(value.value);
        if (kind == HookSectionKind::Stats && value.value == -1) {
            warnings.push_back(std::string(field.key) + ": the file value for " + std::to_string(raw) +
                               " would be -1, which the hooks read as not set; PLORIK writes \"" +
                               std::string(field.key) + " =\", so the game keeps the executable's value.");
            text.clear();
        } else if (!value.exact) {
            warnings.push_back(std::string(field.key) + ": no file value gives " + std::to_string(raw) +
                               " exactly; PLORIK writes " + std::string(field.key) + " = " + text +
                               ", which the hooks turn into " + std::to_string(value.gameValue) + ".");
        }
        section.keys.emplace_back(field.key, text);
    }
    return section;
}

} // namespace plorik
