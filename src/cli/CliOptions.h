#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plorik::cli {

// plorik-cli [--program-dir DIR] [--answer A]... [--start-with FILE] [--json] COMMAND [ARGS]...
struct CliOptions {
    std::string programDir; // empty: the current directory
    std::string startWith;  // the file the GUI would get as its first argument; empty: none
    std::vector<std::string> answers;
    bool json = false;
    bool version = false;  // --version: print plorik-cli's version, do nothing else
    bool help = false;     // --help, `help [COMMAND]` or `COMMAND --help`: print the usage, do nothing else
    std::string helpTopic; // the command whose usage to print; empty: plorik-cli's own
    std::string command;
    std::vector<std::string> arguments;
};

// Reads the options before the command; everything after the command belongs to it. On bad usage
// returns nullopt and puts the reason into `error`.
std::optional<CliOptions> parseOptions(const std::vector<std::string>& words, std::string& error);

// "--name VALUE" or "--name=VALUE" at words[i]: its value (advancing `i` past what it used), or
// nullopt when words[i] is another word; `missing` tells "--name" given last without its value.
std::optional<std::string> optionValue(const std::vector<std::string>& words, std::size_t& i, std::string_view name,
                                       bool& missing);

// "plorik-cli VERSION", the version of the build.
std::string versionText();

// The short usage text printed with a usage error and at the start of the help.
std::string usageText();

} // namespace plorik::cli
