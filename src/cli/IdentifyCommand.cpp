#include "Command.h"

#include "profile/ProfileKey.h"

#include <array>

namespace plorik::cli {

namespace {

constexpr std::array kUnknownColumns = {UnknownColumn::Name, UnknownColumn::Type, UnknownColumn::MainOffset,
                                        UnknownColumn::SlotOffset};

std::string unknownKeyName(std::size_t row, UnknownColumn column)
{
    return "UNKNOWN" + std::to_string(row + 1) + std::string(unknownColumnSuffix(column));
}

} // namespace

// The version found and every key of its entry: as written in data.txt (after the number rule and
// -1 turned into 1000) or the key's default, so a modder sees what the program works from.
void runIdentify(CommandContext& context)
{
    const Session& session = context.session;
    const VersionProfile* profile = session.profile();
    // Without a profile nothing was identified, even when no error box said so (an unconfigured start).
    context.failed = profile == nullptr;

    if (context.json) {
        Json keys = Json::object();
        if (profile) {
            for (const KeyInfo& info : keyTable())
                keys.set(info.name, profile->written(info.key));
            for (const UnknownColumn column : kUnknownColumns) {
                for (std::size_t row = 0; row < kUnknownRows; ++row)
                    keys.set(unknownKeyName(row, column), profile->unknownText(row, column));
            }
        }
        context.result.set("profile", std::move(keys));
        return;
    }

    if (!session.versionName().empty())
        context.out << session.versionName() << '\n';
    if (!profile)
        return;
    for (const KeyInfo& info : keyTable())
        context.out << info.name << " = " << profile->written(info.key) << '\n';
    // The free texts keep their leading blank, so these lines read as in data.txt.
    for (const UnknownColumn column : kUnknownColumns) {
        for (std::size_t row = 0; row < kUnknownRows; ++row)
            context.out << unknownKeyName(row, column) << " =" << profile->unknownText(row, column) << '\n';
    }
}

} // namespace plorik::cli
