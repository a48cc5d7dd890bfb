#include "ChangeJson.h"

#include <filesystem>

namespace plorik::cli {

namespace {

Json fieldJson(const FieldChange& field)
{
    Json json = Json::object();
    std::string control = field.key;
    if (field.row > 0)
        control += "[" + std::to_string(field.row) + "," + std::to_string(field.column) + "]";
    json.set("page", field.page);
    json.set("caption", field.caption);
    json.set("key", control);
    json.set("unit", field.unit);
    json.set("old", field.before);
    json.set("new", field.after);
    return json;
}

Json fieldsJson(const std::vector<FieldChange>& fields)
{
    Json json = Json::array();
    for (const FieldChange& field : fields)
        json.push(fieldJson(field));
    return json;
}

} // namespace

void setChangeReport(Json& json, const ChangeReport& report)
{
    Json slots = Json::array();
    for (const SlotChanges& slot : report.craftSlots) {
        Json entry = Json::object();
        entry.set("slot", slot.slot);
        entry.set("name", slot.name);
        entry.set("fields", fieldsJson(slot.fields));
        slots.push(std::move(entry));
    }
    Json weapons = Json::array();
    for (const WeaponChanges& weapon : report.weapons) {
        Json entry = Json::object();
        entry.set("weapon", weapon.weapon);
        entry.set("name", weapon.name);
        entry.set("fields", fieldsJson(weapon.fields));
        weapons.push(std::move(entry));
    }
    Json lines = Json::array();
    for (const LineChange& line : report.lines) {
        Json entry = Json::object();
        entry.set("file", line.file);
        entry.set("line", line.line);
        entry.set("old", line.before ? Json(*line.before) : Json());
        entry.set("new", line.after ? Json(*line.after) : Json());
        lines.push(std::move(entry));
    }
    json.set("against", report.against);
    json.set("changes", std::move(slots));
    json.set("weapons", std::move(weapons));
    json.set("files", std::move(lines));
}

void setImageChanges(CommandContext& context)
{
    const Session& session = context.session;
    if (!context.json || !session.profile() || !std::filesystem::is_directory(session.backupFolder()))
        return;
    const std::int32_t slot = session.currentSlot();
    const ChangeReport report = session.changeReport(std::nullopt, slot, slot);
    context.result.set("changes", fieldsJson(report.craftSlots.empty() ? std::vector<FieldChange>{}
                                                                       : report.craftSlots.front().fields));
}

} // namespace plorik::cli
