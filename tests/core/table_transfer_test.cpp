// Export and import of the whole craft table: what an unchanged round trip, a scripted edit and a
// bad row do to the files on disk, and how CSV and JSON text reads back.
#include "WriteFixture.h"

#include "form/GameTextUtf8.h"
#include "table/Csv.h"
#include "table/JsonReader.h"
#include "table/TableColumns.h"
#include "table/TableCommands.h"
#include "table/TableExport.h"
#include "table/TableImport.h"

#include <algorithm>

using namespace plorik;
using namespace plorik::testing;

namespace {

// Answers every question left without an answer with No (Cancel where there is no No).
class DecliningPrompter : public ScriptedPrompter {
protected:
    std::string askFallback(const std::string& kind, const std::string&, const std::string&) override
    {
        return kind == "message" ? "no" : "";
    }
};

struct TableGame {
    TempDir dir;
    BuiltGame game;
    DecliningPrompter prompter;
    std::unique_ptr<Session> session;

    explicit TableGame(Family family)
    {
        game = GameBuilder(family).build(dir.path());
        session = std::make_unique<Session>(game.programDir, prompter);
        session->start();
    }

    // Every slot, or slots 1 to `last`.
    std::string exportAll(TableFormat format = TableFormat::Csv, std::int32_t last = 0)
    {
        TableExportRequest request;
        request.format = format;
        request.lastSlot = last;
        request.programVersion = "test";
        const ExportedTable table = exportTable(*session, request);
        EXPECT_EQ(table.refusal, "");
        EXPECT_EQ(table.rows, static_cast<std::size_t>(last ? last : game.slots));
        return table.text;
    }

    ImportedTable import(const std::string& text, bool dryRun = false)
    {
        TableImportRequest request;
        request.dryRun = dryRun;
        request.watch.errorCount = [this] {
            return static_cast<std::size_t>(std::count_if(
                prompter.records().begin(), prompter.records().end(),
                [](const ScriptedPrompter::Record& record) { return record.message.icon == MessageIcon::Error; }));
        };
        request.watch.lastError = [this] {
            for (auto record = prompter.records().rbegin(); record != prompter.records().rend(); ++record) {
                if (record->message.icon == MessageIcon::Error)
                    return record->message.text;
            }
            return std::string();
        };
        request.watch.unanswered = [this] { return prompter.unanswered(); };
        return importTable(*session, text, request);
    }
};

// The CSV with `edit` applied to the cell of each named slot and column.
std::string editedCsv(const std::string& csv, const std::vector<std::int32_t>& slots,
                      const std::vector<std::string>& columns,
                      const std::function<std::string(const std::string&, const std::string&)>& edit)
{
    CsvRecords table = readCsv(csv);
    EXPECT_EQ(table.fault, "");
    const std::vector<std::string>& header = table.records.front();
    std::string text = csvRecord(header);
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        std::vector<std::string> record = table.records[r];
        if (std::find(slots.begin(), slots.end(), std::stoi(record.front())) != slots.end()) {
            for (const std::string& column : columns) {
                const std::size_t at =
                    static_cast<std::size_t>(std::find(header.begin(), header.end(), column) - header.begin());
                record.at(at) = edit(column, record.at(at));
            }
        }
        text += csvRecord(record);
    }
    return text;
}

const char* familyName(Family family)
{
    return family == Family::Xwa ? "XWA" : "XvT";
}

} // namespace

TEST(TableTransfer, UnchangedTableImportsWithoutChangingAByte)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        for (const TableFormat format : {TableFormat::Csv, TableFormat::Json}) {
            SCOPED_TRACE(std::string(familyName(family)) + (format == TableFormat::Csv ? " CSV" : " JSON"));
            TableGame game(family);
            const auto before = snapshot(game.game.gameDir);
            const std::string text = game.exportAll(format);
            const ImportedTable imported = game.import(text);
            EXPECT_FALSE(imported.stop.has_value()) << describeFault(*imported.stop);
            EXPECT_TRUE(imported.changes.empty());
            EXPECT_TRUE(imported.written.empty());
            EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
            // Every column of every slot reads back as it was exported.
            EXPECT_EQ(game.exportAll(format), text);
        }
    }
}

