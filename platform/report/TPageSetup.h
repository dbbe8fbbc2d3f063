#pragma once
// Paper, orientation, margins and columns of a report, in millimetres.

enum class TPaperSize { psA4, psA3, psA5, psLetter, psLegal, psCustom };
enum class TPrinterOrientation { poPortrait, poLandscape };

class TPageSetup {
public:
    TPaperSize PaperSize() const { return m_paperSize; }
    // Sets the paper; the sizes of a named paper replace PaperWidth and PaperLength.
    void SetPaperSize(TPaperSize size);
    TPrinterOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TPrinterOrientation orientation) { m_orientation = orientation; }

    // The paper in portrait; a custom paper takes these sizes.
    void SetPaperWidth(double mm);
    void SetPaperLength(double mm);

    double TopMargin = 10;
    double BottomMargin = 10;
    double LeftMargin = 10;
    double RightMargin = 10;
    int Columns = 1;
    double ColumnSpace = 0;

    // The page as printed, orientation applied.
    double Width() const;
    double Length() const;
    // Printable width between the margins, and the width of one column.
    double UsableWidth() const;
    double ColumnWidth() const;

private:
    TPaperSize m_paperSize = TPaperSize::psA4;
    TPrinterOrientation m_orientation = TPrinterOrientation::poPortrait;
    double m_paperWidth = 210;
    double m_paperLength = 297;
};
