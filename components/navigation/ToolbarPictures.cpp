#include "components/navigation/ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int DrawingSize = 24;

QPen OutlinePen() {
    return QPen(QColor(0x30, 0x40, 0x70), 1.5);
}

// A sheet with three lines, the ground of the list's actions on one declaration.
void DrawSheet(QPainter& p) {
    p.setPen(OutlinePen());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 2, 14, 19));
    for (int y = 7; y <= 15; y += 4)
        p.drawLine(QPointF(8, y), QPointF(16, y));
}

// An arrow head of the record buttons, pointing right or left, its back at x.
void DrawArrowHead(QPainter& p, bool paraDireita, qreal x) {
    QPainterPath path;
    if (paraDireita) {
        path.moveTo(x, 6);
        path.lineTo(x + 8, 12);
        path.lineTo(x, 18);
    } else {
        path.moveTo(x + 8, 6);
        path.lineTo(x, 12);
        path.lineTo(x + 8, 18);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x50, 0xB0));
    p.drawPath(path);
}

void Draw(QPainter& p, ToolbarPicture picture) {
    const QColor seta(0x20, 0x50, 0xB0);
    switch (picture) {
    case ToolbarPicture::None:
        break;
    case ToolbarPicture::Insert:
        DrawSheet(p);
        p.setPen(QPen(QColor(0x10, 0x80, 0x20), 3));
        p.drawLine(QPointF(17, 12), QPointF(17, 22));
        p.drawLine(QPointF(12, 17), QPointF(22, 17));
        break;
    case ToolbarPicture::Edit:
        DrawSheet(p);
        p.setPen(QPen(QColor(0xC0, 0x80, 0x10), 3));
        p.drawLine(QPointF(9, 20), QPointF(21, 8));
        break;
    case ToolbarPicture::Delete:
        DrawSheet(p);
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 3));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
        break;
    case ToolbarPicture::Rectify:
        DrawSheet(p);
        p.setPen(QPen(QColor(0x20, 0x50, 0xB0), 2));
        p.drawArc(QRectF(10, 10, 11, 11), 30 * 16, 280 * 16);
        break;
    case ToolbarPicture::Marked:
        p.setPen(QPen(QColor(0x10, 0x90, 0x30), 3));
        p.drawLine(QPointF(4, 12), QPointF(10, 19));
        p.drawLine(QPointF(10, 19), QPointF(20, 5));
        break;
    case ToolbarPicture::Error:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xD0, 0x20, 0x20));
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(16, 8), QPointF(8, 16));
        break;
    case ToolbarPicture::Warning: {
        QPainterPath path;
        path.moveTo(12, 2);
        path.lineTo(22, 21);
        path.lineTo(2, 21);
        path.closeSubpath();
        p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
        p.setBrush(QColor(0xF5, 0xC0, 0x10));
        p.drawPath(path);
        p.setPen(QPen(Qt::black, 2.5));
        p.drawLine(QPointF(12, 8), QPointF(12, 14));
        p.drawPoint(QPointF(12, 18));
        break;
    }
    case ToolbarPicture::Print:
        p.setPen(OutlinePen());
        p.setBrush(QColor(0xD0, 0xD0, 0xD8));
        p.drawRect(QRectF(3, 9, 18, 9));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRect(QRectF(7, 15, 10, 7));
        break;
    case ToolbarPicture::Filter: {
        p.setPen(OutlinePen());
        p.setBrush(QColor(0x40, 0x80, 0xD0));
        QPainterPath funil;
        funil.moveTo(3, 4);
        funil.lineTo(21, 4);
        funil.lineTo(14, 13);
        funil.lineTo(14, 21);
        funil.lineTo(10, 19);
        funil.lineTo(10, 13);
        funil.closeSubpath();
        p.drawPath(funil);
        break;
    }
    case ToolbarPicture::Generate: // a sheet going out
        p.setPen(OutlinePen());
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 2, 13, 18));
        for (int y = 7; y <= 15; y += 4)
            p.drawLine(QPointF(6, y), QPointF(13, y));
        p.setPen(QPen(QColor(0x10, 0x80, 0x20), 3));
        p.drawLine(QPointF(12, 17), QPointF(21, 17));
        p.drawLine(QPointF(17, 13), QPointF(21, 17));
        p.drawLine(QPointF(17, 21), QPointF(21, 17));
        break;
    case ToolbarPicture::Exit:
        p.setPen(OutlinePen());
        p.setBrush(QColor(0x90, 0x60, 0x30));
        p.drawRect(QRectF(5, 2, 12, 20));
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.drawEllipse(QRectF(13, 11, 2.5, 2.5));
        break;
    case ToolbarPicture::First:
        p.fillRect(QRectF(6, 6, 2, 12), seta);
        DrawArrowHead(p, false, 9);
        break;
    case ToolbarPicture::Prior:
        DrawArrowHead(p, false, 8);
        break;
    case ToolbarPicture::Next:
        DrawArrowHead(p, true, 8);
        break;
    case ToolbarPicture::Last:
        DrawArrowHead(p, true, 7);
        p.fillRect(QRectF(16, 6, 2, 12), seta);
        break;
    }
}

} // namespace

QPixmap DrawToolbarPicture(ToolbarPicture picture) {
    QPixmap pixmap(DrawingSize, DrawingSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Draw(p, picture);
    return pixmap;
}

QPixmap DrawToolbarPicture(ToolbarPicture picture, int size) {
    return DrawToolbarPicture(picture).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPixmap DrawSearchGlyph() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x30, 0x60), 2));
    painter.drawEllipse(QRectF(2, 2, 8, 8));
    painter.drawLine(QPointF(9, 9), QPointF(14, 14));
    return picture;
}
