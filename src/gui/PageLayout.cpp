#include "PageLayout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace plorik::gui {

void setWidthInCharacters(QWidget* widget, int characters)
{
    const int frame = 2 * widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 12;
    widget->setFixedWidth(widget->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + frame);
}

QWidget* addField(WidgetBinder& binder, QGridLayout* grid, int row, ControlKey key, int column, int characters)
{
    QWidget* parent = grid->parentWidget();
    Q_ASSERT(parent); // a nested layout must be placed in its parent layout first
    QWidget* box = binder.widget(key, parent);
    QLabel* caption = binder.caption(key, parent);
    QLabel* unit = binder.unit(key, parent);
    if (characters > 0)
        setWidthInCharacters(box, characters);
    grid->addWidget(caption, row, column);
    grid->addWidget(box, row, column + 1);
    grid->addWidget(unit, row, column + 2);
    return box;
}

QWidget* addOwnCaption(WidgetBinder& binder, QGridLayout* grid, int row, ControlKey key, int column, int columnSpan)
{
    QWidget* widget = binder.widget(key, grid->parentWidget());
    grid->addWidget(widget, row, column, 1, columnSpan);
    return widget;
}

QGridLayout* framedGrid(const QString& title, QWidget* parent, QGroupBox** group)
{
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    if (group)
        *group = box;
    return grid;
}

QGridLayout* groupGrid(WidgetBinder& binder, ControlKey key, QWidget* parent)
{
    return new QGridLayout(binder.widget(key, parent));
}

void fitGrid(QTableWidget* table, int maxRows, int columnWidth)
{
    table->resizeColumnsToContents();
    int width = 2 * table->frameWidth();
    for (int column = 0; column < table->columnCount(); ++column) {
        table->setColumnWidth(column, std::max(table->columnWidth(column), columnWidth));
        width += table->columnWidth(column);
    }
    const int rows = maxRows > 0 ? std::min(maxRows, table->rowCount()) : table->rowCount();
    int height = 2 * table->frameWidth() + rows * table->verticalHeader()->defaultSectionSize();
    if (rows < table->rowCount())
        width += table->verticalScrollBar()->sizeHint().width();
    table->setMinimumWidth(width);
    table->setFixedHeight(height);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

} // namespace plorik::gui
