#include "platform/graphics/TCanvas.h"

#include "platform/graphics/TGraphic.h"

#include <QPainter>

TCanvas::TCanvas(QImage* target, std::function<void()> changed)
    : m_target(target), m_changed(std::move(changed)) {}

void TCanvas::Changed() {
    if (m_changed)
        m_changed();
}

void TCanvas::FillRect(const QRect& rect) {
    {
        QPainter painter(m_target);
        painter.fillRect(rect, QColor(ColorToQRgb(m_brushColor)));
    }
    Changed();
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (!m_target->valid(x, y))
        return;
    m_target->setPixel(x, y, ColorToQRgb(color));
    Changed();
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    graphic.Draw(*this, QRect(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const QRect& rect, const TGraphic& graphic) {
    graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const QRect& rect, const QImage& image, const QRect& source, bool alphaBlend) {
    if (rect.isEmpty() || source.isEmpty())
        return;
    {
        QPainter painter(m_target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (!alphaBlend)
            painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(rect, image, source);
    }
    Changed();
}
