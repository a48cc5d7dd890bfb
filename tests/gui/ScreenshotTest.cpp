// With PLORIK_SCREENSHOT_DIR set, grabs every page and window at 1280x800 into PNG files there, so
// the layouts can be looked at without a screen.
#include "GuiTestSupport.h"

#include "controls/MainWindowControls.h"

#include "EditorWindows.h"
#include "HelpWindow.h"
#include "QtPrompter.h"
#include "TableProgressDialog.h"

#include "table/Csv.h"
#include "table/TableCommands.h"
#include "table/TableExport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace plorik::gui {

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void grabEveryPage();
    void grabTableDialogs();
    void grabHookFileItems();
};

namespace {

// The window's own message boxes; the open dialog is answered with one file.
class TablePrompter : public QtPrompter {
public:
    TablePrompter(std::filesystem::path programDir, std::string file)
        : QtPrompter(std::move(programDir)), m_file(std::move(file))
    {
    }
    std::optional<std::string> openFile(const FileChoice&) override { return m_file; }

private:
    std::string m_file;
};

} // namespace

void ScreenshotTest::grabEveryPage()
{
    const QString folder = qEnvironmentVariable("PLORIK_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("PLORIK_SCREENSHOT_DIR is not set");
    QVERIFY(QDir().mkpath(folder));
    for (const auto& [family, name] :
         {std::pair{testing::Family::Xvt, "xvt"}, std::pair{testing::Family::Xwa, "xwa"}}) {
        for (const bool configured : {true, false}) {
            Running run(family, configured);
            const QString prefix =
                QDir(folder).filePath(QString::fromLatin1(name) + (configured ? QString() : QStringLiteral("-first")));
            run.window().showProgramFolder(QString::fromStdString(run.game.programDir.string()));
            run.window().resize(1280, 800);
            if (configured) {
                // The hex view with a whole craft entry in it.
                auto* display = run.find<QComboBox>(controls::DisplayBox);
                display->setCurrentIndex(2);
                emit display->activated(2);
            }
            QTabWidget* pages = run.window().pages();
            for (int i = 0; i < pages->count(); ++i) {
                pages->setCurrentIndex(i);
                QString page = pages->tabText(i);
                page.remove(QLatin1Char('.')).replace(QLatin1Char(' '), QLatin1Char('-'));
                const QString file = prefix + QStringLiteral("-%1-%2.png").arg(i + 1).arg(page);
                QVERIFY(run.window().grab().save(file));
                if (!configured)
                    break; // the first start's other pages look like the configured ones
            }
            if (configured) {
                // XWA has no way to the cockpit editor; its window is grabbed as it stands.
                run.action(controls::WeaponsEditorItem)->trigger();
                run.action(controls::IntCockpitEditorItem)->trigger();
                QVERIFY(run.windows->weaponEditor().grab().save(prefix + QStringLiteral("-weapon-editor.png")));
                QVERIFY(run.windows->cockpitEditor().grab().save(prefix + QStringLiteral("-cockpit-editor.png")));
            }
            if (configured && family == testing::Family::Xvt) {
                HelpWindow help;
                help.showPage(findHelpPage("", run.game.programDir), "");
                QVERIFY(help.grab().save(prefix + QStringLiteral("-help.png")));
            }
        }
    }
}

// File > "Import Table..": the progress dialog of the check, and the question that lists the changes.
void ScreenshotTest::grabTableDialogs()
{
    const QString folder = qEnvironmentVariable("PLORIK_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("PLORIK_SCREENSHOT_DIR is not set");
    QVERIFY(QDir().mkpath(folder));
    Running run(testing::Family::Xwa);
    run.window().resize(1280, 800);
    CsvRecords table = readCsv(exportTable(*run.session, TableExportRequest{}).text);
    for (const std::size_t slot : {3u, 8u, 12u})
        table.records[slot][4] = "99"; // SystemHitsBox
    std::string text;
    for (const auto& record : table.records)
        text += csvRecord(record);
    const auto file = run.dir.path() / "table.csv";
    testing::writeFile(file, text);

    TablePrompter prompter(run.game.programDir, file.string());
    prompter.setWindow(&run.window());
    TableCommandHooks hooks;
    const auto progress = tableProgressDialog(&run.window());
    bool grabbedProgress = false;
    hooks.progress = [&](std::size_t done, std::size_t total) {
        progress(done, total);
        if (done == total / 2) {
            if (auto* dialog = run.window().findChild<QProgressDialog*>()) {
                grabbedProgress = dialog->grab().save(QDir(folder).filePath(QStringLiteral("xwa-table-progress.png")));
            }
        }
    };
    wireTableCommands(*run.session, prompter, std::move(hooks));
    bool grabbedQuestion = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            grabbedQuestion = box->grab().save(QDir(folder).filePath(QStringLiteral("xwa-table-import.png")));
            box->button(QMessageBox::No)->click();
        }
    });
    poll.start(50);
    run.session->mainForm().userPress(controls::ImportTableItem);
    poll.stop();
    QVERIFY(grabbedProgress);
    QVERIFY(grabbedQuestion);
}

} // namespace plorik::gui

#include "ScreenshotTest.moc"

int runScreenshotTest(int argc, char** argv)
{
    plorik::gui::ScreenshotTest test;
    return QTest::qExec(&test, argc, argv);
}

namespace plorik::gui {

// File > "Export Hook File.." and "Import Hook File..": on for XWA, off for XvT; the open File menu
// and slot 4's markers with the status text are grabbed.
void ScreenshotTest::grabHookFileItems()
{
    for (const auto family : {testing::Family::Xvt, testing::Family::Xwa}) {
        Running run(family);
        const bool xwa = family == testing::Family::Xwa;
        QCOMPARE(run.action(controls::ExportHookFileItem)->isEnabled(), xwa);
        QCOMPARE(run.action(controls::ImportHookFileItem)->isEnabled(), xwa);
        const QString folder = qEnvironmentVariable("PLORIK_SCREENSHOT_DIR");
        if (!xwa || folder.isEmpty())
            continue;
        QVERIFY(QDir().mkpath(folder));
        run.window().resize(1280, 800);
        run.window().show();
        QVERIFY(run.session->mainForm().userEdit(controls::CraftNoBox, "4"));
        run.windows->syncAll();
        QVERIFY(run.window().grab().save(QDir(folder).filePath(QStringLiteral("xwa-hook-markers.png"))));
        auto* menu = run.window().findChild<QMenu*>(QStringLiteral("menu:&File"));
        QVERIFY(menu);
        menu->popup(run.window().mapToGlobal(QPoint(0, 0)));
        QVERIFY(menu->grab().save(QDir(folder).filePath(QStringLiteral("xwa-file-menu.png"))));
        menu->close();
    }
}

} // namespace plorik::gui
