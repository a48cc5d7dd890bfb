#include "CliHelp.h"
#include "CliOptions.h"
#include "CliRun.h"

#include "io/Platform.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    using namespace plorik::cli;
    const std::vector<std::string> words = plorik::platform::utf8Arguments(argc, argv);
    std::string error;
    const std::optional<CliOptions> options = parseOptions(words, error);
    if (!options) {
        std::cerr << "plorik-cli: " << error << '\n' << usageText();
        return kExitUsage;
    }
    if (options->version) {
        std::cout << versionText() << '\n';
        return kExitDone;
    }
    if (options->help) {
        std::cout << helpText(options->helpTopic);
        return kExitDone;
    }
    try {
        std::istream* terminal = plorik::platform::standardInputIsTerminal() ? &std::cin : nullptr;
        return runCommand(*options, std::cout, std::cerr, terminal);
    } catch (const std::exception& failure) {
        // Whatever the session did not report itself.
        std::cerr << "plorik-cli: " << failure.what() << '\n';
        return kExitFailed;
    }
}
