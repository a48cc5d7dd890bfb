#include "PageLayout.h"

#include "Pages.h"
#include "controls/MainWindowControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace plorik::gui {

QWidget* buildCockpitPage(WidgetBinder& binder)
{
    auto* page = new QWidget;
    auto* rows = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    rows->addLayout(top);

    QGroupBox* views = nullptr;
    QGridLayout* viewGrid = framedGrid(QObject::tr("Points of view"), page, &views);
    auto* grid = binder.widget<QTableWidget>(controls::CockpitPositionsGrid, views);
    fitGrid(grid, 0, 80);
    viewGrid->addWidget(grid, 0, 0);
    viewGrid->setRowStretch(1, 1);
    top->addWidget(views);

    QGroupBox* turrets = nullptr;
    QGridLayout* turretGrid = framedGrid(QObject::tr("Turrets"), page, &turrets);
    // Turret 1 on the left, turret 2 on the right, one setting per row.
    ControlKey pairs[][2] = {{controls::Turret1Orient1Box, controls::Turret2Orient1Box},
                             {controls::Turret1Orient2Box, controls::Turret2Orient2Box},
                             {controls::Turret1ActivatedList, controls::Turret2ActivatedList},
                             {controls::Turret1Arc1Box, controls::Turret2Arc1Box},
                             {controls::Turret1Arc2Box, controls::Turret2Arc2Box}};
    int row = 0;
    for (const auto& [first, second] : pairs) {
        const bool list = row == 2;
        addField(binder, turretGrid, row, first, 0, list ? 16 : 8);
        addField(binder, turretGrid, row, second, 3, list ? 16 : 8);
        ++row;
    }
    turretGrid->setColumnMinimumWidth(2, 24);
    turretGrid->setRowStretch(row, 1);
    top->addWidget(turrets);
    top->addStretch(1);

    auto* cockpit = new QHBoxLayout;
    rows->addLayout(cockpit);
    cockpit->addWidget(binder.widget(controls::CockpitBox, page));
    cockpit->insertWidget(0, binder.caption(controls::CockpitBox, page));
    setWidthInCharacters(binder.widget(controls::CockpitBox, page), 30);
    cockpit->addSpacing(16);
    cockpit->addWidget(binder.widget(controls::INTEditorButton, page));
    cockpit->addStretch(1);
    rows->addStretch(1);
    return page;
}

QWidget* buildUnknownPage(WidgetBinder& binder)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* grid = binder.widget<QTableWidget>(controls::FreeValuesGrid, page);
    // Only the values can be edited; the other columns describe where each value lies.
    fitGrid(grid, 0, 110);
    grid->setColumnWidth(0, std::max(grid->columnWidth(0), 260));
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setMinimumWidth(0);
    grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(grid);
    layout->addStretch(1);
    return page;
}

} // namespace plorik::gui
