#include "hooks/HookOverrides.h"

#include "hooks/HookFields.h"
#include "hooks/HookModel.h"
#include "hooks/HookNumber.h"

#include <algorithm>
#include <array>

namespace plorik {

namespace {

constexpr std::array<const char*, 3> kDifficulties = {"Easy", "Medium", "Hard"};
constexpr std::size_t kTurrets = 2;
constexpr std::size_t kTurretLineFields = 9;

class Collector {
public:
    Collector(HookFiles& files, HookReport& report, std::int32_t divisor)
        : m_files(files), m_report(report), m_divisor(divisor)
    {
    }

    // The number in a key's text, or nullopt (noted as a problem) where the hooks would crash.
    std::optional<std::int32_t> number(const HookSection& source, std::size_t line, const std::string& text)
    {
        const auto value = readHookNumber(text);
        if (!value)
            m_files.addProblem(source.file + ", line " + std::to_string(line) + ": \"" + text +
                               "\" is not a number the hooks can read; the game stops on it.");
        return value;
    }

    void add(const HookSection& source, const HookField& field, std::string key, std::size_t line, std::string raw,
             std::optional<std::int64_t> value, std::string when = {}, bool playerOnly = false)
    {
        m_report.overrides.push_back({field.control, field.row, field.column, source.file, source.section,
                                      std::move(key), line, value, std::move(raw), std::move(when), playerOnly});
    }

    // A key whose empty or absent value keeps the executable's; `unset` is a value that does too.
    void addKey(const HookSection& source, const HookField& field, std::optional<std::int32_t> unset,
                const std::string& when = {}, bool playerOnly = false)
    {
        std::optional<HookValue> found = source.find(field.key);
        // The critical damage threshold had another name before; the old one counts where the new is empty.
        if (field.key == "CriticalDamageThreshold" && (!found || found->text.empty()))
            found = source.find("ExplosionStrength");
        if (!found || found->text.empty())
            return;
        const auto value = number(source, found->line, found->text);
        if (!value || value == unset)
            return;
        add(source, field, std::string(field.key), found->line, found->text,
            hookGameValue(field.conversion, *value, m_divisor), when, playerOnly);
    }

private:
    HookFiles& m_files;
    HookReport& m_report;
    std::int32_t m_divisor;
};

// Each difficulty uses its own profile section when it has one, and then only that one. The player's
// craft first looks for sections of its own, which hide the others from it.
void collectStats(HookFiles& files, const HookModel& model, Collector& collector)
{
    const std::string base = "StatsProfile_" + model.statsProfile;
    struct Group {
        HookSection source;
        std::vector<std::string> difficulties;
        bool player;
    };
    std::vector<Group> groups;
    const auto add = [&](HookSection source, const std::string& difficulty, bool player) {
        auto same = std::find_if(groups.begin(), groups.end(), [&](const Group& known) {
            return known.source.file == source.file && known.source.section == source.section;
        });
        if (same == groups.end())
            groups.push_back({std::move(source), {difficulty}, player});
        else
            same->difficulties.push_back(difficulty);
    };
    for (const char* difficulty : kDifficulties) {
        HookSection source = hookSource(files, model.path, base + "_" + difficulty);
        if (!source.present())
            source = hookSource(files, model.path, base);
        HookSection player = hookSource(files, model.path, base + "_Player_" + difficulty);
        if (!player.present())
            player = hookSource(files, model.path, base + "_Player");
        if (player.present())
            add(std::move(player), difficulty, true);
        if (source.present())
            add(std::move(source), difficulty, false);
    }
    for (const Group& group : groups) {
        std::string when;
        if (group.difficulties.size() < kDifficulties.size()) {
            for (const std::string& difficulty : group.difficulties)
                when += (when.empty() ? "" : ", ") + difficulty;
        }
        for (const HookField& field : statsProfileFields())
            collector.addKey(group.source, field, -1, when, group.player);
    }
}

// The profile's section, else the plain one; each counts only with all three keys set.
void collectCockpitPov(HookFiles& files, const HookModel& model, Collector& collector)
{
    for (const std::string& name : {"CockpitPov_" + model.cockpitPovProfile, std::string("CockpitPov")}) {
        const HookSection source = hookSource(files, model.path, name);
        bool complete = source.present();
        for (const HookField& field : cockpitPovFields()) {
            const auto found = source.find(field.key);
            complete = complete && found && !found->text.empty() && readHookNumber(found->text);
        }
        if (!complete) {
            // A key the hooks would crash on is reported all the same.
            for (const HookField& field : cockpitPovFields()) {
                if (const auto found = source.find(field.key); found && !found->text.empty())
                    collector.number(source, found->line, found->text);
            }
            continue;
        }
        for (const HookField& field : cockpitPovFields())
            collector.addKey(source, field, std::nullopt);
        return;
    }
}

std::vector<std::string> splitTurretLine(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',' || c == ';')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    for (std::string& field : fields)
        field = std::string(trimHookText(field));
    return fields;
}

// A present Turrets source replaces both turrets, listed or not: an unlisted one has no model.
void collectTurrets(HookFiles& files, const HookModel& model, Collector& collector)
{
    const HookSection source = hookSource(files, model.path, "Turrets");
    if (!source.present())
        return;
    std::size_t turret = 0;
    for (const HookLine& line : source.lines) {
        const std::vector<std::string> parts = splitTurretLine(line.text);
        if (parts.size() < kTurretLineFields || turret == kTurrets)
            continue;
        const TurretFields& fields = turretFields(turret);
        const std::string prefix = "Turret" + std::to_string(turret + 1) + ".";
        for (std::size_t i = 0; i < std::size(fields.numbers); ++i) {
            const HookField& field = fields.numbers[i];
            if (const auto value = collector.number(source, line.number, parts[i]))
                collector.add(source, field, prefix + std::string(field.key), line.number, parts[i],
                              hookGameValue(field.conversion, *value, 1));
        }
        collector.add(source, fields.model, prefix + std::string(fields.model.key), line.number, parts[7],
                      std::nullopt);
        ++turret;
    }
    for (; turret < kTurrets; ++turret) {
        const TurretFields& fields = turretFields(turret);
        collector.add(source, fields.model, "Turret" + std::to_string(turret + 1) + ".OptName", 0, "", 0);
    }
}

} // namespace

HookReport findHookOverrides(const HookSlot& slot)
{
    HookReport report;
    HookFiles files(slot.gameDir);
    const std::optional<HookModel> model = hookModelOf(files, slot.optFile);
    if (model) {
        Collector collector(files, report, shipCategoryDivisor(slot.shipCategory));
        collectStats(files, *model, collector);
        if (slot.slot <= kLastExeValuesSlot) {
            const HookSection exe = hookSource(files, model->path, "ExeCraftValues");
            for (const HookField& field : exeCraftValueFields())
                collector.addKey(exe, field, std::nullopt);
        }
        collectCockpitPov(files, *model, collector);
        collectTurrets(files, *model, collector);
    }
    report.problems = files.problems();
    return report;
}

} // namespace plorik
