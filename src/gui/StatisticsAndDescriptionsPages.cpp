#include "PageLayout.h"

#include "Pages.h"
#include "windows/MainWindowControls.h"

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
    for (ControlKey key : {ui::ShieldPowerBox, ui::HullRateBox, ui::SystemHitsBox, ui::Countersbox, ui::PVBox,
                           ui::ShieldRechargeBox, ui::ShieldDechargeBox, ui::sensitivitybox, ui::ExpPowerBox})
        addField(binder, generalGrid, row++, key, 0, kNumberWidth + 2);
    addOwnCaption(binder, generalGrid, row++, ui::HyperDriveRadioB, 1, 2);
    addOwnCaption(binder, generalGrid, row++, ui::ShieldGeneratorRadioB, 1, 2);
    // No version places this box: it is made so every control has its widget, and stays hidden.
    addField(binder, generalGrid, row++, ui::BeamRechargeBox, 0, kNumberWidth);
    generalGrid->setColumnStretch(3, 1);

    QGroupBox* moves = nullptr;
    QGridLayout* movesGrid = framedGrid(QObject::tr("Manoeuvrability"), page, &moves);
    row = 0;
    for (ControlKey key : {ui::SpeedBox, ui::AccBox, ui::Deaccbox, ui::RollBox, ui::PitchBox, ui::ManBox})
        addField(binder, movesGrid, row++, key, 0, kNumberWidth);
    movesGrid->setColumnStretch(3, 1);

    QGroupBox* type = nullptr;
    QGridLayout* typeGrid = framedGrid(QObject::tr("Type and availability"), page, &type);
    row = 0;
    addField(binder, typeGrid, row++, ui::ComboBox10, 0, 34);
    addField(binder, typeGrid, row++, ui::ComboBox5, 0, 34);
    addField(binder, typeGrid, row++, ui::Playmodebox, 0, 20);
    addField(binder, typeGrid, row++, ui::InSkirmishBox, 0, 20);
    addOwnCaption(binder, typeGrid, row++, ui::EnabledBox, 1, 2);
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
    for (ControlKey key : {ui::CraftTypeBox, ui::ManufactorBox, ui::UsedByBox, ui::CrewBox, ui::CraftNameBox,
                           ui::PluralnameBox, ui::Shiplistnamebox, ui::IconBox})
        addField(binder, namesGrid, row++, key, 0, 30);
    addField(binder, namesGrid, row++, ui::SpecNo, 0, 16);
    addOwnCaption(binder, namesGrid, row++, ui::Known, 1, 2);
    QGridLayout* gender = groupGrid(binder, ui::GenderGroup, names);
    gender->addWidget(binder.widget(ui::MaleRadioB, binder.widget(ui::GenderGroup, names)), 0, 0);
    gender->addWidget(binder.widget(ui::FemaleRadioB, binder.widget(ui::GenderGroup, names)), 0, 1);
    gender->setColumnStretch(2, 1);
    namesGrid->addWidget(binder.widget(ui::GenderGroup, names), row++, 0, 1, 3);
    namesGrid->setRowStretch(row, 1);

    QGroupBox* text = nullptr;
    QGridLayout* textGrid = framedGrid(QObject::tr("Description"), page, &text);
    auto* description = binder.widget<QPlainTextEdit>(ui::DescriptionBox, text);
    textGrid->addWidget(binder.caption(ui::DescriptionBox, text), 0, 0);
    textGrid->addWidget(description, 1, 0);
    description->setMinimumWidth(420);

    columns->addWidget(names);
    columns->addWidget(text, 1);
    return page;
}

} // namespace plorik::gui
