#include "WindowSet.h"

#include "ChangesDialog.h"
#include "EditorWindows.h"
#include "MainWindow.h"
#include "SplashWindow.h"

#include "controls/MainWindowControls.h"

#include <QAction>

namespace plorik::gui {

WindowSet::WindowSet(Session& session)
    : m_session(session), m_main(std::make_unique<MainWindow>(session.mainForm())),
      m_cockpit(makeCockpitEditor(session.cockpitForm())), m_weapons(makeWeaponEditor(session.weaponForm()))
{
    for (WidgetBinder* binder : {&m_main->binder(), &m_cockpit->binder(), &m_weapons->binder()})
        binder->setAfterEdit([this] { afterCommand(); });
    // "Show Changes" only shows what the session reports: the dialog is the window's own.
    connect(m_main->binder().action(controls::ShowChangesItem, m_main.get()), &QAction::triggered, this, [this] {
        ChangesDialog dialog(m_session, m_main.get());
        dialog.exec();
    });
    connect(m_main.get(), &MainWindow::closed, this, [this] {
        // Closing the main window ends the program.
        finish(m_session.ended() ? m_session.exitCode() : 0);
    });
}

WindowSet::~WindowSet() = default;

void WindowSet::syncAll()
{
    m_main->binder().sync();
    m_main->binder().showMarks(m_session.fieldMarks());
    for (EditorWindow* editor : {m_cockpit.get(), m_weapons.get()}) {
        editor->binder().sync();
        editor->follow();
    }
}

void WindowSet::afterCommand()
{
    if (m_finished)
        return;
    syncAll();
    if (m_session.ended())
        finish(m_session.exitCode());
}

void WindowSet::showSplash()
{
    if (!m_splash) {
        m_splash = std::make_unique<SplashWindow>([this] { splashClosing(); });
        connect(m_splash.get(), &SplashWindow::closed, this, &WindowSet::afterCommand);
    }
    m_splash->start();
}

void WindowSet::splashClosing()
{
    m_session.closeSplash();
}

void WindowSet::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_splash)
        m_splash->hide();
    m_cockpit->hide();
    m_weapons->hide();
    m_main->close();
    emit finished(exitCode);
}

} // namespace plorik::gui
