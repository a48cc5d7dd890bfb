#pragma once

#include "common/Prompter.h"
#include "session/Session.h"

#include <QObject>

#include <memory>

namespace plorik::gui {

class EditorWindow;
class MainWindow;
class SplashWindow;

// The windows of one session: the main window, the two editor windows (made hidden) and the
// splash. After every user action it copies all forms to their windows and, once the session has
// ended, closes them all and reports the exit code.
class WindowSet : public QObject {
    Q_OBJECT

public:
    explicit WindowSet(Session& session);
    ~WindowSet() override;

    MainWindow& mainWindow() { return *m_main; }
    EditorWindow& cockpitEditor() { return *m_cockpit; }
    EditorWindow& weaponEditor() { return *m_weapons; }
    SplashWindow* splash() { return m_splash.get(); }

    // Copies every form to its window and shows or hides the editor windows.
    void syncAll();
    // The end of a user action: copy, and close everything when the session has ended.
    void afterCommand();
    // Shows the splash; it closes on the first tick of its timer.
    void showSplash();
    bool isFinished() const { return m_finished; }

signals:
    void finished(int exitCode);

private:
    void finish(int exitCode);
    void splashClosing();

    Session& m_session;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<EditorWindow> m_cockpit;
    std::unique_ptr<EditorWindow> m_weapons;
    std::unique_ptr<SplashWindow> m_splash;
    bool m_finished = false;
};

} // namespace plorik::gui
