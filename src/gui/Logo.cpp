#include "Logo.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cstdint>

namespace plorik::gui {

namespace {

// The same stars at every size: a fixed sequence of pseudo-random numbers.
class StarSequence {
public:
    double next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53);
    }

private:
    std::uint64_t m_state = 0x504c4f52494bULL;
};

} // namespace

QPixmap paintLogo(const QSize& size)
{
    QPixmap logo(size);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));

    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(8, 10, 32));
    sky.setColorAt(0.6, QColor(22, 30, 74));
    sky.setColorAt(1.0, QColor(58, 24, 70));
    painter.fillRect(area, sky);

    QRadialGradient glow(QPointF(area.width() * 0.78, area.height() * 0.3), area.height() * 0.9);
    glow.setColorAt(0.0, QColor(120, 140, 255, 70));
    glow.setColorAt(1.0, QColor(120, 140, 255, 0));
    painter.fillRect(area, glow);

    StarSequence random;
    const int stars = static_cast<int>(area.width() * area.height() / 300.0);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < stars; ++i) {
        const QPointF at(random.next() * area.width(), random.next() * area.height());
        const double brightness = random.next();
        const double radius = brightness > 0.93 ? 1.3 : 0.6;
        painter.setBrush(QColor(255, 255, 255, static_cast<int>(70 + 185 * brightness)));
        painter.drawEllipse(at, radius, radius);
    }

    QFont name(QStringLiteral("Sans Serif"));
    name.setBold(true);
    name.setWeight(QFont::Black);
    name.setLetterSpacing(QFont::PercentageSpacing, 112);
    name.setPixelSize(std::max(10, static_cast<int>(area.height() * 0.42)));
    while (name.pixelSize() > 10 &&
           QFontMetrics(name).horizontalAdvance(QStringLiteral("PLORIK")) > area.width() * 0.86)
        name.setPixelSize(name.pixelSize() - 1);
    const bool subtitle = area.height() >= 90;
    const QRectF nameArea = subtitle ? area.adjusted(0, 0, 0, -area.height() * 0.22) : area;
    painter.setFont(name);
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawText(nameArea.translated(2, 2), Qt::AlignCenter, QStringLiteral("PLORIK"));
    QLinearGradient gold(nameArea.topLeft(), nameArea.bottomLeft());
    gold.setColorAt(0.3, QColor(255, 236, 160));
    gold.setColorAt(0.7, QColor(226, 170, 60));
    painter.setPen(QPen(QBrush(gold), 1));
    painter.drawText(nameArea, Qt::AlignCenter, QStringLiteral("PLORIK"));

    if (subtitle) {
        QFont small(QStringLiteral("Sans Serif"));
        small.setPixelSize(std::max(9, static_cast<int>(area.height() * 0.08)));
        painter.setFont(small);
        painter.setPen(QColor(200, 210, 255));
        const QRectF lower(0, area.height() * 0.66, area.width(), area.height() * 0.2);
        painter.drawText(lower, Qt::AlignCenter, QStringLiteral("Craft table editor for XvT and XWA"));
    }
    painter.end();
    return logo;
}

} // namespace plorik::gui
