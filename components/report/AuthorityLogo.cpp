#include "components/report/AuthorityLogo.h"

#include "core/util/SystemIdentity.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
constexpr int kWidth = 86;
constexpr int kHeight = 95;
const QColor kBlue(4, 54, 143);
const QColor kGold(214, 170, 40);
} // namespace

QImage AuthorityLogo() {
    QImage logo(kWidth, kHeight, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    // The shield: straight top, sides curving to a point at the bottom.
    QPainterPath shield;
    shield.moveTo(6, 6);
    shield.lineTo(80, 6);
    shield.lineTo(80, 48);
    shield.cubicTo(80, 70, 60, 84, 43, 91);
    shield.cubicTo(26, 84, 6, 70, 6, 48);
    shield.closeSubpath();
    painter.fillPath(shield, kBlue);
    painter.setPen(QPen(kGold, 3));
    painter.drawPath(shield);
    // A band across with the acronym, and a star above it.
    painter.fillRect(QRectF(8, 38, 70, 18), kGold);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kBlue);
    painter.drawText(QRectF(8, 38, 70, 18), Qt::AlignCenter,
                     AuthorityAcronym.section(QLatin1Char('-'), 0, 0));
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? 12 : 5;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(43 + radius * std::cos(angle), 22 + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.fillPath(star, Qt::white);
    painter.end();
    return logo;
}
