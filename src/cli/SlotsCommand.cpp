#include "Command.h"

#include "controls/MainWindowControls.h"

namespace plorik::cli {

// The "Craft No." list as the start-up filled it.
void runSlots(CommandContext& context)
{
    const std::vector<std::string>& items = context.session.mainForm()[controls::CraftNoBox].items();
    if (context.json) {
        context.result.set("items", Json::arrayOf(items));
        return;
    }
    for (const std::string& item : items)
        context.out << item << '\n';
}

} // namespace plorik::cli
