#include "Command.h"

namespace plorik::cli {

const std::vector<CommandInfo>& commands()
{
    static const std::vector<CommandInfo> table = {
        {"identify", "", "the game version and its data.txt keys", takesNoArguments, runIdentify},
        {"slots", "", "the \"Craft No.\" list", takesNoArguments, runSlots},
        {"controls", "[--window main|cockpit|weapons]",
         "a window's controls: key, kind, page, caption (main by default)", checkControlsArguments, runControls},
        {"show", "SLOT", "the main window's form showing slot SLOT", takesOneSlot, runShow},
        {"write", "SLOT [--set KEY=VALUE]...", "edits slot SLOT and presses \"Write\"", checkWriteArguments, runWrite},
        {"run", "[--slot N] [--window main|cockpit|weapons] [--set KEY=VALUE] [--press CONTROL]...",
         "the steps in order, as a user does them; CONTROL: a key, a caption or BOXKEY:CAPTION", checkRunArguments,
         runRun},
    };
    return table;
}

const CommandInfo* findCommand(std::string_view name)
{
    for (const CommandInfo& command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

bool takesNoArguments(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.empty())
        return true;
    error = "unexpected argument " + arguments.front();
    return false;
}

} // namespace plorik::cli
