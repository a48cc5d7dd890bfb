#pragma once

#include "WidgetBinder.h"

#include <QMainWindow>

class QTabWidget;
class QToolBar;

namespace plorik::gui {

class ClipboardTools;

// The editor's main window: the slot controls and the game's identity above the eight pages, the
// menus, the tool bar and the status bar, all made from the main window's form.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Form& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    WidgetBinder& binder() { return m_binder; }
    QTabWidget* pages() const { return m_pages; }
    // Says at the right end of the status bar which program folder is in use; the status bar's own
    // text (progress, notes of the display) stays on the left.
    void showProgramFolder(const QString& folder);

signals:
    // The window was closed (by the user or by the program's end).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildFrame();
    QTabWidget* buildPages();
    void buildMenus();
    void buildToolBar();

    WidgetBinder m_binder;
    QTabWidget* m_pages = nullptr;
    ClipboardTools* m_clipboard = nullptr;
};

} // namespace plorik::gui
