#include "platform/graphics/PrinterPicture.h"

#include <QPainter>

QPixmap PrinterPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    const QColor outline(60, 60, 60);
    painter.setPen(QPen(outline, u));
    // The paper fed in at the back, the body, the sheet coming out in front.
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5 * u, 1.5 * u, 7 * u, 5 * u));
    painter.setBrush(QColor(150, 150, 155));
    painter.drawRoundedRect(QRectF(1.5 * u, 6 * u, 13 * u, 6 * u), 1.5 * u, 1.5 * u);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5 * u, 10 * u, 7 * u, 4.5 * u));
    painter.setPen(QPen(QColor(40, 90, 170), 0.8 * u));
    painter.drawLine(QPointF(5.8 * u, 12 * u), QPointF(10.2 * u, 12 * u));
    painter.drawLine(QPointF(5.8 * u, 13.3 * u), QPointF(9 * u, 13.3 * u));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 180, 75));
    painter.drawEllipse(QPointF(12.3 * u, 8 * u), 0.9 * u, 0.9 * u);
    return picture;
}
