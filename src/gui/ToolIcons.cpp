#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace plorik::gui {

namespace {

constexpr int kSize = 24;

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void page(QPainter& painter, const QRectF& area)
{
    painter.setPen(QPen(QColor(70, 80, 100), 1.2));
    painter.setBrush(Qt::white);
    painter.drawRect(area);
    painter.setPen(QPen(QColor(130, 140, 160), 1));
    for (double y = area.top() + 4; y < area.bottom() - 2; y += 3)
        painter.drawLine(QPointF(area.left() + 2.5, y), QPointF(area.right() - 2.5, y));
}

} // namespace

QIcon copyIcon()
{
    return drawn([](QPainter& painter) {
        page(painter, QRectF(3.5, 2.5, 11, 14));
        page(painter, QRectF(9.5, 7.5, 11, 14));
    });
}

QIcon cutIcon()
{
    return drawn([](QPainter& painter) {
        painter.setPen(QPen(QColor(90, 100, 120), 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7, 2.5), QPointF(15.5, 15));
        painter.drawLine(QPointF(17, 2.5), QPointF(8.5, 15));
        painter.setPen(QPen(QColor(180, 40, 40), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(7, 18), 3.5, 3.5);
        painter.drawEllipse(QPointF(17, 18), 3.5, 3.5);
    });
}

QIcon pasteIcon()
{
    return drawn([](QPainter& painter) {
        painter.setPen(QPen(QColor(110, 70, 30), 1.2));
        painter.setBrush(QColor(190, 140, 80));
        painter.drawRoundedRect(QRectF(3.5, 3.5, 14, 18), 2, 2);
        painter.setBrush(QColor(150, 155, 165));
        painter.drawRoundedRect(QRectF(7.5, 1.5, 6, 4), 1, 1);
        page(painter, QRectF(10.5, 9.5, 10, 12));
    });
}

} // namespace plorik::gui
