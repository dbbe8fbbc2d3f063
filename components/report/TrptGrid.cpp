#include "components/report/TrptGrid.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportSysData.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"

namespace {
// Left edge of every line of columns and the room between columns.
constexpr double kFirstColumn = 12;
constexpr double kColumnGap = 15;
constexpr double kFirstLine = 3;
constexpr double kLinePadding = 6;
constexpr double kBandGrowth = 10;
constexpr double kHeaderBandHeight = 24;
constexpr unsigned kHeaderColour = 13421772;
constexpr double kPointsPerPixel = 72.0 / 96.0;

TReportFont ReportFontOf(const QFont& font) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * kPointsPerPixel;
    unsigned style = 0;
    if (font.bold())
        style |= TFontStyle::fsBold;
    if (font.italic())
        style |= TFontStyle::fsItalic;
    if (font.underline())
        style |= TFontStyle::fsUnderline;
    return TReportFont(font.family(), points, style);
}

// Keeps the data set's record and its controls whatever happens.
class KeepPosition {
public:
    explicit KeepPosition(TDataSet* dataSet) : m_dataSet(dataSet) {
        m_bookmark = dataSet->GetBookmark();
        dataSet->DisableControls();
    }
    ~KeepPosition() {
        try {
            if (m_bookmark && m_dataSet->Active() && m_dataSet->BookmarkValid(m_bookmark))
                m_dataSet->GotoBookmark(m_bookmark);
        } catch (const Exception&) {
            // Going back is a courtesy; what the listing did counts.
        }
        m_dataSet->EnableControls();
    }
    KeepPosition(const KeepPosition&) = delete;
    KeepPosition& operator=(const KeepPosition&) = delete;

private:
    TDataSet* m_dataSet;
    TBookmark m_bookmark = 0;
};
} // namespace

TrptGrid::TrptGrid(TComponent* owner) : TNUBRep(owner) {
    // MS Sans Serif, 11 pixels.
    Font() = TReportFont(QStringLiteral("MS Sans Serif"), 11 * kPointsPerPixel);
    for (TTextPrintable* line :
         std::initializer_list<TTextPrintable*>{qlb_Localidade, qlb_Sistema, qlb_gerencia})
        line->Font().Size = 10;
    sys_titulo->Font().Size = 12;
    for (TTextPrintable* small : std::initializer_list<TTextPrintable*>{
             sys_Pagina, sys_DataHora, qrlAssessoria, lblDataHora, qrlusuario, lblReport})
        small->Font().Size = 8;

    QRBand1 = Make<TReportBand>(this, QStringLiteral("QRBand1"), TBandType::rbColumnHeader);
    QRBand1->SetParent(this);
    QRBand1->SetHeight(kHeaderBandHeight);
    QRBand1->SetColor(ColorOf(kHeaderColour));
    qrbDetalhe = Make<TReportBand>(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail);
    qrbDetalhe->SetParent(this);
}

void TrptGrid::Build() {
    TDataSet* dataSet = m_grid ? m_grid->DataSet() : nullptr;
    if (!dataSet)
        return;
    SetDataSet(dataSet);
    const double lineHeight = Font().TextHeight();
    QRBand1->SetHeight(lineHeight + kLinePadding);
    qrbDetalhe->SetHeight(lineHeight + kLinePadding);
    double x = kFirstColumn;
    double y = kFirstLine;
    const TDBGridColumns& columns = m_grid->Columns();
    for (int i = 0; i < columns.Count(); ++i) {
        const TColumn* column = columns.Items(i);
        if (!column->Visible())
            continue;
        const TReportFont titleFont = ReportFontOf(column->TitleFont());
        if (QRBand1->Width() < titleFont.TextWidth(column->TitleCaption()) + x) {
            x = kFirstColumn;
            y += lineHeight + kLinePadding;
            QRBand1->SetHeight(QRBand1->Height() + lineHeight + kBandGrowth);
            qrbDetalhe->SetHeight(qrbDetalhe->Height() + lineHeight + kBandGrowth);
        }
        TReportLabel* title =
            PlaceLabel(this, QRBand1, column->TitleCaption(), x, y, column->Width(), lineHeight);
        title->SetColor(QRBand1->Color());
        title->SetFont(titleFont);
        title->SetAlignment(column->Alignment());

        TTextPrintable* value = nullptr;
        if (dataSet->FindField(column->FieldName())) {
            auto* text = new TReportDBText(this);
            text->SetDataSet(dataSet);
            text->SetDataField(column->FieldName());
            value = text;
        } else {
            value = new TReportLabel(this);
        }
        value->SetParent(qrbDetalhe);
        value->SetBounds(x, y, column->Width(), lineHeight);
        value->SetColor(qrbDetalhe->Color());
        value->SetFont(ReportFontOf(column->Font()));
        value->SetAlignment(column->Alignment());
        value->SetAutoSize(false);
        value->SetAutoStretch(true);
        x += column->Width() + kColumnGap;
    }
}

void TrptGrid::BuildAndPreview() {
    TDataSet* dataSet = m_grid ? m_grid->DataSet() : nullptr;
    if (!dataSet)
        return;
    KeepPosition keep(dataSet);
    Build();
    Preview();
}
