#pragma once

#include <string>

namespace plorik::cli {

// `plorik-cli help [COMMAND]`: with an empty topic the usage, the options, the commands and the exit
// statuses; else the usage and description of that command (it must exist).
std::string helpText(const std::string& topic);

// The man page plorik-cli(1), in troff, from the same tables as the help.
std::string manPage();

} // namespace plorik::cli
