#include "session/Session.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "controls/WindowForms.h"
#include "craft/DisplaySteps.h"
#include "craft/SlotGathering.h"
#include "form/FormSet.h"
#include "history/WriteUndo.h"
#include "hooks/HookModel.h"
#include "hooks/HookSlotValues.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"
#include "io/Platform.h"

#include <array>

namespace plorik {

namespace {

constexpr std::array<const char*, 3> kDifficulties = {"Easy", "Medium", "Hard"};

// The file a hook command reads or writes: its real path and the game's name for it.
struct HookTarget {
    std::filesystem::path path;
    std::string name;
    bool ownIni = false; // the model's own [Model].ini
};

bool endsWithNoCase(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && equalNoCase(text.substr(text.size() - end.size()), end);
}

// `file` as the game names it, relative to the game folder, or by its full path; nullopt (with the
// reason) when it lies outside the game folder, through ".." or a link, or is no .ini file.
std::optional<HookTarget> hookTarget(const std::string& gameDir, const std::string& file, const HookModel& model,
                                     std::string& refusal)
{
    const std::filesystem::path folder = std::filesystem::weakly_canonical(resolveGamePath(gameDir));
    HookTarget target;
    // A name with a root ("/x"; on Windows "\x" or "C:x" too) is no name within the game folder.
    const std::filesystem::path given = platform::pathFromUtf8(file);
    if (file.empty() || (!given.has_root_directory() && !given.has_root_name())) {
        target.name = file.empty() ? model.path + ".ini" : file;
        const auto path = resolveInsideGameDir(gameDir, target.name);
        if (!path) {
            refusal = target.name + " lies outside the game folder; PLORIK reads and writes hook files only there.";
            return std::nullopt;
        }
        target.path = *path;
    } else {
        target.path = std::filesystem::absolute(given);
        const std::filesystem::path real = std::filesystem::weakly_canonical(target.path.parent_path());
        const auto [end, unused] = std::mismatch(folder.begin(), folder.end(), real.begin(), real.end());
        if (end != folder.end()) {
            refusal = file + " lies outside the game folder; PLORIK reads and writes hook files only there.";
            return std::nullopt;
        }
        std::string name;
        for (const auto& part : std::filesystem::relative(target.path, folder))
            name += (name.empty() ? "" : "\\") + platform::utf8Of(part);
        target.name = name;
    }
    std::error_code error;
    const bool exists = std::filesystem::exists(std::filesystem::symlink_status(target.path, error));
    if (!realPathInside(exists ? target.path : target.path.parent_path(), folder)) {
        refusal = target.name + " leads out of the game folder; PLORIK reads and writes hook files only there.";
        return std::nullopt;
    }
    if (!endsWithNoCase(target.name, ".ini")) {
        refusal = target.name + " is no .ini file; PLORIK writes a slot's hook sections into [Model].ini files.";
        return std::nullopt;
    }
    const auto own = resolveInsideGameDir(gameDir, model.path + ".ini");
    target.ownIni =
        own && std::filesystem::weakly_canonical(*own, error) == std::filesystem::weakly_canonical(target.path, error);
    return target;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r") + line;
    return text;
}

std::string sectionList(const std::vector<std::string>& sections)
{
    std::string text;
    for (std::size_t i = 0; i < sections.size(); ++i)
        text += (i == 0 ? "" : i + 1 == sections.size() ? " and " : ", ") + ("[" + sections[i] + "]");
    return text;
}

// The cockpit view the hooks take: the profile's section when it has all three keys, else the plain one.
HookSection cockpitPovSource(const std::function<HookSection(const std::string&)>& read, const HookModel& model)
{
    HookSection plain;
    for (const std::string& name : {"CockpitPov_" + model.cockpitPovProfile, std::string("CockpitPov")}) {
        HookSection source = read(name);
        bool complete = source.present();
        for (const HookField& field : cockpitPovFields()) {
            const auto found = source.find(field.key);
            complete = complete && found && !found->text.empty();
        }
        if (complete)
            return source;
        plain = std::move(source);
    }
    return plain;
}

// What the control shows, in the words of --set.
std::string shownValue(const MainForm& form, const HookField& field)
{
    const Control& control = form[*field.control];
    if (field.row > 0)
        return field.row < control.rowCount() && field.column < control.columnCount()
                   ? control.cell(field.row, field.column)
                   : std::string();
    switch (control.kind()) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return control.checked() ? "true" : "false";
    case ControlKind::TrackBar: return std::to_string(control.position());
    default: return control.text();
    }
}

} // namespace

HookExportResult Session::exportHookFile(const HookExportRequest& request)
{
    HookExportResult result;
    run([&] { result = exportHooks(request); });
    return result;
}

