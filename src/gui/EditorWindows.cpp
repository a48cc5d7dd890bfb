#include "EditorWindows.h"

#include "PageLayout.h"
#include "QtText.h"
#include "TabOrder.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace plorik::gui {

namespace {

bool ownCaption(ControlKind kind)
{
    return kind == ControlKind::Button || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton ||
           kind == ControlKind::Group || kind == ControlKind::Label;
}

} // namespace

EditorWindow::EditorWindow(Form& form) : QWidget(nullptr, Qt::Window), m_binder(form)
{
    setWindowTitle(toQt(form.caption()));
}

void EditorWindow::follow()
{
    const bool shown = m_binder.form().shown();
    if (shown && !isVisible()) {
        show();
        raise();
        activateWindow();
    } else if (!shown && isVisible()) {
        hide();
    }
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    m_binder.form().setShown(false);
    event->accept();
}

void EditorWindow::showEvent(QShowEvent* event)
{
    // The layout is complete once the window is first shown.
    if (!m_tabOrderSet) {
        setTabOrderFromLayout(this);
        m_tabOrderSet = true;
    }
    QWidget::showEvent(event);
}

void placeRemaining(WidgetBinder& binder, QGridLayout* grid, int row)
{
    QWidget* parent = grid->parentWidget();
    for (const ControlKey key : binder.unboundKeys()) {
        const Control& control = binder.form()[key];
        if (control.kind() == ControlKind::MenuItem || control.kind() == ControlKind::ToolButton) {
            binder.action(key, parent);
        } else if (ownCaption(control.kind())) {
            grid->addWidget(binder.widget(key, parent), row++, 1, 1, 2);
        } else {
            addField(binder, grid, row++, key);
        }
    }
}

} // namespace plorik::gui
