// With PLORIK_SCREENSHOT_DIR set, grabs every page and window at 1280x800 into PNG files there, so
// the layouts can be looked at without a screen.
#include "GuiTestSupport.h"

#include "controls/MainWindowControls.h"

#include "EditorWindows.h"
#include "HelpWindow.h"

#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QtTest>

namespace plorik::gui {

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void grabEveryPage();
};

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

} // namespace plorik::gui

#include "ScreenshotTest.moc"

int runScreenshotTest(int argc, char** argv)
{
    plorik::gui::ScreenshotTest test;
    return QTest::qExec(&test, argc, argv);
}
