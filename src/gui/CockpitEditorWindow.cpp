#include "EditorWindows.h"

#include "controls/CockpitEditorControls.h"

#include "PageLayout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace plorik::gui {

namespace {

namespace c = controls::cockpit;

constexpr int kNameCharacters = 10;
constexpr int kValueCharacters = 6;

// A name box with its context menu ("&Browse..", "ImpMirror", "RebMirror", "Standard").
QWidget* nameBox(WidgetBinder& binder, const c::ImageNameBox& name, QWidget* parent)
{
    QWidget* box = binder.widget(*name.box, parent);
    setWidthInCharacters(box, kNameCharacters);
    auto* menu = new QMenu(box);
    for (const ControlEntry* item : {name.browse, name.impMirror, name.rebMirror, name.standard})
        menu->addAction(binder.action(*item, box));
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, menu,
                     [menu, box](const QPoint& at) { menu->popup(box->mapToGlobal(at)); });
    return box;
}

QWidget* valueBox(WidgetBinder& binder, const c::ImageRecordBoxes& record, QWidget* parent)
{
    QWidget* box = binder.widget(*record.value, parent);
    setWidthInCharacters(box, kValueCharacters);
    return box;
}

// The eight views of one cockpit position around its caption, each name with its value below it.
QGroupBox* ring(WidgetBinder& binder, const ControlEntry& caption, std::size_t first, QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    auto* grid = new QGridLayout(group);
    // Top, top right, right, bottom right, bottom, bottom left, left, top left: clockwise from the top.
    constexpr int kCells[8][2] = {{0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}};
    for (std::size_t view = 0; view < 8; ++view) {
        const c::ImageRecordBoxes& record = c::kImageRecords[first + view];
        auto* cell = new QVBoxLayout;
        cell->setSpacing(2);
        cell->addWidget(nameBox(binder, record.name, group));
        cell->addWidget(valueBox(binder, record, group));
        grid->addLayout(cell, kCells[view][0], kCells[view][1]);
    }
    QWidget* label = binder.widget(caption, group);
    grid->addWidget(label, 1, 1, Qt::AlignCenter);
    return group;
}

QGroupBox* singleViews(WidgetBinder& binder, QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (std::size_t record = 16; record < c::kImageRecords.size(); ++record, ++row) {
        const c::ImageRecordBoxes& boxes = c::kImageRecords[record];
        grid->addWidget(binder.caption(*boxes.name.box, group), row, 0);
        grid->addWidget(nameBox(binder, boxes.name, group), row, 1);
        grid->addWidget(valueBox(binder, boxes, group), row, 2);
    }
    grid->addWidget(binder.caption(c::PanelBox, group), row, 0);
    grid->addWidget(nameBox(binder, c::kPanelName, group), row, 1);
    grid->setRowStretch(row + 1, 1);
    return group;
}

QGroupBox* partsColumn(WidgetBinder& binder, QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    auto* rows = new QVBoxLayout(group);
    rows->addWidget(binder.caption(c::CockpitPartsBox, group));
    QWidget* parts = binder.widget(c::CockpitPartsBox, group);
    setWidthInCharacters(parts, 26);
    rows->addWidget(parts);
    auto* position = new QHBoxLayout;
    rows->addLayout(position);
    for (ControlKey key : {c::PartXBox, c::PartYBox}) {
        QWidget* box = binder.widget(key, group);
        setWidthInCharacters(box, 7);
        position->addWidget(binder.caption(key, group));
        position->addWidget(box);
        position->addSpacing(12);
    }
    position->addStretch(1);
    rows->addWidget(binder.widget(c::VariableCaption, group));
    QWidget* variable = binder.widget(c::VariableBox, group);
    setWidthInCharacters(variable, 18);
    rows->addWidget(variable, 0, Qt::AlignLeft);
    rows->addSpacing(8);
    rows->addWidget(binder.widget(c::SaveCPButton, group), 0, Qt::AlignLeft);
    rows->addStretch(1);
    return group;
}

} // namespace

std::unique_ptr<EditorWindow> makeCockpitEditor(Form& form)
{
    auto window = std::make_unique<EditorWindow>(form);
    WidgetBinder& binder = window->binder();
    window->setObjectName(QStringLiteral("CockpitEditor"));
    auto* layout = new QVBoxLayout(window.get());
    auto* group = binder.widget<QGroupBox>(c::IntFileGroup, window.get());
    layout->addWidget(group, 1);
    auto* rows = new QVBoxLayout(group);

    auto* file = new QHBoxLayout;
    rows->addLayout(file);
    file->addWidget(binder.caption(c::CockpitFileBox, group));
    QWidget* cockpit = binder.widget(c::CockpitFileBox, group);
    setWidthInCharacters(cockpit, 16);
    file->addWidget(cockpit);
    file->addSpacing(16);
    file->addWidget(binder.caption(c::ResolutionList, group));
    file->addWidget(binder.widget(c::ResolutionList, group));
    file->addStretch(1);

    auto* columns = new QHBoxLayout;
    rows->addLayout(columns, 1);
    auto* rings = new QVBoxLayout;
    columns->addLayout(rings);
    rings->addWidget(ring(binder, c::NormalRingLabel, 0, group));
    rings->addWidget(ring(binder, c::HighRingLabel, 8, group));
    columns->addWidget(singleViews(binder, group), 0, Qt::AlignTop);
    columns->addWidget(partsColumn(binder, group), 1);

    // Whatever the layout above does not place still appears.
    auto* rest = new QGridLayout;
    rows->addLayout(rest);
    placeRemaining(binder, rest, 0);
    return window;
}

} // namespace plorik::gui
