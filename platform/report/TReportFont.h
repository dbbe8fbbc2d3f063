#pragma once
// A font as reports name it: face name, size in points, style and colour.
// Face names of the original layouts are mapped to installed faces (Arial to
// Liberation Sans; Verdana and MS Sans Serif to DejaVu Sans); a face that is
// not installed falls back to the default sans face without a word.
// Text is measured in design units (1/96 inch), independent of any screen.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

namespace TFontStyle {
enum : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
}

class TReportFont {
public:
    TReportFont() = default;
    TReportFont(QString name, double size, unsigned style = 0, QColor color = Qt::black)
        : Name(std::move(name)), Size(size), Style(style), Color(color) {}

    QString Name = QStringLiteral("Arial");
    double Size = 10;   // points
    unsigned Style = 0; // TFontStyle bits
    QColor Color = Qt::black;

    bool operator==(const TReportFont& other) const = default;

    // The installed face that stands for `name`.
    static QString InstalledFamily(const QString& name);
    // A Qt font of this face and style at `pointSize` points.
    QFont ToQFont(double pointSize) const;

    // Measures in design units (1/96 inch).
    double TextWidth(const QString& text) const;
    double TextHeight() const; // line spacing
    // The lines `text` prints in: its own line breaks and, when `wrap`, the
    // breaks between words that keep each line within `width` (a word wider
    // than `width` keeps a line to itself). Preparing, drawing and exporting
    // a page all break lines here, so a text drawn at any resolution takes
    // the lines its box was measured for.
    QStringList Lines(const QString& text, double width, bool wrap) const;
};
