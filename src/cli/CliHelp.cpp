#include "CliHelp.h"

#include "CliOptions.h"
#include "Command.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace plorik::cli {

namespace {

struct Entry {
    std::string_view name;
    std::string_view text;
};

const std::vector<Entry>& options()
{
    static const std::vector<Entry> table = {
        {"--program-dir DIR",
         "The program folder: data.txt, plorik.ini and the backup images in PLORIKbackup. Without it, the current "
         "folder is the program folder when it holds a data.txt; otherwise it is the per-user folder "
         "$XDG_DATA_HOME/plorik (~/.local/share/plorik when XDG_DATA_HOME is not set; %APPDATA%\\plorik on "
         "Windows), which is made on first use with a copy of the data.txt that comes with PLORIK."},
        {"--answer A",
         "Answers the questions the program asks, in the order asked (repeatable): yes, no, cancel or ok for a "
         "message box, text:VALUE for an input box, file:PATH for a file choice (file: alone cancels it). A "
         "question left without an answer is asked on the terminal, or else answered with Cancel (or No) and the "
         "exit status is 3. Text (text:VALUE and --set values) is read as UTF-8, as --json prints it: a character "
         "the game's single-byte text has no byte for is refused before anything runs; a PATH is used as given."},
        {"--json", "Prints the result as one JSON object: command, version, slot, status, programDir, the command's "
                   "own fields, messages and exit."},
        {"--help, -h", "Prints this help. \"plorik-cli help COMMAND\" or \"plorik-cli COMMAND --help\" prints a "
                       "command's usage."},
    };
    return table;
}

const std::vector<Entry>& exitStatuses()
{
    static const std::vector<Entry> table = {
        {"0", "done"},
        {"1", "the command showed an error message, or the program would end"},
        {"2", "bad usage"},
        {"3", "a question was left unanswered"},
    };
    return table;
}

std::string commandUsage(const CommandInfo& command)
{
    std::string usage = "plorik-cli [OPTIONS] ";
    usage += command.name;
    if (!command.arguments.empty()) {
        usage += ' ';
        usage += command.arguments;
    }
    return usage;
}

// Breaks `text` into lines of at most `width` characters, each starting with `indent`.
std::string wrapped(std::string_view text, std::size_t width, std::string_view indent)
{
    std::string out;
    std::string line(indent);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(" \n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (line.size() > indent.size() && line.size() + 1 + word.size() > width) {
            out += line + '\n';
            line = indent;
        }
        if (line.size() > indent.size())
            line += ' ';
        line += word;
        if (end < text.size() && text[end] == '\n') {
            out += line + '\n';
            line = indent;
        }
        start = end + 1;
    }
    if (line.size() > indent.size())
        out += line + '\n';
    return out;
}

// A character past ASCII (the help is UTF-8) as troff's \[uXXXX]: troff reads its input as Latin-1
// and warns about the bytes of "→" or "·".
std::size_t troffUnicode(std::string_view text, std::size_t at, std::string& out)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    char32_t code = length == 1 ? U'?' : lead & (0x7F >> length);
    if (length > 1 && at + length <= text.size()) {
        for (std::size_t i = 1; i < length; ++i)
            code = (code << 6) | (byte(at + i) & 0x3F);
    } else {
        code = U'?';
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "\\[u%04X]", static_cast<unsigned>(code));
    out += code == U'?' ? std::string("?") : std::string(hex);
    return std::min(length, text.size() - at);
}

// Text for troff: a backslash is written \e, and a line must not begin with a dot or a quote.
std::string troff(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (static_cast<unsigned char>(c) >= 0x80) {
            at += troffUnicode(text, at, out) - 1;
            continue;
        }
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        if ((c == '.' || c == '\'') && (out.size() == 1 || out[out.size() - 2] == '\n'))
            out.insert(out.size() - 1, "\\&");
    }
    return out;
}

// One troff paragraph per line of `text`.
std::string troffParagraphs(std::string_view text)
{
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (start > 0)
            out += ".IP\n";
        out += troff(text.substr(start, end - start)) + '\n';
        start = end + 1;
    }
    return out;
}

} // namespace

