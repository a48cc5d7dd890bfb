#include "EditorWindows.h"

#include "windows/WeaponEditorControls.h"

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
    for (const std::string& name : binder.unboundKeys()) {
        const ControlKey key = ControlKey::named(name);
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

std::unique_ptr<EditorWindow> makeWeaponEditor(Form& form)
{
    auto window = std::make_unique<EditorWindow>(form);
    WidgetBinder& binder = window->binder();
    window->setObjectName(QStringLiteral("WeaponEditor"));
    QWidget* root = window.get();
    auto* columns = new QHBoxLayout(root);

    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    left->addWidget(binder.caption(ui::weapons::WeaponList, root));
    QWidget* weapons = binder.widget(ui::weapons::WeaponList, root);
    weapons->setMinimumWidth(220);
    left->addWidget(weapons, 1);
    left->addWidget(binder.widget(ui::weapons::WriteWpnButton, root));

    auto* group = binder.widget<QGroupBox>(ui::weapons::WpnPropertiesGroup, root);
    columns->addWidget(group, 1);
    auto* grid = new QGridLayout(group);
    int row = 0;
    grid->addWidget(binder.widget(ui::weapons::WpnEnabledBox, group), row++, 1, 1, 2);
    for (ControlKey key :
         {ui::weapons::PowerBox, ui::weapons::WpnSpeedBox, ui::weapons::TimeToLiveBox, ui::weapons::WpnUnknownBox})
        addField(binder, grid, row++, key, 0, 10);
    // The category list with its number beside it.
    QWidget* category = binder.widget(ui::weapons::CategoryList, group);
    setWidthInCharacters(category, 24);
    grid->addWidget(binder.caption(ui::weapons::CategoryList, group), row, 0);
    grid->addWidget(category, row, 1);
    QWidget* number = binder.widget(ui::weapons::CategoryNumberBox, group);
    setWidthInCharacters(number, 5);
    grid->addWidget(number, row++, 2);
    addField(binder, grid, row++, ui::weapons::WpnOptBox, 0, 24);
    addField(binder, grid, row++, ui::weapons::WpnIndexBox, 0, 10);
    addField(binder, grid, row++, ui::weapons::WpnTypeList, 0, 24);
    placeRemaining(binder, grid, row);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(3, 1);
    window->resize(640, 420);
    return window;
}

} // namespace plorik::gui
