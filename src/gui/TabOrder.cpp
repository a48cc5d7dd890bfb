#include "TabOrder.h"

#include <QAbstractScrollArea>
#include <QGridLayout>
#include <QLayout>
#include <QList>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <tuple>
#include <vector>

namespace plorik::gui {

namespace {

void visitWidget(QWidget* widget, QList<QWidget*>& order);

// The items of a layout in reading order.
std::vector<QLayoutItem*> readingOrder(QLayout* layout)
{
    std::vector<std::tuple<int, int, int, QLayoutItem*>> items;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0;
        int column = i;
        if (grid) {
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        }
        items.emplace_back(row, column, i, layout->itemAt(i));
    }
    std::sort(items.begin(), items.end());
    std::vector<QLayoutItem*> ordered;
    for (const auto& item : items)
        ordered.push_back(std::get<3>(item));
    return ordered;
}

void visitLayout(QLayout* layout, QList<QWidget*>& order)
{
    for (QLayoutItem* item : readingOrder(layout)) {
        if (QWidget* widget = item->widget())
            visitWidget(widget, order);
        else if (QLayout* inner = item->layout())
            visitLayout(inner, order);
    }
}

bool takesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && !widget->focusProxy();
}

void visitWidget(QWidget* widget, QList<QWidget*>& order)
{
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        // The tab bar, not the tab widget: Qt puts whatever follows a compound widget after its last
        // child, which here would be the last page.
        order << tabs->tabBar();
        for (int i = 0; i < tabs->count(); ++i)
            visitWidget(tabs->widget(i), order);
        return;
    }
    if (auto* scroll = qobject_cast<QScrollArea*>(widget); scroll && scroll->widget()) {
        visitWidget(scroll->widget(), order);
        return;
    }
    // A control takes the focus itself (a scroll area's inside is its own).
    if (takesTabFocus(widget) || qobject_cast<QAbstractScrollArea*>(widget)) {
        if (takesTabFocus(widget))
            order << widget;
        return;
    }
    if (widget->layout())
        visitLayout(widget->layout(), order);
}

} // namespace

void setTabOrderFromLayout(QWidget* root)
{
    QList<QWidget*> order;
    if (root->layout())
        visitLayout(root->layout(), order);
    else
        visitWidget(root, order);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace plorik::gui
