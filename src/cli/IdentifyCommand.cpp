#include "Command.h"

#include "session/ProfileLines.h"

#include <variant>

namespace plorik::cli {

// The version found and every key of its entry: as written in data.txt (after the number rule and
// -1 turned into 1000) or the key's default, so a modder sees what the program works from.
void runIdentify(CommandContext& context)
{
    const Session& session = context.session;
    const VersionProfile* profile = session.profile();
    // Without a profile nothing was identified, even when no error box said so (an unconfigured start).
    context.failed = profile == nullptr;
    const std::vector<ProfileLine> lines = profile ? profileLines(*profile) : std::vector<ProfileLine>{};

    if (context.json) {
        Json keys = Json::object();
        for (const ProfileLine& line : lines) {
            if (const auto* number = std::get_if<std::int32_t>(&line.value))
                keys.set(line.name, *number);
            else
                keys.set(line.name, std::get<std::string>(line.value));
        }
        context.result.set("profile", std::move(keys));
        return;
    }

    if (!session.versionName().empty())
        context.out << session.versionName() << '\n';
    // The free texts keep their leading blank, so these lines read as in data.txt.
    for (const ProfileLine& line : lines) {
        if (const auto* number = std::get_if<std::int32_t>(&line.value))
            context.out << line.name << " = " << *number << '\n';
        else
            context.out << line.name << " =" << std::get<std::string>(line.value) << '\n';
    }
}

} // namespace plorik::cli
