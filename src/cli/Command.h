#pragma once

#include "CliPrompter.h"
#include "Json.h"

#include "session/Session.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace plorik::cli {

// What a command works with: the started session, its own arguments, and where its result goes.
// With --json the command sets its fields in `result`; otherwise it prints readable lines to `out`.
struct CommandContext {
    Session& session;
    const std::vector<std::string>& arguments;
    bool json = false;
    Json& result;
    std::ostream& out;
    // Set when the command could not do its work without the session showing an error (exit 1).
    bool failed = false;
    // Set when a step names a control that is not there, is disabled or takes no such value: the
    // user asked for what no user could do (exit 2).
    bool refused = false;
    // Where a command reports why it could not do its work.
    std::ostream* log = nullptr;
    // What the session has shown: a step that shows an error box stops the steps after it.
    CliPrompter* prompter = nullptr;
    std::size_t errorsShown() const { return prompter ? prompter->errorCount() : 0; }
};

struct CommandInfo {
    std::string_view name;
    std::string_view arguments; // as the usage text shows them
    std::string_view summary;
    // Checked before the start-up runs: false (with the reason in `error`) is a usage error.
    bool (*checkArguments)(const std::vector<std::string>& arguments, std::string& error);
    // Runs after the start-up.
    void (*run)(CommandContext& context);
    // What `plorik-cli help NAME`, `NAME --help` and the man page say beyond the summary: one
    // paragraph per line.
    std::string_view details = {};
};

const std::vector<CommandInfo>& commands();
const CommandInfo* findCommand(std::string_view name);

// For commands without arguments.
bool takesNoArguments(const std::vector<std::string>& arguments, std::string& error);

// The commands, one file each.
void runIdentify(CommandContext& context);
void runSlots(CommandContext& context);
void runControls(CommandContext& context);
bool checkControlsArguments(const std::vector<std::string>& arguments, std::string& error);
void runRun(CommandContext& context);
bool checkRunArguments(const std::vector<std::string>& arguments, std::string& error);
void runShow(CommandContext& context);
void runWrite(CommandContext& context);
bool checkWriteArguments(const std::vector<std::string>& arguments, std::string& error);
void runHistory(CommandContext& context);
void runUndo(CommandContext& context);
bool checkUndoArguments(const std::vector<std::string>& arguments, std::string& error);
void runExport(CommandContext& context);
bool checkExportArguments(const std::vector<std::string>& arguments, std::string& error);
void runImport(CommandContext& context);
bool checkImportArguments(const std::vector<std::string>& arguments, std::string& error);
void runExportHooks(CommandContext& context);
bool checkExportHooksArguments(const std::vector<std::string>& arguments, std::string& error);
void runImportHooks(CommandContext& context);
bool checkImportHooksArguments(const std::vector<std::string>& arguments, std::string& error);

void runDiff(CommandContext& context);
bool checkDiffArguments(const std::vector<std::string>& arguments, std::string& error);

// `help` takes at most one command name.
bool checkHelpArguments(const std::vector<std::string>& arguments, std::string& error);

// For commands that take one slot number.
bool takesOneSlot(const std::vector<std::string>& arguments, std::string& error);

} // namespace plorik::cli
