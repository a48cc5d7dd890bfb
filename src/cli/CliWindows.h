#pragma once

#include "session/Session.h"

#include <string>
#include <string_view>
#include <vector>

namespace plorik::cli {

// A window of the session as the command line names it.
struct CliWindow {
    std::string_view name;       // "main", "cockpit", "weapons"
    const MainControl* menuItem; // the main window's menu item that shows it; none for the main window
    Form& (*form)(Session&);     // its form, seen by name
};

const std::vector<CliWindow>& cliWindows();
const CliWindow& mainWindow();
// nullptr for a name that is not one of cliWindows().
const CliWindow* findWindow(std::string_view name);
// "main|cockpit|weapons", for the usage and its errors.
std::string windowNames();

} // namespace plorik::cli
