#include "MainWindow.h"
#include "QtPrompter.h"
#include "QtText.h"
#include "TableProgressDialog.h"
#include "WindowSet.h"

#include "io/Platform.h"
#include "session/ProgramFolder.h"
#include "session/Session.h"
#include "table/TableCommands.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <filesystem>

namespace {

std::string environment(const char* name)
{
    return QFile::encodeName(qEnvironmentVariable(name)).toStdString();
}

// --program-dir, else the current folder when it holds a data.txt, else the per-user folder.
plorik::ProgramFolder chooseFolder(const QString& given)
{
    plorik::ProgramFolderRequest request;
    request.given = QFile::encodeName(given).toStdString();
    request.current = std::filesystem::current_path();
    request.userDataHome = plorik::platform::userDataHome(environment("XDG_DATA_HOME"), environment("HOME"));
    request.shippedDataFile =
        plorik::findShippedDataFile(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    plorik::ProgramFolder chosen = plorik::chooseProgramFolder(request);
    // The session names its files from this folder; later directory changes must not move it.
    chosen.path = std::filesystem::absolute(chosen.path);
    return chosen;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PLORIK"));
    QApplication::setDesktopFileName(QStringLiteral("plorik"));
    // The windows end the program themselves (closing the main window, "E&xit", a failed start).
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("PLORIK, the craft table editor for XvT and XWA."));
    parser.addHelpOption();
    const QCommandLineOption programDirOption(
        QStringLiteral("program-dir"),
        QStringLiteral("The program folder (data.txt, plorik.ini, PLORIKbackup). Default: the current folder when "
                       "it holds a data.txt, else $XDG_DATA_HOME/plorik or ~/.local/share/plorik."),
        QStringLiteral("DIR"));
    parser.addOption(programDirOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("An SHP craft file to load at start."),
                                 QStringLiteral("[FILE]"));
    parser.process(application);

    plorik::ProgramFolder folder;
    try {
        folder = chooseFolder(parser.value(programDirOption));
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, QStringLiteral("PLORIK"), plorik::gui::toQt(failure.what()));
        return 1;
    }
    plorik::gui::QtPrompter prompter(folder.path);
    plorik::Session session(folder.path, prompter);
    plorik::gui::WindowSet windows(session);
    windows.mainWindow().showProgramFolder(QFile::decodeName(QByteArray::fromStdString(folder.path.string())));
    prompter.setWindow(&windows.mainWindow());
    prompter.setRepaint([&windows] { windows.syncAll(); });
    plorik::TableCommandHooks tableHooks;
    tableHooks.watch = {[&prompter] { return prompter.errorCount(); }, [&prompter] { return prompter.lastError(); },
                        [] { return false; }};
    tableHooks.progress = plorik::gui::tableProgressDialog(&windows.mainWindow());
    tableHooks.programVersion = "PLORIK " PLORIK_VERSION;
    plorik::wireTableCommands(session, prompter, std::move(tableHooks));
    QObject::connect(&windows, &plorik::gui::WindowSet::finished, &application,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });

    // The window is on screen before the start-up asks or tells anything.
    windows.mainWindow().show();
    const QStringList files = parser.positionalArguments();
    session.start(files.isEmpty() ? std::string() : QFile::encodeName(files.first()).toStdString());
    windows.afterCommand();
    if (session.ended() || windows.isFinished())
        return session.ended() ? session.exitCode() : 0;

    windows.showSplash();
    return QApplication::exec();
}
