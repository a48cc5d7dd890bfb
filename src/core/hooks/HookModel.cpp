#include "hooks/HookModel.h"

#include "craft/Placeholders.h"

namespace plorik {

namespace {

std::string withoutExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// A global list, as it applies with no mission chosen: its own file, else its section of default.ini.
HookSection globalList(HookFiles& files, const std::string& name)
{
    HookSection list = files.readWhole("FlightModels\\" + name + ".txt");
    if (!list.present())
        list = files.readSection("FlightModels\\default.ini", name);
    return list;
}

} // namespace

std::optional<HookModel> hookModelOf(HookFiles& files, const std::string& optFile)
{
    if (!isModelName(optFile) || optFile.empty())
        return std::nullopt;
    HookModel model{withoutExtension(optFile)};
    const HookSection objects = globalList(files, "Objects");
    if (const auto other = objects.find(model.path + ".opt");
        other && !other->text.empty() && files.exists(other->text))
        model.path = withoutExtension(other->text);
    if (const auto profile = objects.find(model.path + "_CockpitPovProfile"); profile && !profile->text.empty())
        model.cockpitPovProfile = profile->text;
    else if (const auto global = objects.find("CockpitPovProfile"); global && !global->text.empty())
        model.cockpitPovProfile = global->text;
    // The stats profile list names models without their folder.
    const std::string bareName = model.path.substr(model.path.find_last_of('\\') + 1);
    if (const auto profile = globalList(files, "StatsProfiles").find(bareName); profile && !profile->text.empty())
        model.statsProfile = profile->text;
    return model;
}

HookSection hookSource(HookFiles& files, const std::string& modelPath, const std::string& section)
{
    HookSection text = files.readWhole(modelPath + section + ".txt");
    text.section = section;
    if (text.present())
        return text;
    return files.readSection(modelPath + ".ini", section);
}

} // namespace plorik
