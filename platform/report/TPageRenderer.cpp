#include "platform/report/TPageRenderer.h"

#include "platform/report/ReportUnits.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr double kMmPerInch = 25.4;

QRectF ToDevice(const QRectF& mm, QPointF origin, double scale) {
    return QRectF(origin.x() + mm.x() * scale, origin.y() + mm.y() * scale, mm.width() * scale,
                  mm.height() * scale);
}

QPen MakePen(const TDrawItem& item, double scale) {
    if (!item.Pen.isValid())
        return Qt::NoPen;
    QPen pen(item.Pen);
    pen.setWidthF(std::max(item.PenWidth * scale, 0.5));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void DrawText(QPainter& painter, const TDrawItem& item, QPointF origin, double scale) {
    // A point size that gives the text its size in millimetres on this device.
    const double deviceDpi = painter.device()->logicalDpiY();
    const double pointSize = item.Font.Size * scale * kMmPerInch / deviceDpi;
    if (pointSize <= 0.05)
        return;
    painter.setFont(item.Font.ToQFont(pointSize));
    painter.setPen(item.Font.Color);
    // The lines the box was measured for, one below the other at the measured
    // spacing, so that no line moves out of the box on a device whose glyphs
    // come out wider or narrower; a line a little wider here runs past the
    // box's side instead of being cut. Lines that start below a box that did
    // not grow for them stay hidden.
    const int flags = (item.Flags & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextDontClip;
    const bool wrap = item.Flags & Qt::TextWordWrap;
    if (!wrap && !item.Text.contains(QLatin1Char('\n'))) {
        painter.drawText(ToDevice(item.Rect, origin, scale), flags, item.Text);
        return;
    }
    const double lineHeight = DesignToMm(item.Font.TextHeight());
    QRectF line(item.Rect.left(), item.Rect.top(), item.Rect.width(), lineHeight);
    for (const QString& text : item.Font.Lines(item.Text, MmToDesign(item.Rect.width()), wrap)) {
        if (line.top() >= item.Rect.bottom())
            break;
        painter.drawText(ToDevice(line, origin, scale), flags, text);
        line.translate(0, lineHeight);
    }
}

} // namespace

void TPageRenderer::Render(const TPreparedPage& page, QPainter& painter, QPointF origin, double pixelsPerMm) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.fillRect(ToDevice(QRectF(0, 0, page.Width, page.Height), origin, pixelsPerMm), Qt::white);
    for (const TDrawItem& item : page.Items) {
        switch (item.Kind) {
        case TDrawKind::dkText:
            DrawText(painter, item, origin, pixelsPerMm);
            break;
        case TDrawKind::dkLine:
            painter.setPen(MakePen(item, pixelsPerMm));
            painter.drawLine(ToDevice(item.Rect, origin, pixelsPerMm).topLeft(),
                             ToDevice(item.Rect, origin, pixelsPerMm).bottomRight());
            break;
        case TDrawKind::dkRect: {
            const QRectF box = ToDevice(item.Rect, origin, pixelsPerMm);
            if (item.Brush.isValid())
                painter.fillRect(box, item.Brush);
            if (item.Pen.isValid()) {
                painter.setPen(MakePen(item, pixelsPerMm));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            break;
        }
        case TDrawKind::dkImage:
            if (!item.Image.isNull())
                painter.drawImage(ToDevice(item.Rect, origin, pixelsPerMm), item.Image);
            break;
        }
    }
    painter.restore();
}

QImage TPageRenderer::ToImage(const TPreparedPage& page, double dpi) {
    const double scale = dpi / kMmPerInch;
    QImage image(std::max(1, qRound(page.Width * scale)), std::max(1, qRound(page.Height * scale)),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    Render(page, painter, QPointF(0, 0), scale);
    return image;
}
