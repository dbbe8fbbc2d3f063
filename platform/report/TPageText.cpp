#include "platform/report/TPageText.h"

#include "platform/report/ReportUnits.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMmPerUnit = kMmPerDesignUnit;

struct Piece {
    double top;
    double left;
    double right;
    double height;
    int align; // Qt horizontal alignment
    QString text;
};

// Splits a text box into its lines: explicit line breaks, and for wrapped
// text the breaks the box width makes.
void AddPieces(const TDrawItem& item, std::vector<Piece>& pieces) {
    const double lineHeight = item.Font.TextHeight() * kMmPerUnit;
    double top = item.Rect.top();
    for (const QString& line :
         item.Font.Lines(item.Text, item.Rect.width() / kMmPerUnit, item.Flags & Qt::TextWordWrap)) {
        if (!line.trimmed().isEmpty())
            pieces.push_back({top, item.Rect.left(), item.Rect.right(), lineHeight,
                              item.Flags & Qt::AlignHorizontal_Mask, line});
        top += lineHeight;
    }
}

int ColumnOf(const Piece& piece) {
    const int length = static_cast<int>(piece.text.size());
    if (piece.align & Qt::AlignRight)
        return static_cast<int>(std::lround(piece.right / TPageText::kColumnWidth)) - length;
    if (piece.align & Qt::AlignHCenter)
        return static_cast<int>(std::lround((piece.left + piece.right) / 2 / TPageText::kColumnWidth)) -
               length / 2;
    return static_cast<int>(std::lround(piece.left / TPageText::kColumnWidth));
}

QString LineText(std::vector<Piece>& line) {
    std::sort(line.begin(), line.end(), [](const Piece& a, const Piece& b) { return a.left < b.left; });
    QString text;
    for (const Piece& piece : line) {
        int column = std::max(ColumnOf(piece), 0);
        if (!text.isEmpty())
            column = std::max(column, static_cast<int>(text.size()) + 1);
        text += QString(column - text.size(), QLatin1Char(' '));
        text += piece.text;
    }
    return text;
}

} // namespace

QString TPageText::FromPage(const TPreparedPage& page) {
    std::vector<Piece> pieces;
    for (const TDrawItem& item : page.Items)
        if (item.Kind == TDrawKind::dkText)
            AddPieces(item, pieces);
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return a.top < b.top || (a.top == b.top && a.left < b.left);
    });

    // A piece joins the current line when its top lies within the upper half
    // of the line's first piece.
    QStringList lines;
    std::vector<Piece> line;
    for (const Piece& piece : pieces) {
        if (!line.empty() && piece.top >= line.front().top + line.front().height / 2) {
            lines << LineText(line);
            line.clear();
        }
        line.push_back(piece);
    }
    if (!line.empty())
        lines << LineText(line);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString TPageText::FromPages(const std::vector<TPreparedPage>& pages) {
    QString text;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\f');
        text += FromPage(pages[i]);
    }
    return text;
}
