#pragma once
// A column of a summary sheet: headings and lines of a caption followed by
// its value, laid out from the top down on a band. The value labels keep
// their design text ("0,00", "0", "NÃO") until the section writes its
// figure into them.

#include <QString>

class TComponent;
class TReportBand;
class TReportLabel;

class SummaryColumn {
public:
    // The column's left edge, first line and the widths of captions and values (design units).
    SummaryColumn(TComponent* owner, TReportBand* band, double left, double top, double captionWidth,
                  double valueWidth);

    // A heading over the lines that follow.
    TReportLabel* Heading(const QString& text);
    // A caption and its value label, named `valueName`.
    TReportLabel* Line(const QString& valueName, const QString& caption,
                       const QString& initial = QStringLiteral("0,00"));
    // A value label under another column's caption, on the line at `top`.
    TReportLabel* Value(const QString& valueName, double top,
                        const QString& initial = QStringLiteral("0,00"));
    // Leaves room before the next heading or line.
    void Skip(double height);

    double Top() const { return m_top; }
    // Where the next line prints; the band grows to hold what is placed.
    void SetTop(double top) { m_top = top; }
    // The caption of the last line placed.
    TReportLabel* LastCaption() const { return m_lastCaption; }

private:
    void Grow();

    TComponent* m_owner;
    TReportBand* m_band;
    double m_left;
    double m_top;
    double m_captionWidth;
    double m_valueWidth;
    TReportLabel* m_lastCaption = nullptr;
};
