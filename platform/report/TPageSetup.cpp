#include "platform/report/TPageSetup.h"

#include <algorithm>

namespace {

struct PaperDimensions {
    TPaperSize size;
    double width;
    double length;
};

constexpr PaperDimensions kPapers[] = {
    {TPaperSize::psA4, 210, 297},         {TPaperSize::psA3, 297, 420},        {TPaperSize::psA5, 148, 210},
    {TPaperSize::psLetter, 215.9, 279.4}, {TPaperSize::psLegal, 215.9, 355.6},
};

// Smallest paper side accepted, so that layouts never divide by nothing.
constexpr double kMinPaperSide = 10;

} // namespace

void TPageSetup::SetPaperSize(TPaperSize size) {
    m_paperSize = size;
    for (const PaperDimensions& paper : kPapers)
        if (paper.size == size) {
            m_paperWidth = paper.width;
            m_paperLength = paper.length;
        }
}

void TPageSetup::SetPaperWidth(double mm) {
    m_paperWidth = std::max(mm, kMinPaperSide);
    m_paperSize = TPaperSize::psCustom;
}

void TPageSetup::SetPaperLength(double mm) {
    m_paperLength = std::max(mm, kMinPaperSide);
    m_paperSize = TPaperSize::psCustom;
}

double TPageSetup::Width() const {
    return m_orientation == TPrinterOrientation::poPortrait ? m_paperWidth : m_paperLength;
}

double TPageSetup::Length() const {
    return m_orientation == TPrinterOrientation::poPortrait ? m_paperLength : m_paperWidth;
}

double TPageSetup::UsableWidth() const {
    return std::max(Width() - LeftMargin - RightMargin, 1.0);
}

double TPageSetup::ColumnWidth() const {
    const int columns = std::max(Columns, 1);
    return std::max((UsableWidth() - (columns - 1) * ColumnSpace) / columns, 1.0);
}
