#include "components/report/TNUBRep.h"

#include "components/report/AuthorityLogo.h"
#include "components/report/TfrmPreview.h"
#include "core/util/SystemIdentity.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportImage.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportSysData.h"
#include "platform/ui/Make.h"

const QString AuthorityFullName = QStringLiteral("Secretaria de Estado da Fazenda do Estado do Korvit");
const QString DepartmentName = QStringLiteral("Assessoria de Tecnologia da Informação");

namespace {
// Band heights and positions in design units (1/96 inch).
constexpr double kHeaderHeight = 106;
constexpr double kFooterHeight = 24;
constexpr double kLeftColumn = 98;
constexpr double kRightGap = 8;
constexpr double kRightColumnWidth = 300;
constexpr double kTitleWidth = 460;
constexpr double kLabelHeight = 17;
// The report font: Arial 13 pixels.
constexpr double kReportFontPoints = 9.75;

// A text of the header or footer at (left, top), one line high, in the header's face.
template <class T>
T* HeaderText(TNUBRep* report, TReportBand* band, const char* name, double left, double top) {
    auto* control = MakeOnBand<T>(report, band, QString::fromLatin1(name));
    control->SetLeft(left);
    control->SetTop(top);
    control->SetHeight(kLabelHeight);
    control->SetFont(TReportFont(QStringLiteral("Verdana"), 10));
    return control;
}

void FixWidth(TTextPrintable* control, double width, TAlignment alignment) {
    control->SetAutoSize(false);
    control->SetWidth(width);
    control->SetAlignment(alignment);
}
} // namespace

TNUBRep::TNUBRep(TComponent* owner) : TBandReport(owner) {
    Page().SetPaperSize(TPaperSize::psA4);
    Page().SetOrientation(TPrinterOrientation::poPortrait);
    Page().TopMargin = Page().BottomMargin = Page().LeftMargin = Page().RightMargin = 10;
    Page().Columns = 1;
    Page().ColumnSpace = 0;
    SetFirstPageHeader(true);
    SetLastPageFooter(true);
    SetPrintIfEmpty(true);
    Font() = TReportFont(QStringLiteral("Arial"), kReportFontPoints);

    BuildHeader();
    BuildFooter();
    OnPreview = TNotifyEvent(this, &TNUBRep::rptModeloGeralPreview);
}

void TNUBRep::BuildHeader() {
    qrb_CabPag = Make<TReportBand>(this, QStringLiteral("qrb_CabPag"), TBandType::rbPageHeader);
    qrb_CabPag->SetParent(this);
    qrb_CabPag->SetHeight(kHeaderHeight);
    qrb_CabPag->Frame().DrawBottom = true;
    qrb_CabPag->BeforePrint = TBandBeforePrintEvent(this, &TNUBRep::qrb_CabPagBeforePrint);

    img = Make<TReportImage>(this, QStringLiteral("img"));
    img->SetParent(qrb_CabPag);
    img->SetBounds(1, 3, 86, 95);
    img->SetCenter(true);
    img->SetPicture(AuthorityLogo());

    qlb_Localidade = HeaderText<TReportLabel>(this, qrb_CabPag, "qlb_Localidade", kLeftColumn, 12);
    FixWidth(qlb_Localidade, 440, taLeftJustify);
    qlb_Localidade->SetCaption(AuthorityFullName);
    qlb_gerencia = HeaderText<TReportLabel>(this, qrb_CabPag, "qlb_gerencia", kLeftColumn, 34);
    FixWidth(qlb_gerencia, 366, taLeftJustify);
    qlb_gerencia->SetCaption(QStringLiteral("Gerencia do Sistema"));
    qlb_Sistema = HeaderText<TReportLabel>(this, qrb_CabPag, "qlb_Sistema", kLeftColumn, 56);
    FixWidth(qlb_Sistema, 365, taLeftJustify);
    qlb_Sistema->SetCaption(QStringLiteral("Nome do Sistema"));
    sys_titulo = HeaderText<TReportSysData>(this, qrb_CabPag, "sys_titulo", kLeftColumn, 77);
    sys_titulo->SetData(TSysDataType::sdReportTitle);
    FixWidth(sys_titulo, kTitleWidth, taLeftJustify);

    qrlAssessoria = HeaderText<TReportLabel>(this, qrb_CabPag, "qrlAssessoria", 0, 6);
    qrlAssessoria->SetCaption(DepartmentName);
    sys_DataHora = HeaderText<TReportSysData>(this, qrb_CabPag, "sys_DataHora", 0, 22);
    sys_DataHora->SetData(TSysDataType::sdDateTime);
    sys_DataHora->SetText(QStringLiteral("Emissão: "));
    sys_Pagina = HeaderText<TReportSysData>(this, qrb_CabPag, "sys_Pagina", 0, 38);
    sys_Pagina->SetData(TSysDataType::sdPageNumber);
    sys_Pagina->SetText(QStringLiteral("Página: "));
    lblDataHora = HeaderText<TReportLabel>(this, qrb_CabPag, "lblDataHora", 452, 54);
    lblDataHora->SetCaption(QStringLiteral("99/99/9999  -  99:99"));
    lblDataHora->SetEnabled(false);
    qrlusuario = HeaderText<TReportLabel>(this, qrb_CabPag, "qrlusuario", 0, 54);
    qrlusuario->SetCaption(QStringLiteral("Usuario"));
}

void TNUBRep::BuildFooter() {
    Rodape = Make<TReportBand>(this, QStringLiteral("Rodape"), TBandType::rbPageFooter);
    Rodape->SetParent(this);
    Rodape->SetHeight(kFooterHeight);
    Rodape->Frame().DrawTop = true;
    Rodape->BeforePrint = TBandBeforePrintEvent(this, &TNUBRep::RodapeBeforePrint);
    lblReport = HeaderText<TReportLabel>(this, Rodape, "lblReport", 0, 4);
    lblReport->SetFont(TReportFont(QStringLiteral("Arial"), 8, TFontStyle::fsItalic));

    for (TTextPrintable* right : std::initializer_list<TTextPrintable*>{qrlAssessoria, sys_DataHora,
                                                                        sys_Pagina, qrlusuario, lblReport})
        FixWidth(right, kRightColumnWidth, taRightJustify);
}

void TNUBRep::SetName(const QString& name) {
    const QString old = Name();
    TBandReport::SetName(name);
    if (m_internalName.isEmpty() || m_internalName == old)
        m_internalName = name;
}

void TNUBRep::PlaceRightAligned() {
    const double right = qrb_CabPag->Width() - kRightGap;
    for (TTextPrintable* control :
         std::initializer_list<TTextPrintable*>{qrlAssessoria, sys_DataHora, sys_Pagina, qrlusuario})
        control->SetLeft(right - control->Width());
    lblReport->SetLeft(Rodape->Width() - kRightGap - lblReport->Width());
}

void TNUBRep::qrb_CabPagBeforePrint(TObject*, bool&) {
    qrlusuario->SetCaption(UserName);
    lblReport->SetCaption(m_internalName);
    qlb_gerencia->SetCaption(SystemCode);
    qlb_Sistema->SetCaption(SystemTitle);
    PlaceRightAligned();
}

void TNUBRep::RodapeBeforePrint(TObject*, bool&) {
    lblReport->SetCaption(m_internalName);
    PlaceRightAligned();
}

void TNUBRep::rptModeloGeralPreview(TObject*) {
    PlaceRightAligned();
    TfrmPreview::PreviewReport(ReportPrinter(), ReportTitle(), m_initialDir, &m_printedCount);
}
