#include "EditorWindows.h"

#include "windows/WeaponEditorControls.h"

#include "PageLayout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace plorik::gui {

namespace w = ui::weapons;

std::unique_ptr<EditorWindow> makeWeaponEditor(Form& form)
{
    auto window = std::make_unique<EditorWindow>(form);
    WidgetBinder& binder = window->binder();
    window->setObjectName(QStringLiteral("WeaponEditor"));
    QWidget* root = window.get();
    auto* columns = new QHBoxLayout(root);

    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    left->addWidget(binder.caption(w::WeaponList, root));
    QWidget* weapons = binder.widget(w::WeaponList, root);
    weapons->setMinimumWidth(220);
    left->addWidget(weapons, 1);
    left->addWidget(binder.widget(w::WriteWpnButton, root));

    auto* group = binder.widget<QGroupBox>(w::WpnPropertiesGroup, root);
    columns->addWidget(group, 1);
    auto* grid = new QGridLayout(group);
    int row = 0;
    grid->addWidget(binder.widget(w::WpnEnabledBox, group), row++, 1, 1, 3);
    for (ControlKey key : {w::PowerBox, w::WpnSpeedBox, w::TimeToLiveBox, w::WpnUnknownBox})
        addField(binder, grid, row++, key, 0, 10);
    // The wide boxes span the unit column too, so the units stay beside their boxes.
    const auto wide = [&](ControlKey key, QLayoutItem* content) {
        grid->addWidget(binder.caption(key, group), row, 0);
        grid->addItem(content, row++, 1, 1, 3);
    };
    auto* category = new QHBoxLayout;
    QWidget* categories = binder.widget(w::CategoryList, group);
    setWidthInCharacters(categories, 24);
    QWidget* number = binder.widget(w::CategoryNumberBox, group);
    setWidthInCharacters(number, 5);
    category->addWidget(categories);
    category->addWidget(number);
    category->addStretch(1);
    wide(w::CategoryList, category);
    QWidget* opt = binder.widget(w::WpnOptBox, group);
    setWidthInCharacters(opt, 30);
    auto* optRow = new QHBoxLayout;
    optRow->addWidget(opt);
    optRow->addStretch(1);
    wide(w::WpnOptBox, optRow);
    addField(binder, grid, row++, w::WpnIndexBox, 0, 10);
    QWidget* types = binder.widget(w::WpnTypeList, group);
    setWidthInCharacters(types, 24);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(types);
    typeRow->addStretch(1);
    wide(w::WpnTypeList, typeRow);
    placeRemaining(binder, grid, row);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(3, 1);
    window->resize(680, 420);
    return window;
}

} // namespace plorik::gui
