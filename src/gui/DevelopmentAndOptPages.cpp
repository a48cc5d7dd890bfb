#include "PageLayout.h"

#include "Pages.h"
#include "controls/MainWindowControls.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace plorik::gui {

namespace {

QWidget* compareGroup(WidgetBinder& binder, QWidget* page)
{
    QGridLayout* grid = groupGrid(binder, controls::CompareGroup, page);
    addField(binder, grid, 0, controls::WorkOnList, 0, 18);
    addField(binder, grid, 1, controls::ValueBox, 0, 10);
    auto* buttons = new QHBoxLayout;
    grid->addLayout(buttons, 2, 1, 1, 3);
    buttons->addWidget(binder.widget(controls::FindButton, grid->parentWidget()));
    buttons->addWidget(binder.widget(controls::CompareButton, grid->parentWidget()));
    buttons->addStretch(1);
    auto* feedback = binder.widget<QPlainTextEdit>(controls::FeedbackBox, grid->parentWidget());
    feedback->setMinimumHeight(150);
    grid->addWidget(binder.caption(controls::FeedbackBox, grid->parentWidget()), 3, 0, Qt::AlignTop);
    grid->addWidget(feedback, 3, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    return binder.widget(controls::CompareGroup, page);
}

QWidget* patchGroup(WidgetBinder& binder, QWidget* page)
{
    QGridLayout* grid = groupGrid(binder, controls::PatchGroup, page);
    addField(binder, grid, 0, controls::OrigSlotBox, 0, 8);
    auto* comment = binder.widget<QPlainTextEdit>(controls::PatchCommentMemo, grid->parentWidget());
    comment->setMinimumHeight(110);
    grid->addWidget(binder.caption(controls::PatchCommentMemo, grid->parentWidget()), 1, 0, Qt::AlignTop);
    grid->addWidget(comment, 1, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    return binder.widget(controls::PatchGroup, page);
}

QWidget* hexGroup(WidgetBinder& binder, QWidget* page)
{
    QGridLayout* grid = groupGrid(binder, controls::HexGroup, page);
    QWidget* group = grid->parentWidget();
    addField(binder, grid, 0, controls::DisplayBox, 0, 20);
    grid->addWidget(binder.widget(controls::HexOffsetLabel, group), 1, 0, 1, 3);
    auto* bytes = binder.widget<QTableWidget>(controls::HexGrid, group);
    fitGrid(bytes, 0, 44);
    // A whole craft entry is many rows: room for the scroll bar, none for a sideways one.
    bytes->setFixedWidth(bytes->minimumWidth() + bytes->verticalScrollBar()->sizeHint().width());
    bytes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bytes->setMinimumHeight(0);
    bytes->setMaximumHeight(QWIDGETSIZE_MAX);
    bytes->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    grid->addWidget(bytes, 2, 0, 1, 4);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

} // namespace

QWidget* buildDevelopmentPage(WidgetBinder& binder)
{
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(compareGroup(binder, page));
    left->addWidget(patchGroup(binder, page));
    left->addStretch(1);
    columns->addLayout(left, 1);
    columns->addWidget(hexGroup(binder, page));
    return page;
}

QWidget* buildOptPage(WidgetBinder& binder)
{
    auto* page = new QWidget;
    auto* rows = new QVBoxLayout(page);

    auto* files = new QGridLayout;
    rows->addLayout(files);
    QWidget* optFile = binder.widget(controls::DBOPTFile, page);
    files->addWidget(binder.caption(controls::DBOPTFile, page), 0, 0);
    files->addWidget(optFile, 0, 1);
    files->addWidget(binder.caption(controls::OptListFileBox, page), 0, 2);
    files->addWidget(binder.widget(controls::OptListFileBox, page), 0, 3);
    files->addWidget(binder.caption(controls::OptIndexBox, page), 0, 4);
    QWidget* index = binder.widget(controls::OptIndexBox, page);
    setWidthInCharacters(index, 6);
    files->addWidget(index, 0, 5);
    files->setColumnStretch(1, 3);
    files->setColumnStretch(3, 2);

    // The box's context menu holds the one command "Add New Opt".
    auto* menu = new QMenu(optFile);
    menu->addAction(binder.action(controls::AddNewOptItem, page));
    optFile->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(optFile, &QWidget::customContextMenuRequested, menu,
                     [menu, optFile](const QPoint& at) { menu->popup(optFile->mapToGlobal(at)); });

    QGridLayout* info = groupGrid(binder, controls::OptInfoGroup, page);
    QWidget* group = info->parentWidget();
    // Meshes on the left, the chosen mesh in the middle, its hardpoints on the right.
    QWidget* meshes = binder.widget(controls::MeshList, group);
    meshes->setMinimumWidth(180);
    info->addWidget(binder.caption(controls::MeshList, group), 0, 0);
    info->addWidget(meshes, 1, 0, 5, 1);

    auto* meshInfo = binder.widget<QPlainTextEdit>(controls::MeshInfoBox, group);
    meshInfo->setFixedHeight(meshInfo->fontMetrics().lineSpacing() * 7 + 12); // its six lines and a spare
    info->addWidget(binder.caption(controls::MeshInfoBox, group), 0, 1);
    info->addWidget(meshInfo, 1, 1);
    auto* hitzone = binder.widget<QTableWidget>(controls::HitzoneGrid, group);
    fitGrid(hitzone, 0, 80);
    hitzone->setFixedWidth(hitzone->minimumWidth());
    info->addWidget(binder.caption(controls::HitzoneGrid, group), 2, 1);
    info->addWidget(hitzone, 3, 1, Qt::AlignLeft);
    auto* meshType = new QHBoxLayout;
    info->addLayout(meshType, 4, 1);
    meshType->addWidget(binder.caption(controls::MeshTypeBox, group));
    QWidget* meshTypeBox = binder.widget(controls::MeshTypeBox, group);
    setWidthInCharacters(meshTypeBox, 20);
    meshType->addWidget(meshTypeBox);
    meshType->addWidget(binder.widget(controls::WriteMeshTypeButton, group));
    meshType->addStretch(1);

    QWidget* hardpoints = binder.widget(controls::HardpointList, group);
    hardpoints->setMinimumWidth(200);
    info->addWidget(binder.caption(controls::HardpointList, group), 0, 2);
    info->addWidget(hardpoints, 1, 2, 5, 1);
    auto* hardpoint = new QGridLayout;
    info->addLayout(hardpoint, 1, 3, 5, 1);
    int row = 0;
    addField(binder, hardpoint, row++, controls::HardpointTypeBox, 0, 20);
    for (ControlKey axis : {controls::HardpointX, controls::HardpointY, controls::HardpointZ})
        addField(binder, hardpoint, row++, axis, 0, 10);
    hardpoint->addWidget(binder.widget(controls::WriteHardpointButton, group), row++, 1);
    hardpoint->setRowStretch(row, 1);
    info->setRowStretch(5, 1);
    info->setColumnStretch(0, 1);
    info->setColumnStretch(2, 1);
    rows->addWidget(group, 1);
    return page;
}

} // namespace plorik::gui