// Three fields of five slots edited in the CSV by a script, then imported: the game folder ends up
// byte for byte as when a user types the same edits and presses "Write" slot by slot, and the
// table reads back exactly as edited.
TEST(TableTransfer, ScriptedEditOfTheCsvWritesWhatTypingWould)
{
    const std::vector<std::int32_t> slots = {1, 2, 4, 6, 7};
    const std::vector<std::string> columns = {"SystemHitsBox", "CraftNameBox", "wpn[1,2]"};
    const auto edit = [](const std::string& column, const std::string& value) {
        if (column == "CraftNameBox")
            return value + " Mk \xC3\xA9"; // "é" in UTF-8: the byte 0xE9 in the game's text
        return std::to_string(std::stoi(value) + 3);
    };
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(familyName(family));
        TableGame imported(family);
        const auto original = snapshot(imported.game.gameDir);
        const std::string edited = editedCsv(imported.exportAll(), slots, columns, edit);

        const ImportedTable dryRun = imported.import(edited, true);
        EXPECT_FALSE(dryRun.stop.has_value()) << describeFault(*dryRun.stop);
        EXPECT_TRUE(dryRun.written.empty());
        ASSERT_EQ(dryRun.changes.size(), slots.size());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(dryRun.changes[i].slot, slots[i]);
            EXPECT_EQ(dryRun.changes[i].columns, columns);
        }
        EXPECT_EQ(changedFiles(original, snapshot(imported.game.gameDir)), std::set<std::string>{});

        const ImportedTable result = imported.import(edited);
        EXPECT_FALSE(result.stop.has_value()) << describeFault(*result.stop);
        EXPECT_EQ(result.written, slots);
        EXPECT_EQ(imported.exportAll(), edited);

        TableGame typed(family);
        const std::vector<TableColumn> all = tableColumns(family == Family::Xwa);
        for (const std::int32_t slot : slots) {
            MainForm& form = typed.session->mainForm();
            form.userEdit(controls::CraftNoBox, std::to_string(slot));
            for (const std::string& name : columns) {
                const TableColumn& column = *findColumn(all, name);
                const std::string value =
                    gameTextFromUtf8(edit(name, gameTextToUtf8(columnValue(form, column)))).gameText;
                if (column.row)
                    form.userEditCell(column.control, *column.row, *column.column, value);
                else
                    form.userEdit(column.control, value);
            }
            form.userPress(controls::WriteButton);
        }
        const auto byImport = snapshot(imported.game.gameDir);
        const auto byTyping = snapshot(typed.game.gameDir);
        EXPECT_NE(changedFiles(original, byImport), std::set<std::string>{});
        EXPECT_EQ(changedFiles(byTyping, byImport), std::set<std::string>{});
        EXPECT_TRUE(byImport == byTyping);
    }
}