HookImportResult Session::importHookFile(const HookImportRequest& request)
{
    HookImportResult result;
    run([&] { result = importHooks(request); });
    return result;
}

std::optional<HookModel> Session::hookCommandModel(HookFiles& files, const std::string& command)
{
    if (!m_profile)
        return std::nullopt;
    if (!m_profile->isXwa()) {
        error("\"" + command + "\" works on X-Wing Alliance only: this game reads no hook files." +
              nothingWrittenParagraph());
        return std::nullopt;
    }
    if (refusedWhileNotShown())
        return std::nullopt;
    std::optional<HookModel> model = hookModelOf(files, (*m_main)[controls::DBOPTFile].text());
    if (!model)
        error("Slot " + std::to_string(currentSlot()) +
              " names no model in \"OPT File:\", and hook files are named after the model." +
              nothingWrittenParagraph());
    return model;
}

void Session::exportHookFileItem()
{
    HookFiles files(m_gameDir);
    const std::optional<HookModel> model = hookCommandModel(files, "Export Hook File");
    if (!model)
        return;
    const std::filesystem::path own = resolveGamePath(m_gameDir, model->path + ".ini");
    const std::optional<std::string> chosen =
        m_prompter.saveFile({"Export Hook File", ".ini", "Hook files (*.ini)|*.ini", 1, false,
                             own.parent_path().string(), own.filename().string()});
    if (!chosen || chosen->empty())
        return;
    const HookExportResult result = exportHooks({.file = *chosen});
    if (result.written && !result.warnings.empty())
        m_prompter.message(
            {"PLORIK warning:", joinLines(result.warnings), MessageIcon::Warning, MessageButtons::Ok, Answer::Ok});
}

void Session::importHookFileItem()
{
    HookFiles files(m_gameDir);
    const std::optional<HookModel> model = hookCommandModel(files, "Import Hook File");
    if (!model)
        return;
    const std::filesystem::path own = resolveGamePath(m_gameDir, model->path + ".ini");
    const std::optional<std::string> chosen =
        m_prompter.openFile({"Import Hook File", ".ini", "Hook files (*.ini)|*.ini|All files|*.*", 1, false,
                             own.parent_path().string(), own.filename().string()});
    if (!chosen || chosen->empty())
        return;
    const HookImportResult result = importHooks({*chosen});
    std::vector<std::string> notes = result.problems;
    notes.insert(notes.end(), result.warnings.begin(), result.warnings.end());
    notes.insert(notes.end(), result.unsupported.begin(), result.unsupported.end());
    if (!notes.empty())
        m_prompter.message({"PLORIK", "Not set from the hook file:\r\r" + joinLines(notes), MessageIcon::Information,
                            MessageButtons::Ok, Answer::Ok});
}

