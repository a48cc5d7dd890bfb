#include "Command.h"

namespace plorik::cli {

const std::vector<CommandInfo>& commands()
{
    static const std::vector<CommandInfo> table = {
        {"identify", "", "the game version and its data.txt keys", takesNoArguments, runIdentify,
         "Runs the start-up and prints the name of the version entry of data.txt that matches the executable "
         "named in plorik.ini.\n"
         "With --json the result also has \"profile\": every key of a version entry, named without its \" =\", "
         "with its value as data.txt gives it (after the number rule, -1 read as 1000) or the key's default; the "
         "UNKNOWN keys as their raw text. The exit status is 1 when no version was identified."},
        {"slots", "", "the \"Craft No.\" list", takesNoArguments, runSlots,
         "Prints the items of the \"Craft No.\" list, one a line (\"items\" with --json): the slot numbers, and "
         "for X-Wing Alliance the craft's short name after the number."},
        {"controls", "[--window main|cockpit|weapons]",
         "a window's controls: key, kind, page, caption (main by default)", checkControlsArguments, runControls,
         "Prints every control of a window (the main window unless --window names another), one a line: its key, "
         "its kind, its page and its caption, and for a context-menu item the box whose menu holds it (\"list\" "
         "with --json: objects with key, caption, kind, page and box). The keys are the names that --set, --press "
         "and the \"controls\" of a result use."},
        {"show", "SLOT", "the main window's form showing slot SLOT", takesOneSlot, runShow,
         "Runs the start-up, types SLOT into \"Craft No.\" and prints the whole main window as it then shows the "
         "slot: a line per control, KEY, a tab and its text, then \"(disabled)\", \"checked\" or \"unchecked\" "
         "and a track bar's position where they apply; each grid row as KEY[ROW] and its cells. With --json: "
         "\"controls\", an object of every control's state; for an XWA slot also \"overrides\", the fields its "
         "hook files set in the executable's place."},
        {"write", "SLOT [--set KEY=VALUE]...", "edits slot SLOT and presses \"Write\"", checkWriteArguments, runWrite,
         "Shows SLOT as the show command does, applies each --set in order as a user's edit (its change handler "
         "runs), then presses \"Write\", which writes the slot into the executable and the game's text files.\n"
         "A SET is KEY=VALUE: the text of a text box, memo or editable list; for a fixed list the item whose "
         "text is VALUE, or @N for item N; true or false for check boxes and radio buttons; a number for track "
         "bars. KEY[ROW,COLUMN]=VALUE sets a grid cell. Questions that Write asks are answered from --answer."},
        {"run", "[--slot N] [--window main|cockpit|weapons] [--set KEY=VALUE] [--press CONTROL]...",
         "the steps in order, as a user does them; CONTROL: a key, a caption or BOXKEY:CAPTION", checkRunArguments,
         runRun,
         "Runs the start-up, then each step in the order given, as a user does it in the windows:\n"
         "--slot N types N into \"Craft No.\"; --window W addresses the main window, the cockpit editor or the "
         "weapon editor for the steps after it (an editor window is shown as its menu item shows it); --set SET "
         "edits a control of that window as write does; --press CONTROL presses a button, menu item, tool button "
         "or context-menu command, named by its key, by its caption without \"&\" and trailing dots "
         "(\"Save Ship as\"), or, for a context-menu command, as BOXKEY:CAPTION (\"DBOPTFile:Add New Opt\").\n"
         "A step on a control that is disabled or that the window does not have stops the run with exit status 2; "
         "a step that shows an error stops it with exit status 1. The result holds \"windows\": the form of every "
         "window addressed. show SLOT is run --slot SLOT; write SLOT --set ... is run --slot SLOT --set ... "
         "--press Write."},
        {"history", "", "the recorded writes into the game folder, newest first", takesNoArguments, runHistory,
         "Prints the writes recorded in PLORIKhistory for the version loaded, newest first: a line per write with its "
         "number, its time (UTC), the command that wrote (\"Write\", \"Paste Ship\", \"Save CP\", ...) and the slot "
         "on screen, then a line per file or region it wrote (\"records\" with --json: objects with number, time, "
         "command, slot and targets). Every command that writes into the game folder records, before its first "
         "byte, what it will replace; the oldest records go once they hold more than line 3 of plorik.ini says, in "
         "MB (64 by default)."},
        {"undo", "[N]", "puts back what the last (or N-th last) recorded write replaced", checkUndoArguments, runUndo,
         "Puts back the bytes and files that the last recorded write (or the N-th last, as history counts them) "
         "replaced, as Edit > \"Undo Write\" does, without its question. It goes ahead only while every region "
         "and file the write changed still holds what it wrote; otherwise it names what was changed since and "
         "writes nothing. The undo is a write like any other and is recorded too: undo it to redo. Then the slot "
         "is shown again and the result is that of run (\"windows\")."},
        {"export", "[--format csv|json] [--slots A-B] [--fields KEY,...] FILE",
         "every slot as the pages show it, one row per slot, into FILE (- for standard output)", checkExportArguments,
         runExport,
         "Shows each slot of the table (or of --slots A-B) in turn and writes one row per slot: the column Slot, then "
         "one column per field that \"Write\" stores, named by its control's key; a grid's cells are "
         "KEY[ROW,COLUMN]. --fields takes some of them. The values are the texts the pages show, the game's text as "
         "UTF-8.\n"
         "CSV (the default) has a header row and quotes a value holding a comma, a quote or a line break. JSON is one "
         "object with \"version\", \"programVersion\" and \"slots\": an object per slot with the same keys. With "
         "--json the result has \"rows\". More than 50 slots: a progress line on standard error."},
        {"import", "FILE [--dry-run] [--questions no|yes|fail]",
         "sets and writes every slot whose row in FILE differs from what the pages show", checkImportArguments,
         runImport,
         "Reads a table that export wrote (CSV or JSON) and checks all of it first: its columns, its slot numbers "
         "(each "
         "once) and its texts. Then for each row it shows the slot, sets the fields whose text differs from the row in "
         "page order, as typing would, and presses \"Write\"; a row that differs in nothing is skipped, so a table "
         "exported and imported unchanged changes no byte.\n"
         "--dry-run lists per slot the fields that would be set and writes nothing. Questions are answered from "
         "--answer; once those are used up, --questions yes or no answers the rest, and fail (the default) stops the "
         "import at the first question left unanswered, before that slot's first byte. A value that a field or "
         "\"Write\" refuses stops the import "
         "before that slot's write, naming the row, the column and the reason, and the slots written before it. With "
         "--json the result has \"written\" and \"changes\" (per slot, the fields set)."},
        {"export-hooks", "SLOT [--sections stats,exe,pov] [--file PATH]",
         "writes slot SLOT's values into the sections of its X-Wing Alliance hook file", checkExportHooksArguments,
         runExportHooks,
         "Shows SLOT and writes its values, as \"Write\" would store them, into the sections that X-Wing Alliance's "
         "hooks read beside the slot's model: [StatsProfile_Default] (stats: speed, acceleration, deceleration, "
         "pitch, roll, critical damage threshold, hull, system and shield strength, shield generator, hyperdrive, "
         "as the file values the hooks convert back), [ExeCraftValues] (weapon types, sequences, ranges, fire "
         "ratios, warhead types and capacities, countermeasures) and [CockpitPov] (the pilot's view), or those "
         "--sections names. The default file is the model's own FlightModels\\[Model].ini; --file PATH names "
         "another .ini file in the game folder, as the game names it (FlightModels\\Other.ini) or by its full "
         "path.\n"
         "The file is edited in place: only the keys written change, every other section, comment and line stays "
         "byte for byte, and new lines end as the file's do. A [Model]<Section>.txt that hides a section written is "
         "named in a question first (answered from --answer). A value that no file value gives back exactly (a "
         "speed of 226) is written as the nearest one, with a warning naming the value the hooks make of it. The "
         "write is recorded for undo. XvT reads no hook files: the command refuses it with exit status 1. With "
         "--json the result has \"file\", \"sections\", \"written\" and \"warnings\"."},
        {"import-hooks", "SLOT [--file PATH] [--write]", "sets slot SLOT's fields from its X-Wing Alliance hook file",
         checkImportHooksArguments, runImportHooks,
         "Shows SLOT, reads the sections the hooks read for its model (or those of --file PATH) and sets each field "
         "they replace as typing would, the file values converted as the hooks convert them, hull and shield by "
         "the divisor of the slot's ship type. --write then presses \"Write\"; without it nothing is written.\n"
         "Keys PLORIK has no field for are listed (\"not set:\"), as are values the pages cannot hold exactly and "
         "values with no digits, which the hooks crash on, with their file and line. With --json the result has "
         "\"set\", \"unsupported\", \"problems\", \"warnings\" and \"controls\"."},
        {"diff", "[--against-image | --against EXE] [--slots A-B] [--format text|markdown|json]",
         "what the game holds now against its backup image or another executable", checkDiffArguments, runDiff,
         "Compares the game with the backup image of its version (--against-image, the default) or with another "
         "executable of the same version (--against EXE). Prints every slot whose craft entry, ship type entry or "
         "species table entries differ, each differing field by page and caption with the older and the new text "
         "as the pages show them (\"Slot 12 TIE Interceptor \u00b7 Statistics \u00b7 Shield Power: 100 \u2192 140 "
         "SBD\"); then each weapon whose values in the weapon editor differ; then, against the image, the changed "
         "lines of the text and list files. --slots A-B limits the slots.\n"
         "--format markdown prints patch notes; --format json prints one object: \"against\", \"changes\" (the "
         "slots with their \"fields\"), \"weapons\" (likewise) and \"files\" (the changed lines), which --json "
         "sets in the result. Nothing is written. An executable of another version is refused with exit status 1."},
        {"help", "[COMMAND]", "the usage of plorik-cli, or of one command", checkHelpArguments, nullptr,
         "Prints the usage of plorik-cli and its commands, or the usage and description of COMMAND. "
         "\"plorik-cli COMMAND --help\" does the same. Nothing is started."},
    };
    return table;
}

const CommandInfo* findCommand(std::string_view name)
{
    for (const CommandInfo& command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

bool takesNoArguments(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.empty())
        return true;
    error = "unexpected argument " + arguments.front();
    return false;
}

bool checkHelpArguments(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.size() > 1) {
        error = "unexpected argument " + arguments[1];
        return false;
    }
    if (!arguments.empty() && !findCommand(arguments.front())) {
        error = "unknown command " + arguments.front();
        return false;
    }
    return true;
}

} // namespace plorik::cli