// A bad row stops the import before its slot's write and says where and why. What the file alone
// shows is found before the first slot is written; what a field or "Write" refuses, at its row,
// after the rows before it are written.
TEST(TableTransfer, BadRowStopsBeforeItsSlotIsWritten)
{
    struct Case {
        const char* name;
        std::string text;
        std::size_t row;
        std::string column;
        std::string reason;
        std::vector<std::int32_t> written;
    };
    // Row 2 changes slot 1's system hits only; the other columns repeat what slot 1 shows.
    const std::string header = "Slot,SystemHitsBox,ComboBox10,ShieldPowerBox\r\n";
    const auto goodRow = [](TableGame& game) {
        const CsvRecords table = readCsv(game.exportAll(TableFormat::Csv, 1));
        const std::vector<std::string>& header = table.records.at(0);
        const std::vector<std::string>& shown = table.records.at(1);
        const auto at = [&](const char* name) {
            return shown.at(static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin()));
        };
        return "1,77," + csvField(at("ComboBox10")) + "," + at("ShieldPowerBox") + "\r\n";
    };
    // The bad row follows the header and the good row.
    const Case cases[] = {
        {"unknown column", "", 1, "NoSuchBox", "unknown column", {}},
        {"slot outside the table", "999,5,0  Fighter,1420\r\n", 3, "Slot", "outside the table", {}},
        {"slot given twice", "1,78,0  Fighter,1420\r\n", 3, "Slot", "given twice", {}},
        {"open quote", "2,\"5,0  Fighter,1420\r\n", 3, "", "not closed", {}},
        {"value the list refuses", "2,5,99 Gunboat,1420\r\n", 3, "ComboBox10", "has no item", {1}},
        {"value Write refuses", "2,5,0  Fighter,99999999999\r\n", 3, "", "cannot be stored", {1}},
    };
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        for (const Case& test : cases) {
            SCOPED_TRACE(std::string(familyName(family)) + ": " + test.name);
            TableGame game(family);
            const std::string before = game.exportAll(TableFormat::Csv, 2);
            const auto files = snapshot(game.game.gameDir);
            const std::string text = test.column == "NoSuchBox" ? "Slot,SystemHitsBox,NoSuchBox\r\n1,77,x\r\n"
                                                                : header + goodRow(game) + test.text;
            const ImportedTable imported = game.import(text);
            ASSERT_TRUE(imported.stop.has_value());
            EXPECT_EQ(imported.stop->row, test.row) << describeFault(*imported.stop);
            EXPECT_EQ(imported.stop->column, test.column) << describeFault(*imported.stop);
            EXPECT_NE(imported.stop->reason.find(test.reason), std::string::npos) << imported.stop->reason;
            // One line, which does not claim that nothing was written when earlier slots were.
            EXPECT_EQ(imported.stop->reason.find_first_of("\r\n"), std::string::npos) << imported.stop->reason;
            EXPECT_EQ(imported.stop->reason.find("Nothing was written"), std::string::npos) << imported.stop->reason;
            EXPECT_EQ(imported.written, test.written);
            // Only slot 1's row differs from what the export held, and only where written.
            const std::string expected =
                test.written.empty()
                    ? before
                    : editedCsv(before, {1}, {"SystemHitsBox"}, [](auto&, auto&) { return std::string("77"); });
            EXPECT_EQ(game.exportAll(TableFormat::Csv, 2), expected);
            if (test.written.empty()) {
                EXPECT_EQ(changedFiles(files, snapshot(game.game.gameDir)), std::set<std::string>{});
            }
        }
    }
}

// File > "Export Table.." and "Import Table..": the save dialog's file holds the export; the open
// dialog's file is checked, its changes listed in a question, and written only on Yes.
TEST(TableTransfer, FileMenuCommandsAskBeforeTheyWrite)
{
    TableGame game(Family::Xwa);
    wireTableCommands(*game.session, game.prompter, TableCommandHooks{});
    const std::filesystem::path file = game.dir.path() / "table.csv";
    Form& form = game.session->mainForm();
    game.prompter.addAnswer("file:" + file.string());
    ASSERT_TRUE(form.userPress(controls::ExportTableItem));
    EXPECT_EQ(form[controls::StatusBar].text(),
              "Exported " + std::to_string(game.game.slots) + " slots to " + file.string());
    const std::string exported = readFile(file);
    EXPECT_EQ(exported, game.exportAll());

    writeFile(file,
              editedCsv(exported, {3}, {"SystemHitsBox", "wpn[3,2]"}, [](auto&, auto&) { return std::string("99"); }));
    const auto files = snapshot(game.game.gameDir);
    for (const char* answer : {"no", "yes"}) {
        game.prompter.clearRecords();
        game.prompter.addAnswer("file:" + file.string());
        game.prompter.addAnswer(answer);
        ASSERT_TRUE(form.userPress(controls::ImportTableItem));
        // The open dialog, then the question.
        ASSERT_EQ(game.prompter.records().size(), 2u);
        EXPECT_EQ(game.prompter.records()[1].message.text,
                  "1 slot differs from the table:\r\rSlot 3: System Hits, Wpn. Slots (row 3, Y)\r\rWrite these slots?");
        EXPECT_EQ(changedFiles(files, snapshot(game.game.gameDir)),
                  answer == std::string("no") ? std::set<std::string>{} : std::set<std::string>{game.game.exeName});
    }
    EXPECT_EQ(readFile(file), game.exportAll());
}

