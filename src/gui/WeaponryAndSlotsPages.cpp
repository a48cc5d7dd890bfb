#include "PageLayout.h"
#include "Pages.h"

#include "controls/MainWindowControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>

namespace plorik::gui {

namespace {

constexpr int kSlotBoxWidth = 4;

// The weapon rows as the page lays them out: the type list, then Strt, End, Lnk and Seq. (the
// warheads have no Seq.).
struct WeaponRow {
    const ControlEntry* type;
    const ControlEntry* boxes[4];
};
constexpr WeaponRow kWeaponRows[] = {
    {&controls::Laser1List,
     {&controls::Laser1StartBox, &controls::Laser1EndBox, &controls::Laser1LinkBox, &controls::Laser1SequenceBox}},
    {&controls::Laser2List,
     {&controls::Laser2StartBox, &controls::Laser2EndBox, &controls::Laser2LinkBox, &controls::Laser2SequenceBox}},
    {&controls::Laser3List,
     {&controls::Laser3StartBox, &controls::Laser3EndBox, &controls::Laser3LinkBox, &controls::Laser3SequenceBox}},
    {&controls::Warhead1List,
     {&controls::Warhead1StartBox, &controls::Warhead1EndBox, &controls::Warhead1LinkBox, nullptr}},
    {&controls::Warhead2List,
     {&controls::Warhead2StartBox, &controls::Warhead2EndBox, &controls::Warhead2LinkBox, nullptr}},
};

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QGroupBox* weaponTable(WidgetBinder& binder, QWidget* page)
{
    QGroupBox* group = nullptr;
    QGridLayout* grid = framedGrid(QObject::tr("Weapons"), page, &group);
    grid->addWidget(heading(QStringLiteral("Slot Relationship:"), group), 0, 2, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Type:"), group), 1, 1);
    const char* columns[] = {"Strt", "End", "Lnk", "Seq."};
    for (int column = 0; column < 4; ++column)
        grid->addWidget(heading(QString::fromLatin1(columns[column]), group), 1, column + 2);
    int row = 2;
    for (const WeaponRow& weapon : kWeaponRows) {
        QWidget* type = binder.widget(*weapon.type, group);
        setWidthInCharacters(type, 26);
        grid->addWidget(binder.caption(*weapon.type, group), row, 0);
        grid->addWidget(type, row, 1);
        for (int column = 0; column < 4; ++column) {
            if (!weapon.boxes[column])
                continue;
            QWidget* box = binder.widget(*weapon.boxes[column], group);
            setWidthInCharacters(box, kSlotBoxWidth);
            grid->addWidget(box, row, column + 2);
        }
        ++row;
    }
    grid->setRowStretch(row, 1);
    return group;
}

QGroupBox* loadsAndLasers(WidgetBinder& binder, QWidget* page)
{
    QGroupBox* group = nullptr;
    QGridLayout* grid = framedGrid(QObject::tr("Loads and lasers"), page, &group);
    int row = 0;
    addField(binder, grid, row++, controls::WarheadLoad1Box, 0, 8);
    addField(binder, grid, row++, controls::WarheadLoad2Box, 0, 8);
    addField(binder, grid, row++, controls::GunConvergenceList, 0, 26);
    addField(binder, grid, row++, controls::CapWpnSys, 0, 26);
    addField(binder, grid, row++, controls::LaserRechargeBox, 0, 8);
    addField(binder, grid, row++, controls::TurboRange, 0, 8);
    addField(binder, grid, row++, controls::SupRange, 0, 8);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* firePriorities(WidgetBinder& binder, QWidget* page)
{
    QGroupBox* group = nullptr;
    QGridLayout* grid = framedGrid(QObject::tr("Fire priority"), page, &group);
    ControlKey rows[][2] = {{controls::TurboFirePriorityBar, controls::TurboFirePri},
                            {controls::SuperFirePriorityBar, controls::SupFirePri}};
    int row = 0;
    for (const auto& [bar, box] : rows) {
        QWidget* slider = binder.widget(bar, group);
        slider->setMinimumWidth(420);
        QWidget* value = binder.widget(box, group);
        setWidthInCharacters(value, 5);
        grid->addWidget(binder.caption(bar, group), row, 0);
        grid->addWidget(slider, row, 1);
        grid->addWidget(value, row, 2);
        ++row;
    }
    // What the two ends of the bars mean.
    auto* ends = new QHBoxLayout;
    auto* low = new QVBoxLayout;
    low->addWidget(binder.widget(controls::MoreLasersLabel, group));
    low->addWidget(binder.widget(controls::LessOftenLabel, group));
    auto* high = new QVBoxLayout;
    for (ControlKey key : {controls::LessLasersLabel, controls::MoreOftenLabel}) {
        auto* label = binder.widget<QLabel>(key, group);
        label->setAlignment(Qt::AlignRight);
        high->addWidget(label);
    }
    auto* middle = binder.widget<QLabel>(controls::DoubleClicksLabel, group);
    middle->setAlignment(Qt::AlignCenter);
    ends->addLayout(low);
    ends->addStretch(1);
    ends->addWidget(middle);
    ends->addStretch(1);
    ends->addLayout(high);
    grid->addLayout(ends, row, 1);
    return group;
}

} // namespace

QWidget* buildWeaponryPage(WidgetBinder& binder)
{
    auto* page = new QWidget;
    auto* rows = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addWidget(weaponTable(binder, page));
    top->addWidget(loadsAndLasers(binder, page));
    top->addStretch(1);
    rows->addLayout(top);
    rows->addWidget(firePriorities(binder, page), 0, Qt::AlignLeft);
    rows->addStretch(1);
    return page;
}

QWidget* buildWeaponSlotsPage(WidgetBinder& binder)
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* grid = binder.widget<QTableWidget>(controls::WeaponSlotsGrid, page);
    // The number of weapon slots depends on the game: the grid takes the page's height and scrolls.
    fitGrid(grid, 0, 90);
    grid->setFixedWidth(grid->minimumWidth() + grid->verticalScrollBar()->sizeHint().width());
    grid->setMinimumHeight(0);
    grid->setMaximumHeight(QWIDGETSIZE_MAX);
    grid->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid);
    layout->addStretch(1);
    return page;
}

} // namespace plorik::gui