HookExportResult Session::exportHooks(const HookExportRequest& request)
{
    const std::string command = "Export Hook File";
    HookExportResult result;
    HookFiles files(m_gameDir);
    const std::optional<HookModel> model = hookCommandModel(files, command);
    if (!model)
        return result;
    std::string refusal;
    const std::optional<HookTarget> target = hookTarget(m_gameDir, request.file, *model, refusal);
    if (!target) {
        error(refusal + nothingWrittenParagraph());
        return result;
    }
    result.file = target->name;

    // The values "Write" would store: the slot's bytes with the pages' edits.
    SlotBuffer slot = m_slot;
    SlotGathering gathering(*m_main, m_shown, *m_profile, slot);
    if (const auto refused = gathering.refusal()) {
        error(*refused + nothingWrittenParagraph());
        return result;
    }
    gathering.gather();
    const int shipType = (*m_main)[controls::ShipTypeList].index();
    const std::int32_t divisor = shipCategoryDivisor(shipType < 0 ? 0 : shipType);

    std::vector<HookIniSection> sections;
    std::vector<std::string> hidden;
    for (const HookSectionKind kind : request.sections) {
        std::string name;
        if (kind == HookSectionKind::Stats) {
            name = "StatsProfile_" + model->statsProfile;
        } else if (kind == HookSectionKind::ExeValues) {
            if (currentSlot() > kLastExeValuesSlot) {
                result.warnings.push_back("The hooks apply ExeCraftValues to slots 1 to " +
                                          std::to_string(kLastExeValuesSlot) + " only; PLORIK did not write them.");
                continue;
            }
            name = "ExeCraftValues";
        } else {
            const std::string profile = "CockpitPov_" + model->cockpitPovProfile;
            name = hookSource(files, model->path, profile).present() ? profile : "CockpitPov";
        }
        if (std::find(result.sections.begin(), result.sections.end(), name) != result.sections.end())
            continue;
        sections.push_back(hookExportSection(name, kind, *m_profile, slot, divisor, result.warnings));
        result.sections.push_back(name);
        if (!target->ownIni)
            continue;
        if (const HookSection text = files.readWhole(model->path + name + ".txt"); text.present())
            hidden.push_back(text.file + " hides [" + name + "]");
        if (kind != HookSectionKind::Stats)
            continue;
        for (const char* difficulty : kDifficulties) {
            const HookSection own = hookSource(files, model->path, name + "_" + difficulty);
            if (own.present())
                result.warnings.push_back("[" + own.section + "] of " + own.file + " takes the place of [" + name +
                                          "] on " + difficulty + ": the values written do not apply there.");
        }
    }
    if (!hidden.empty() &&
        m_prompter.message({"PLORIK query:",
                            joinLines(hidden) + " of " + target->name +
                                ": the game takes those values from the .txt file and never reads the section "
                                "written.\r\rWrite " +
                                target->name + " all the same?",
                            MessageIcon::Question, MessageButtons::YesNo, Answer::No}) != Answer::Yes)
        return result;

    std::string original;
    std::error_code absent;
    const bool exists = std::filesystem::exists(std::filesystem::symlink_status(target->path, absent));
    if (exists) {
        const FileHandle file = FileHandle::openRegular(target->path, FileHandle::Access::Read);
        if (file.size() > HookFiles::kMaxFile) {
            error(target->name + " is larger than 64 MB; PLORIK does not edit it." + nothingWrittenParagraph());
            return result;
        }
        original = file.readAll();
    }
    HookIniEdit edit = editHookIni(original, sections, target->name);
    if (edit.refusal) {
        error(*edit.refusal + nothingWrittenParagraph());
        return result;
    }
    result.warnings.insert(result.warnings.end(), edit.notes.begin(), edit.notes.end());
    Control& status = (*m_main)[controls::StatusBar];
    if (exists && edit.text == original) {
        status.setText(target->name + " already holds " + sectionList(result.sections) + " of slot " +
                       std::to_string(currentSlot()) + "; nothing was written.");
        result.upToDate = true;
        return result;
    }
    const auto lock = lockGameFolder();
    if (!lock)
        return result;
    PlannedWrite planned;
    planned.replace(target->path, std::move(edit.text));
    recordWrite(command, planned);
    applyPlannedWrite(planned, m_gameDir);
    result.written = true;
    findHookOverrides();
    markFields();
    status.setText("Wrote " + sectionList(result.sections) + " of slot " + std::to_string(currentSlot()) + " into " +
                   target->name + ".");
    return result;
}

