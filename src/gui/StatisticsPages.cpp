#include "PageLayout.h"
#include "Pages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace plorik::gui {

namespace {

constexpr int kNumberWidth = 10;

} // namespace

QWidget* buildStatisticsPage(WidgetBinder& binder)
{
    auto* page = new QWidget;
    auto* rows = new QVBoxLayout(page);
    auto* columns = new QHBoxLayout;
    rows->addLayout(columns);
    rows->addStretch(1);

    QGroupBox* general = nullptr;
    QGridLayout* generalGrid = framedGrid(QObject::tr("General attributes"), page, &general);
    int row = 0;
    for (const char* key : {"ShieldPowerBox", "HullRateBox", "SystemHitsBox", "Countersbox", "PVBox",
                            "ShieldRechargeBox", "ShieldDechargeBox", "sensitivitybox", "ExpPowerBox"})
        addField(binder, generalGrid, row++, key, 0, kNumberWidth + 2);
    addOwnCaption(binder, generalGrid, row++, "HyperDriveRadioB", 1, 2);
    addOwnCaption(binder, generalGrid, row++, "ShieldGeneratorRadioB", 1, 2);
    // No version places this box: it is made so every control has its widget, and stays hidden.
    addField(binder, generalGrid, row++, "BeamRechargeBox", 0, kNumberWidth);
    generalGrid->setColumnStretch(3, 1);

    QGroupBox* moves = nullptr;
    QGridLayout* movesGrid = framedGrid(QObject::tr("Manoeuvrability"), page, &moves);
    row = 0;
    for (const char* key : {"SpeedBox", "AccBox", "Deaccbox", "RollBox", "PitchBox", "ManBox"})
        addField(binder, movesGrid, row++, key, 0, kNumberWidth);
    movesGrid->setColumnStretch(3, 1);

    QGroupBox* type = nullptr;
    QGridLayout* typeGrid = framedGrid(QObject::tr("Type and availability"), page, &type);
    row = 0;
    addField(binder, typeGrid, row++, "ComboBox10", 0, 34);
    addField(binder, typeGrid, row++, "ComboBox5", 0, 34);
    addField(binder, typeGrid, row++, "Playmodebox", 0, 20);
    addField(binder, typeGrid, row++, "InSkirmishBox", 0, 20);
    addOwnCaption(binder, typeGrid, row++, "EnabledBox", 1, 2);
    typeGrid->setColumnStretch(3, 1);

    columns->addWidget(general, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(moves);
    right->addWidget(type);
    right->addStretch(1);
    columns->addLayout(right);
    columns->addStretch(1);
    return page;
}

QWidget* buildDescriptionsPage(WidgetBinder& binder)
{
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);

    QGroupBox* names = nullptr;
    QGridLayout* namesGrid = framedGrid(QObject::tr("Names"), page, &names);
    int row = 0;
    for (const char* key : {"CraftTypeBox", "ManufactorBox", "UsedByBox", "CrewBox", "CraftNameBox", "PluralnameBox",
                            "Shiplistnamebox", "IconBox"})
        addField(binder, namesGrid, row++, key, 0, 30);
    addField(binder, namesGrid, row++, "SpecNo", 0, 16);
    addOwnCaption(binder, namesGrid, row++, "Known", 1, 2);
    QGridLayout* gender = groupGrid(binder, "GenderGroup", names);
    gender->addWidget(binder.widget("MaleRadioB", binder.widget("GenderGroup", names)), 0, 0);
    gender->addWidget(binder.widget("FemaleRadioB", binder.widget("GenderGroup", names)), 0, 1);
    gender->setColumnStretch(2, 1);
    namesGrid->addWidget(binder.widget("GenderGroup", names), row++, 0, 1, 3);
    namesGrid->setRowStretch(row, 1);

    QGroupBox* text = nullptr;
    QGridLayout* textGrid = framedGrid(QObject::tr("Description"), page, &text);
    auto* description = binder.widget<QPlainTextEdit>("DescriptionBox", text);
    textGrid->addWidget(binder.caption("DescriptionBox", text), 0, 0);
    textGrid->addWidget(description, 1, 0);
    description->setMinimumWidth(420);

    columns->addWidget(names);
    columns->addWidget(text, 1);
    return page;
}

} // namespace plorik::gui
