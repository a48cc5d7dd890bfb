#include "hooks/HookModel.h"

#include "craft/Placeholders.h"

namespace plorik {

namespace {

std::string withoutExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// The global Objects list, as it applies with no mission chosen.
HookSection objectsList(HookFiles& files)
{
    HookSection list = files.readWhole("FlightModels\\Objects.txt");
    if (!list.present())
        list = files.readSection("FlightModels\\default.ini", "Objects");
    return list;
}

} // namespace

std::optional<HookModel> hookModelOf(HookFiles& files, const std::string& optFile)
{
    if (!isModelName(optFile) || optFile.empty())
        return std::nullopt;
    HookModel model{withoutExtension(optFile)};
    const HookSection objects = objectsList(files);
    if (const auto other = objects.find(model.path + ".opt");
        other && !other->text.empty() && files.exists(other->text))
        model.path = withoutExtension(other->text);
    if (const auto profile = objects.find(model.path + "_CockpitPovProfile"); profile && !profile->text.empty())
        model.cockpitPovProfile = profile->text;
    else if (const auto global = objects.find("CockpitPovProfile"); global && !global->text.empty())
        model.cockpitPovProfile = global->text;
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