HookImportResult Session::importHooks(const HookImportRequest& request)
{
    HookImportResult result;
    HookFiles files(m_gameDir);
    const std::optional<HookModel> model = hookCommandModel(files, "Import Hook File");
    if (!model)
        return result;
    std::optional<HookTarget> target;
    if (!request.file.empty()) {
        std::string refusal;
        target = hookTarget(m_gameDir, request.file, *model, refusal);
        if (!target) {
            error(refusal);
            return result;
        }
    }
    // The model's own file: what the hooks read, a [Model]<Section>.txt in place of its section.
    const bool hooksRead = !target || target->ownIni;
    const auto read = [&](const std::string& section) {
        return hooksRead ? hookSource(files, model->path, section) : files.readSection(target->name, section);
    };
    const std::string stats = "StatsProfile_" + model->statsProfile;
    std::vector<std::pair<HookSection, HookSectionKind>> sources = {{read(stats), HookSectionKind::Stats}};
    if (currentSlot() <= kLastExeValuesSlot)
        sources.emplace_back(read("ExeCraftValues"), HookSectionKind::ExeValues);
    sources.emplace_back(cockpitPovSource(read, *model), HookSectionKind::CockpitPov);
    for (const char* difficulty : kDifficulties) {
        for (const std::string& name : {stats + "_" + difficulty, stats + "_Player_" + difficulty}) {
            if (const HookSection other = read(name); other.present())
                result.warnings.push_back("[" + name + "] of " + other.file + " applies " +
                                          (name.find("_Player") != std::string::npos ? "to the player's craft " : "") +
                                          "on " + difficulty + " only; PLORIK did not import it.");
        }
    }
    if (const HookSection turrets = read("Turrets"); turrets.present())
        result.warnings.push_back("[Turrets] of " + turrets.file +
                                  " replaces the slot's turrets in the game; PLORIK does not import turret lines.");
    if (const HookSection player = read(stats + "_Player"); player.present())
        result.warnings.push_back("[" + player.section + "] of " + player.file +
                                  " applies to the player's craft only; PLORIK did not import it.");

    const int shipType = (*m_main)[controls::ShipTypeList].index();
    const std::int32_t divisor = shipCategoryDivisor(shipType < 0 ? 0 : shipType);
    std::vector<HookReadKey> keys;
    for (const auto& [source, kind] : sources) {
        HookReadKeys found = readHookKeys(source, kind, divisor);
        keys.insert(keys.end(), found.keys.begin(), found.keys.end());
        result.unsupported.insert(result.unsupported.end(), found.unsupported.begin(), found.unsupported.end());
        result.problems.insert(result.problems.end(), found.problems.begin(), found.problems.end());
    }
    result.problems.insert(result.problems.begin(), files.problems().begin(), files.problems().end());

    // The slot as "Write" would store it now, with the file's values put in.
    SlotBuffer slot = m_slot;
    SlotGathering gathering(*m_main, m_shown, *m_profile, slot);
    if (const auto refused = gathering.refusal()) {
        error(*refused);
        return result;
    }
    gathering.gather();
    const auto describe = [](const HookReadKey& key) {
        return std::string(key.field->key) + " = " + key.text + " (" + key.file + ", line " + std::to_string(key.line) +
               ")";
    };
    std::vector<std::pair<HookReadKey, HookPlace>> placed;
    for (const HookReadKey& key : keys) {
        const auto place = hookPlace(*key.field, *m_profile);
        if (!place) {
            result.unsupported.push_back(describe(key) + ": this game version has no such field");
        } else if (!putHookValue(*place, slot, key.gameValue)) {
            result.warnings.push_back(describe(key) + ": the game uses " + std::to_string(key.gameValue) +
                                      ", which \"" + std::string((*m_main)[*key.field->control].caption()) +
                                      "\" cannot hold; PLORIK did not set it.");
        } else {
            placed.emplace_back(key, *place);
        }
    }

    // What the pages would show for those values: the slot's display on a form of its own.
    MainForm& main = *m_main;
    const std::unique_ptr<MainForm> shown = buildMainWindowForm();
    Form& anyShown = *shown; // every track bar, by its own key
    for (const auto& control : main.controls()) {
        if (control->kind() == ControlKind::TrackBar)
            anyShown[control->key()].setRange(control->minimum(), control->maximum());
    }
    (*shown)[controls::ShipTypeList].setItems(main[controls::ShipTypeList].items());
    (*shown)[controls::ShipTypeList].setIndex(main[controls::ShipTypeList].index());
    const DisplayContext context{*shown,           *m_profile,     slot,    m_slotOffset, m_gameDir,
                                 executablePath(), dataFilePath(), nullptr, nullptr};
    display::showStatistics(context);
    display::showStrengths(context);
    display::showWeaponry(context);
    display::showCockpit(context);
    for (const auto& [key, place] : placed) {
        const std::string value = shownValue(*shown, *key.field);
        if (value == shownValue(main, *key.field))
            continue;
        std::string why;
        const FormSet set{std::string(key.field->control->key),
                          key.field->row > 0 ? std::optional(key.field->row) : std::nullopt,
                          key.field->row > 0 ? std::optional(key.field->column) : std::nullopt, value};
        if (applyFormSet(main, set, why) != SetOutcome::Done)
            result.warnings.push_back(describe(key) + ": " + why);
    }

    // Each value as "Write" would now store it: a page that shows part of a field, or rounds it,
    // may not give the hooks' value back.
    SlotBuffer stored = m_slot;
    SlotGathering check(main, m_shown, *m_profile, stored);
    const std::optional<std::string> refused = check.refusal();
    if (!refused)
        check.gather();
    for (const auto& [key, place] : placed) {
        const std::int64_t now = readHookValue(place, stored);
        if (refused)
            result.warnings.push_back(describe(key) + ": " + *refused);
        else if (now != key.gameValue)
            result.warnings.push_back(describe(key) + ": the game uses " + std::to_string(key.gameValue) +
                                      "; from what the page shows, \"Write\" stores " + std::to_string(now) + ".");
        else
            result.set.push_back(key);
    }
    std::string from;
    for (const auto& [source, kind] : sources) {
        if (source.present() && from.find(source.file) == std::string::npos)
            from += (from.empty() ? "" : " and ") + source.file;
    }
    main[controls::StatusBar].setText("Set " + std::to_string(result.set.size()) + " fields of slot " +
                                      std::to_string(currentSlot()) + " from " +
                                      (from.empty() ? std::string("no hook file") : from) + "; \"Write\" stores them.");
    return result;
}

} // namespace plorik
