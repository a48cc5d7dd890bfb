#include "EditorWindows.h"

#include "controls/WeaponEditorControls.h"

#include "PageLayout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace plorik::gui {

namespace w = controls::weapons;

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
    const auto wide = [&](ControlKey key, std::initializer_list<std::pair<ControlKey, int>> boxes) {
        auto* line = new QHBoxLayout;
        for (const auto& [box, characters] : boxes) {
            QWidget* widget = binder.widget(box, group);
            setWidthInCharacters(widget, characters);
            line->addWidget(widget);
        }
        line->addStretch(1);
        grid->addWidget(binder.caption(key, group), row, 0);
        grid->addLayout(line, row++, 1, 1, 3);
    };
    // The category list with its number beside it.
    wide(w::CategoryList, {{w::CategoryList, 24}, {w::CategoryNumberBox, 5}});
    wide(w::WpnOptBox, {{w::WpnOptBox, 30}});
    addField(binder, grid, row++, w::WpnIndexBox, 0, 10);
    wide(w::WpnTypeList, {{w::WpnTypeList, 24}});
    placeRemaining(binder, grid, row);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(3, 1);
    window->resize(680, 420);
    return window;
}

} // namespace plorik::gui