// CSV after RFC 4180 and JSON, each read back as written: quotes, commas, both line breaks and the
// game's single-byte text (as UTF-8); and the faults each reader reports.
TEST(TableText, CsvAndJsonReadBackWhatIsWritten)
{
    const std::vector<std::string> fields = {
        "plain",   "a,b", "say \"hi\"", "two\r\nlines", "lf\nonly", "", gameTextToUtf8("Caf\xE9 \xAB\xBB \xFF"),
        " spaced "};
    const std::string record = csvRecord(fields);
    EXPECT_EQ(record, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"lf\nonly\",,Caf\xC3\xA9 \xC2\xAB\xC2\xBB "
                      "\xC3\xBF, spaced \r\n");
    const CsvRecords back = readCsv(record + record);
    EXPECT_EQ(back.fault, "");
    EXPECT_EQ(back.records, (std::vector<std::vector<std::string>>{fields, fields}));

    struct CsvCase {
        std::string text;
        std::vector<std::vector<std::string>> records;
        std::string fault;
    };
    const CsvCase csvCases[] = {
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}, ""},      {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, ""},
        {"a,\r\n,b\r\n", {{"a", ""}, {"", "b"}}, ""},    {"\"x\"\"y\",z\r\n", {{"x\"y", "z"}}, ""},
        {"a,\"open\r\nb,c\r\n", {{}}, "not closed"},     {"a,\"x\"y\r\n", {{}}, "after the closing quote"},
        {"a,x\"y\r\n", {{}}, "does not start with one"}, {"a\rb\r\n", {{}}, "carriage return"},
    };
    for (const CsvCase& test : csvCases) {
        SCOPED_TRACE(test.text);
        const CsvRecords read = readCsv(test.text);
        if (test.fault.empty()) {
            EXPECT_EQ(read.fault, "");
            EXPECT_EQ(read.records, test.records);
        } else {
            EXPECT_NE(read.fault.find(test.fault), std::string::npos) << read.fault;
        }
    }

    struct JsonCase {
        std::string text;
        std::string fault; // empty: read, and its "k" is "value"
        std::string value;
    };
    const JsonCase jsonCases[] = {
        {"{\"k\":\"caf\\u00e9 \\\"q\\\" \\ud83d\\ude00\"}", "", "caf\xC3\xA9 \"q\" \xF0\x9F\x98\x80"},
        {" {\"k\" : \"v\", \"n\": [1, -2.5e3, true, null]} ", "", "v"},
        {"{\"k\":\"v\",}", "an object's key is not a string", ""},
        {"{\"k\":\"v\",\"k\":\"w\"}", "twice", ""},
        {"{\"k\":\"\\ud83d\"}", "surrogate", ""},
        {"{\"k\":\"a\tb\"}", "control character", ""},
        {"{\"k\":\"v\"} x", "after the value", ""},
        {"{\"k\":01}", "not a JSON value", ""},
        {"{\"k\":\"\xC3\"}", "not valid UTF-8", ""},
        {"{\"k\":\"v\"", "not closed", ""},
    };
    for (const JsonCase& test : jsonCases) {
        SCOPED_TRACE(test.text);
        const JsonRead read = readJson(test.text);
        if (test.fault.empty()) {
            EXPECT_EQ(read.fault, "");
            ASSERT_NE(read.value.member("k"), nullptr);
            EXPECT_EQ(read.value.member("k")->text, test.value);
            EXPECT_EQ(readJson("{\"k\":" + jsonQuoted(test.value) + "}").value.member("k")->text, test.value);
        } else {
            EXPECT_NE(read.fault.find(test.fault), std::string::npos) << read.fault;
        }
    }
}
