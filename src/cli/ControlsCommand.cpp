#include "Command.h"

namespace plorik::cli {

// Every control of the main window: the keys that --set and the "controls" of a result use.
void runControls(CommandContext& context)
{
    const Form& form = context.session.mainForm();
    if (context.json) {
        Json list = Json::array();
        for (const auto& control : form.controls()) {
            Json entry = Json::object();
            entry.set("key", control->key());
            entry.set("caption", control->caption());
            entry.set("kind", kindName(control->kind()));
            entry.set("page", control->design().page);
            list.push(std::move(entry));
        }
        context.result.set("list", std::move(list));
        return;
    }
    for (const auto& control : form.controls()) {
        context.out << control->key() << '\t' << kindName(control->kind()) << '\t' << control->design().page << '\t'
                    << control->caption() << '\n';
    }
}

} // namespace plorik::cli
