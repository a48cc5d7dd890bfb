#include "PageLayout.h"

#include "Pages.h"
#include "controls/MainWindowControls.h"

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
    for (ControlKey key : {controls::ShieldPowerBox, controls::HullRateBox, controls::SystemHitsBox,
                           controls::Countersbox, controls::PVBox, controls::ScoreBox, controls::PromoPointsBox,
                           controls::FireSensitivityBox, controls::UnknownStrengthBox})
        addField(binder, generalGrid, row++, key, 0, kNumberWidth + 2);
    addOwnCaption(binder, generalGrid, row++, controls::HyperdriveCheck, 1, 2);
    addOwnCaption(binder, generalGrid, row++, controls::ShieldGeneratorRadioB, 1, 2);
    // No version places this box: it is made so every control has its widget, and stays hidden.
    addField(binder, generalGrid, row++, controls::BeamRechargeBox, 0, kNumberWidth);
    generalGrid->setColumnStretch(3, 1);

    QGroupBox* moves = nullptr;
    QGridLayout* movesGrid = framedGrid(QObject::tr("Manoeuvrability"), page, &moves);
    row = 0;
    for (ControlKey key : {controls::SpeedBox, controls::AccBox, controls::Deaccbox, controls::RollBox,
                           controls::PitchBox, controls::ManBox})
        addField(binder, movesGrid, row++, key, 0, kNumberWidth);
    movesGrid->setColumnStretch(3, 1);

    QGroupBox* type = nullptr;
    QGridLayout* typeGrid = framedGrid(QObject::tr("Type and availability"), page, &type);
    row = 0;
    addField(binder, typeGrid, row++, controls::ShipTypeList, 0, 34);
    addField(binder, typeGrid, row++, controls::TargetTypeList, 0, 34);
    addField(binder, typeGrid, row++, controls::Playmodebox, 0, 20);
    addField(binder, typeGrid, row++, controls::InSkirmishBox, 0, 20);
    addOwnCaption(binder, typeGrid, row++, controls::EnabledBox, 1, 2);
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
    for (ControlKey key :
         {controls::CraftTypeBox, controls::ManufactorBox, controls::UsedByBox, controls::CrewBox,
          controls::CraftNameBox, controls::PluralnameBox, controls::Shiplistnamebox, controls::IconBox})
        addField(binder, namesGrid, row++, key, 0, 30);
    addField(binder, namesGrid, row++, controls::SpecNo, 0, 16);
    addOwnCaption(binder, namesGrid, row++, controls::Known, 1, 2);
    QGridLayout* gender = groupGrid(binder, controls::GenderGroup, names);
    gender->addWidget(binder.widget(controls::MaleRadioB, binder.widget(controls::GenderGroup, names)), 0, 0);
    gender->addWidget(binder.widget(controls::FemaleRadioB, binder.widget(controls::GenderGroup, names)), 0, 1);
    gender->setColumnStretch(2, 1);
    namesGrid->addWidget(binder.widget(controls::GenderGroup, names), row++, 0, 1, 3);
    namesGrid->setRowStretch(row, 1);

    QGroupBox* text = nullptr;
    QGridLayout* textGrid = framedGrid(QObject::tr("Description"), page, &text);
    auto* description = binder.widget<QPlainTextEdit>(controls::DescriptionBox, text);
    textGrid->addWidget(binder.caption(controls::DescriptionBox, text), 0, 0);
    textGrid->addWidget(description, 1, 0);
    description->setMinimumWidth(420);

    columns->addWidget(names);
    columns->addWidget(text, 1);
    return page;
}

} // namespace plorik::gui
