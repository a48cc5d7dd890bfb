#include "MainWindow.h"
#include "QtPrompter.h"
#include "WindowSet.h"

#include "session/Session.h"

#include <QApplication>
#include <QFile>

#include <filesystem>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PLORIK"));
    // The windows end the program themselves (closing the main window, "E&xit", a failed start).
    QApplication::setQuitOnLastWindowClosed(false);

    // The program's own files (data.txt, plorik.ini, the backup images) lie in the folder it starts in.
    const std::filesystem::path programDir = std::filesystem::current_path();
    plorik::gui::QtPrompter prompter(programDir);
    plorik::Session session(programDir, prompter);
    plorik::gui::WindowSet windows(session);
    prompter.setWindow(&windows.mainWindow());
    prompter.setRepaint([&windows] { windows.syncAll(); });
    QObject::connect(&windows, &plorik::gui::WindowSet::finished, &application,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });

    // The window is on screen before the start-up asks or tells anything.
    windows.mainWindow().show();
    const QStringList arguments = QApplication::arguments();
    session.start(arguments.size() > 1 ? QFile::encodeName(arguments.at(1)).toStdString() : std::string());
    windows.afterCommand();
    if (session.ended() || windows.isFinished())
        return session.ended() ? session.exitCode() : 0;

    windows.showSplash();
    return QApplication::exec();
}
