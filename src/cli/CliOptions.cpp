#include "CliOptions.h"

#include "Command.h"

#include "common/WriteFailure.h"
#include "form/GameTextUtf8.h"

#include <string_view>

namespace plorik::cli {

std::optional<std::string> optionValue(const std::vector<std::string>& words, std::size_t& i, std::string_view name,
                                       bool& missing)
{
    const std::string& word = words[i];
    if (word == name) {
        if (i + 1 >= words.size()) {
            missing = true;
            return std::nullopt;
        }
        ++i;
        return words[i];
    }
    if (word.size() > name.size() && word.compare(0, name.size(), name) == 0 && word[name.size()] == '=')
        return word.substr(name.size() + 1);
    return std::nullopt;
}

namespace {

// A typed answer is UTF-8 and stands for the game's single-byte text; a file path stays the
// system's bytes.
bool addAnswer(std::vector<std::string>& answers, const std::string& answer, std::string& error)
{
    static constexpr std::string_view kTyped = "text:";
    if (answer.compare(0, kTyped.size(), kTyped) != 0) {
        answers.push_back(answer);
        return true;
    }
    const GameTextFromUtf8 text = gameTextFromUtf8(std::string_view(answer).substr(kTyped.size()));
    if (!text.ok()) {
        error =
            "--answer " + std::to_string(answers.size() + 1) + ": " + text.refusal() + "." + nothingWrittenSentence();
        return false;
    }
    answers.push_back(std::string(kTyped) + text.gameText);
    return true;
}

} // namespace

std::optional<CliOptions> parseOptions(const std::vector<std::string>& words, std::string& error)
{
    CliOptions options;
    std::size_t i = 0;
    for (; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--") {
            ++i;
            break;
        }
        if (word.empty() || word[0] != '-')
            break;
        bool missing = false;
        if (word == "--json") {
            options.json = true;
        } else if (word == "--help" || word == "-h") {
            options.help = true;
            return options;
        } else if (word == "--version") {
            options.version = true;
            return options;
        } else if (std::optional<std::string> dir = optionValue(words, i, "--program-dir", missing)) {
            if (dir->empty()) {
                error = "--program-dir needs a folder";
                return std::nullopt;
            }
            options.programDir = *dir;
        } else if (std::optional<std::string> file = optionValue(words, i, "--start-with", missing)) {
            if (file->empty()) {
                error = "--start-with needs a file";
                return std::nullopt;
            }
            options.startWith = *file;
        } else if (std::optional<std::string> answer = optionValue(words, i, "--answer", missing)) {
            if (!addAnswer(options.answers, *answer, error))
                return std::nullopt;
        } else if (missing) {
            error = word + " needs a value";
            return std::nullopt;
        } else {
            error = "unknown option " + word;
            return std::nullopt;
        }
    }
    if (i >= words.size()) {
        error = "no command given";
        return std::nullopt;
    }
    options.command = words[i];
    options.arguments.assign(words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());

    const CommandInfo* command = findCommand(options.command);
    if (!command) {
        error = "unknown command " + options.command;
        return std::nullopt;
    }
    for (const std::string& argument : options.arguments) {
        if (argument == "--help") {
            options.help = true;
            options.helpTopic = options.command;
            return options;
        }
    }
    if (!command->checkArguments(options.arguments, error))
        return std::nullopt;
    if (!command->run) {
        // `help [COMMAND]`
        options.help = true;
        options.helpTopic = options.arguments.empty() ? std::string() : options.arguments.front();
    }
    return options;
}

std::string versionText()
{
    return std::string("plorik-cli ") + PLORIK_VERSION;
}

std::string usageText()
{
    std::string text = "usage: plorik-cli [--program-dir DIR] [--answer A]... [--json] COMMAND [ARGS]...\n"
                       "       plorik-cli --version\n"
                       "commands:\n";
    for (const CommandInfo& command : commands()) {
        std::string line = "  ";
        line += command.name;
        if (!command.arguments.empty())
            line.append(" ").append(command.arguments);
        // Long arguments put the summary on a line of its own.
        if (line.size() < 24)
            line.resize(24, ' ');
        else
            line.append("\n").append(24, ' ');
        text.append(line).append(command.summary).append("\n");
    }
    text += "answers: yes, no, cancel, ok, text:VALUE, file:PATH (file: alone cancels)\n"
            "--start-with FILE: after the start-up, load FILE as \"plorik FILE\" does\n";
    return text;
}

} // namespace plorik::cli
