#include "CliOptions.h"
#include "CliWindows.h"
#include "Command.h"

namespace plorik::cli {

namespace {

// The window that `--window W` names, main without it; nullptr (with the reason) on bad usage.
const CliWindow* windowOf(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.empty())
        return &mainWindow();
    std::size_t i = 0;
    bool missing = false;
    const std::optional<std::string> name = optionValue(arguments, i, "--window", missing);
    if (!name || i + 1 != arguments.size()) {
        error = missing ? "--window needs a value" : "unexpected argument " + arguments[name ? i + 1 : 0];
        return nullptr;
    }
    const CliWindow* window = findWindow(*name);
    if (!window)
        error = "--window is one of " + windowNames() + ", not " + *name;
    return window;
}

} // namespace

bool checkControlsArguments(const std::vector<std::string>& arguments, std::string& error)
{
    return windowOf(arguments, error) != nullptr;
}

// Every control of a window: the keys that --set, --press and the forms of a result use. A
// context-menu item also names its box, for --press BOXKEY:CAPTION.
void runControls(CommandContext& context)
{
    std::string error;
    const Form& form = windowOf(context.arguments, error)->form(context.session);
    if (context.json) {
        Json list = Json::array();
        for (const auto& control : form.controls()) {
            Json entry = Json::object();
            entry.set("key", control->key().name());
            entry.set("caption", control->caption());
            entry.set("kind", kindName(control->kind()));
            entry.set("page", control->entry().page);
            if (!control->entry().contextMenuOf.empty())
                entry.set("box", control->entry().contextMenuOf);
            list.push(std::move(entry));
        }
        context.result.set("list", std::move(list));
        return;
    }
    for (const auto& control : form.controls()) {
        context.out << control->key().name() << '\t' << kindName(control->kind()) << '\t' << control->entry().page
                    << '\t' << control->caption();
        if (!control->entry().contextMenuOf.empty())
            context.out << '\t' << control->entry().contextMenuOf;
        context.out << '\n';
    }
}

} // namespace plorik::cli
