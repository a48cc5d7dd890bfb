#pragma once

#include "WidgetBinder.h"

#include <QWidget>

#include <memory>

class QGridLayout;

namespace plorik::gui {

// A window beside the main window (the cockpit and weapon editors), made from its own form. It is
// shown while its form says so; closing it tells the form.
class EditorWindow : public QWidget {
    Q_OBJECT

public:
    explicit EditorWindow(Form& form);

    WidgetBinder& binder() { return m_binder; }
    // Shows or hides the window as its form says.
    void follow();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    WidgetBinder m_binder;
    bool m_tabOrderSet = false;
};

std::unique_ptr<EditorWindow> makeCockpitEditor(Form& form);
std::unique_ptr<EditorWindow> makeWeaponEditor(Form& form);

// Places every control of the binder's form that has no widget yet, one row each (caption, widget,
// unit), from `row` on: a window's controls that its layout does not know yet still appear.
void placeRemaining(WidgetBinder& binder, QGridLayout* grid, int row);

} // namespace plorik::gui