std::string helpText(const std::string& topic)
{
    constexpr std::size_t kWidth = 80;
    if (const CommandInfo* command = topic.empty() ? nullptr : findCommand(topic)) {
        std::string text = "usage: " + commandUsage(*command) + "\n\n";
        text += wrapped(command->summary, kWidth, "");
        if (!command->details.empty())
            text += '\n' + wrapped(command->details, kWidth, "");
        return text;
    }
    std::string text = usageText() + "\noptions:\n";
    for (const Entry& option : options()) {
        text += "  ";
        text += option.name;
        text += '\n' + wrapped(option.text, kWidth, "      ");
    }
    text += "\nexit status:\n";
    for (const Entry& status : exitStatuses()) {
        text += "  ";
        text += status.name;
        text += "  ";
        text += status.text;
        text += '\n';
    }
    text += "\n\"plorik-cli help COMMAND\" describes a command.\n";
    return text;
}

std::string manPage()
{
    std::string page =
        ".TH PLORIK\\-CLI 1 \"\" \"PLORIK\" \"User Commands\"\n"
        ".nh\n"
        ".SH NAME\n"
        "plorik\\-cli \\- the PLORIK craft table editor on the command line\n"
        ".SH SYNOPSIS\n"
        ".B plorik\\-cli\n"
        "[\\fB\\-\\-program\\-dir\\fR \\fIDIR\\fR] [\\fB\\-\\-answer\\fR \\fIA\\fR]... [\\fB\\-\\-json\\fR] "
        "\\fICOMMAND\\fR [\\fIARGS\\fR]...\n"
        ".SH DESCRIPTION\n" +
        troff("plorik-cli runs the same editor session as the window program plorik, without windows: "
              "the same start-up, the same controls, the same commands and the same messages. Every "
              "command first runs the start-up (data.txt, plorik.ini, the identification of the game "
              "executable, slot 1). Messages go to standard error as CAPTION TEXT lines.") +
        "\n.SH OPTIONS\n";
    for (const Entry& option : options()) {
        page += ".TP\n.B " + troff(option.name) + '\n' + troff(option.text) + '\n';
    }
    page += ".SH COMMANDS\n";
    for (const CommandInfo& command : commands()) {
        page += ".TP\n\\fB" + troff(command.name) + "\\fR";
        if (!command.arguments.empty())
            page += " \\fI" + troff(command.arguments) + "\\fR";
        page += '\n' + troff(command.summary) + ".\n";
        if (!command.details.empty())
            page += ".IP\n" + troffParagraphs(command.details);
    }
    page += ".SH EXIT STATUS\n";
    for (const Entry& status : exitStatuses())
        page += ".TP\n.B " + troff(status.name) + '\n' + troff(status.text) + '\n';
    page += ".SH FILES\n"
            ".TP\n.I data.txt\n" +
            troff("In the program folder: the version entries and lookup sections PLORIK reads.") +
            "\n.TP\n.I plorik.ini\n" +
            troff("In the program folder: the game folder, the executable's name and, on an optional third line, "
                  "how many MB the history of writes may hold (64 by default, 0 for none).") +
            "\n.TP\n.I PLORIKbackup/\n" + troff("In the program folder: the backup images, one folder per version.") +
            "\n.TP\n.I PLORIKhistory/\n" +
            troff("In the program folder: the history of writes that undo puts back, one folder per version.") +
            "\n.SH EXAMPLES\n.nf\n" +
            troff("plorik-cli --program-dir ~/xvt-edit identify --json\n"
                  "plorik-cli slots\n"
                  "plorik-cli --json show 12\n"
                  "plorik-cli write 12 --set SpeedBox=110 --set 'wpn[1,1]=-40'\n") +
            ".fi\n.SH SEE ALSO\n" +
            troff("plorik(1) is the window program; its help pages lie in share/plorik/help of the installation "
                  "(Help > Contents).") +
            "\n";
    return page;
}

} // namespace plorik::cli
