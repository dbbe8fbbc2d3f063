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
    // Wrapped text is broken into its lines here, once: the prepared page
    // carries them, so that every device draws the lines the box was made for.
    const QStringList lines = m_wordWrap ? Font().Lines(text, width, true) : QStringList();
    double height = Height();
    if (m_autoStretch) {
        qsizetype count = m_wordWrap ? lines.size() : text.count(QLatin1Char('\n')) + 1;
        if (m_wordWrap && text.contains(TPrintContext::kPageCountMarker))
            count = Font().Lines(Measurable(text), width, true).size();
        height = std::max(height, std::ceil(Font().TextHeight() * static_cast<double>(count)));
    }
    const QRectF box(Left(), Top(), width, height);
    AddBackgroundAndFrame(box, items);
    if (!text.isEmpty()) {
        TDrawItem item;
        item.Kind = TDrawKind::dkText;
        item.Rect = box;
        item.Text = m_wordWrap ? lines.join(QLatin1Char('\n')) : text;
        item.Font = Font();
        item.Flags = AlignmentFlags();
        items.push_back(std::move(item));
    }
    return Top() + height;
}
