#include "CliRun.h"

#include "controls/MainWindowControls.h"

#include "CliOptions.h"
#include "CliPrompter.h"
#include "Command.h"

#include "io/Platform.h"
#include "session/ProgramFolder.h"
#include "table/TableCommands.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace plorik::cli {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// --program-dir, else the current folder when it holds a data.txt, else the per-user folder; a
// per-user folder made just now is reported once.
std::filesystem::path programFolder(const std::string& given, std::ostream& log)
{
    std::error_code error;
    ProgramFolderRequest request;
    request.given = platform::pathFromUtf8(given);
    request.current = std::filesystem::current_path(error);
    request.userDataHome = platform::userDataHome(environment("XDG_DATA_HOME"), environment("HOME"));
    request.shippedDataFile = findShippedDataFile(platform::executablePath().parent_path());
    const ProgramFolder chosen = chooseProgramFolder(request);
    if (chosen.seeded)
        log << "plorik-cli: made the program folder " << chosen.path.string() << " with the shipped data.txt\n";
    // The session names its files from this folder; make it independent of later directory changes.
    const std::filesystem::path absolute = std::filesystem::absolute(chosen.path, error);
    return error ? chosen.path : absolute;
}

Json messagesJson(const CliPrompter& prompter)
{
    Json messages = Json::array();
    for (const ScriptedPrompter::Record& record : prompter.records()) {
        Json message = Json::object();
        message.set("caption", record.message.caption);
        message.set("text", record.message.text);
        message.set("icon", iconName(record.message.icon));
        message.set("buttons", buttonsName(record.message.buttons));
        message.set("answer", record.answer);
        messages.push(std::move(message));
    }
    return messages;
}

int exitStatus(const CliPrompter& prompter, const Session& session, const CommandContext& context)
{
    if (context.refused)
        return kExitUsage;
    if (prompter.unanswered())
        return kExitUnanswered;
    // A program that ends of its own accord ("E&xit", the notice after "Select EXE File..") ends well.
    if ((session.ended() && session.exitCode() != 0) || prompter.errorShown() || context.failed)
        return kExitFailed;
    return kExitDone;
}

// The GUI gets the file from the shell it was started in; the session may name its files from the
// program folder, so a relative path is made absolute here.
std::string startFile(const std::string& given)
{
    if (given.empty())
        return given;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(platform::pathFromUtf8(given), error);
    return error ? given : platform::utf8Of(absolute);
}

} // namespace

int runCommand(const CliOptions& options, std::ostream& out, std::ostream& log, std::istream* terminal)
{
    const CommandInfo* command = findCommand(options.command);
    if (!command || !command->run)
        return kExitUsage; // parseOptions has refused it, or it is `help`, which main answers

    CliPrompter prompter(options.answers, terminal, log);
    Session session(programFolder(options.programDir, log), prompter);
    session.start(startFile(options.startWith)); // every failure of the start-up is an error box of the session
    // The File menu's table commands, for `run --press "Export Table"` as for the window.
    TableCommandHooks tableHooks;
    tableHooks.watch = {[&prompter] { return prompter.errorCount(); }, [&prompter] { return prompter.lastError(); },
                        [&prompter] { return prompter.unanswered(); }};
    tableHooks.programVersion = versionText();
    wireTableCommands(session, prompter, std::move(tableHooks));

    Json result = Json::object();
    result.set("command", options.command);
    // Filled in after the command, but listed first.
    result.set("version", nullptr);
    result.set("slot", nullptr);
    result.set("status", nullptr);
    result.set("programDir", session.programDir().string());

    CommandContext context{session, options.arguments, options.json, result, out};
    context.log = &log;
    context.prompter = &prompter;
    try {
        command->run(context);
    } catch (const std::exception& failure) {
        // Reported like every failure of the session, so the result still says what happened.
        prompter.message({"PLORIK", failure.what(), MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    }

    const int status = exitStatus(prompter, session, context);
    if (options.json) {
        result.set("version", session.versionName());
        result.set("slot", session.profile() ? Json(session.currentSlot()) : Json());
        result.set("status", session.mainForm()[controls::StatusBar].text());
        result.set("messages", messagesJson(prompter));
        result.set("exit", status);
        out << result.dump() << '\n';
    }
    out.flush();
    return status;
}

} // namespace plorik::cli
