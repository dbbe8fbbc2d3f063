#include "declarations/reports/SummaryColumn.h"

#include "declarations/reports/MirrorLayout.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportLabel.h"

#include <algorithm>

namespace {
// Design units (1/96 inch).
constexpr double kLineHeight = 17;
constexpr double kHeadingHeight = 22;
constexpr double kIndent = 10;
constexpr double kBottomRoom = 8;
constexpr double kPoints = 9;
} // namespace

SummaryColumn::SummaryColumn(TComponent* owner, TReportBand* band, double left, double top,
                             double captionWidth, double valueWidth)
    : m_owner(owner), m_band(band), m_left(left), m_top(top), m_captionWidth(captionWidth),
      m_valueWidth(valueWidth) {}

TReportLabel* SummaryColumn::Heading(const QString& text) {
    TReportLabel* label = MirrorLabel(m_owner, m_band, text, m_left, m_top + 4, m_captionWidth + m_valueWidth,
                                      taLeftJustify, MirrorFont(kPoints, TFontStyle::fsBold));
    label->Frame().DrawBottom = true;
    m_top += kHeadingHeight;
    Grow();
    return label;
}

TReportLabel* SummaryColumn::Line(const QString& valueName, const QString& caption, const QString& initial) {
    m_lastCaption = MirrorLabel(m_owner, m_band, caption, m_left + kIndent, m_top, m_captionWidth - kIndent,
                                taLeftJustify, MirrorFont(kPoints));
    TReportLabel* value = Value(valueName, m_top, initial);
    m_top += kLineHeight;
    Grow();
    return value;
}

TReportLabel* SummaryColumn::Value(const QString& valueName, double top, const QString& initial) {
    TReportLabel* value = MirrorLabel(m_owner, m_band, initial, m_left + m_captionWidth, top, m_valueWidth,
                                      taRightJustify, MirrorFont(kPoints));
    value->SetName(valueName);
    m_band->SetHeight(std::max(m_band->Height(), top + kLineHeight + kBottomRoom));
    return value;
}

void SummaryColumn::Skip(double height) {
    m_top += height;
    Grow();
}

void SummaryColumn::Grow() {
    m_band->SetHeight(std::max(m_band->Height(), m_top + kBottomRoom));
}
