#include "platform/report/TTextPrintable.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// Text measured for a page count that is not known yet.
QString Measurable(QString text) {
    return text.replace(TPrintContext::kPageCountMarker, QStringLiteral("999"));
}

} // namespace

double TTextPrintable::PrintWidth(const QString& text) const {
    if (!m_autoSize || m_wordWrap)
        return Width();
    double widest = 0;
    for (const QString& line : Measurable(text).split(QLatin1Char('\n')))
        widest = std::max(widest, Font().TextWidth(line));
    return std::ceil(widest) + 1;
}

double TTextPrintable::Print(const TPrintContext& context, std::vector<TDrawItem>& items) {
    const QString text = PrintText(context);
    const double width = PrintWidth(text);
    double height = Height();
    if (m_autoStretch) {
        const qsizetype lines = Font().Lines(Measurable(text), width, m_wordWrap).size();
        height = std::max(height, std::ceil(Font().TextHeight() * static_cast<double>(lines)));
    }
    const QRectF box(Left(), Top(), width, height);
    AddBackgroundAndFrame(box, items);
    if (!text.isEmpty()) {
        TDrawItem item;
        item.Kind = TDrawKind::dkText;
        item.Rect = box;
        item.Text = text;
        item.Font = Font();
        item.Flags = AlignmentFlags() | (m_wordWrap ? Qt::TextWordWrap : 0);
        items.push_back(std::move(item));
    }
    return Top() + height;
}
