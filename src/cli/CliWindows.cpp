#include "CliWindows.h"
#include "controls/MainWindowControls.h"

namespace plorik::cli {

const std::vector<CliWindow>& cliWindows()
{
    static const std::vector<CliWindow> windows = {
        {"main", nullptr, [](Session& session) -> Form& { return session.mainForm(); }},
        {"cockpit", &controls::IntCockpitEditorItem, [](Session& session) -> Form& { return session.cockpitForm(); }},
        {"weapons", &controls::WeaponsEditorItem, [](Session& session) -> Form& { return session.weaponForm(); }},
    };
    return windows;
}

const CliWindow& mainWindow()
{
    return cliWindows().front();
}

const CliWindow* findWindow(std::string_view name)
{
    for (const CliWindow& window : cliWindows()) {
        if (window.name == name)
            return &window;
    }
    return nullptr;
}

std::string windowNames()
{
    std::string names;
    for (const CliWindow& window : cliWindows())
        names += (names.empty() ? "" : "|") + std::string(window.name);
    return names;
}

} // namespace plorik::cli
