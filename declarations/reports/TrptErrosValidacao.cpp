#include "declarations/reports/TrptErrosValidacao.h"

#include "core/data/TDMDef.h"
#include "platform/db/TClientDataSet.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportLabel.h"
#include "platform/ui/GridColumn.h"
#include "platform/ui/Make.h"

namespace {

// The page header of the base grows to take the declaration and the column titles.
constexpr double HeaderHeight = 179;
constexpr double LineHeight = 17;
constexpr double DeclarationLine1 = 110;
constexpr double DeclarationLine2 = 128;
constexpr double TitlesLine = 154;
constexpr double TitlesHeight = 20;

// The finding's columns side by side, under their framed titles.
constexpr GridColumn FindingColumns[] = {{"Tipo", "Tipo", 80},
                                         {"Codigo", "Código", 50},
                                         {"Mensagem", "Mensagem", 300},
                                         {"Descricao", "Descrição", 288}};

} // namespace

TrptErrosValidacao::TrptErrosValidacao(TComponent* owner, TDataSet* resultado) : TrptModBase(owner) {
    SetName(QStringLiteral("rptErrosValidacao"));
    SetReportTitle(QStringLiteral("Relatório de Erros e/ou Advertências"));
    Page().SetOrientation(TPrinterOrientation::poPortrait);
    SetDataSet(resultado);

    BuildHeader();
    qrbDetalhe = Make<TReportBand>(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail);
    qrbDetalhe->SetParent(this);
    qrbDetalhe->SetHeight(LineHeight + 2);
    double esquerda = 0;
    for (const GridColumn& coluna : FindingColumns) {
        TReportDBText* texto = PlaceText(this, qrbDetalhe, resultado, QString::fromLatin1(coluna.field),
                                         esquerda + 2, 1, coluna.width - 4, LineHeight);
        texto->SetWordWrap(true);
        texto->SetAutoStretch(true);
        esquerda += coluna.width;
    }
}

void TrptErrosValidacao::BuildHeader() {
    qrb_CabPag->SetHeight(HeaderHeight);
    TDataSet* declaracao = DMDef->cdsSelDeclaracao;
    struct Dado {
        const char* rotulo;
        const char* campo;
        double esquerda;
        double top;
        double larguraRotulo;
        double largura;
    };
    const Dado dados[] = {{"Inscrição Estadual: ", "NU_INSCRICAO", 0, DeclarationLine1, 140, 90},
                          {"Razão Social:", "NO_RAZAO", 240, DeclarationLine1, 100, 378},
                          {"CNPJ:", "NU_CGC_CPF", 0, DeclarationLine2, 50, 180},
                          {"Tipo:", "DescTipo", 240, DeclarationLine2, 45, 150},
                          {"Mês:", "ME_REFERENCIA", 450, DeclarationLine2, 40, 40},
                          {"Ano:", "AN_REFERENCIA", 560, DeclarationLine2, 40, 60}};
    for (const Dado& dado : dados) {
        PlaceLabel(this, qrb_CabPag, QString::fromUtf8(dado.rotulo), dado.esquerda, dado.top,
                   dado.larguraRotulo, LineHeight)
            ->Font()
            .Style = TFontStyle::fsBold;
        PlaceText(this, qrb_CabPag, declaracao, QString::fromLatin1(dado.campo),
                  dado.esquerda + dado.larguraRotulo, dado.top, dado.largura, LineHeight);
    }
    double esquerda = 0;
    for (const GridColumn& coluna : FindingColumns) {
        TReportLabel* titulo = PlaceLabel(this, qrb_CabPag, QString::fromUtf8(coluna.caption), esquerda,
                                          TitlesLine, coluna.width, TitlesHeight);
        titulo->Font().Style = TFontStyle::fsBold;
        titulo->Frame().SetAll(true);
        esquerda += coluna.width;
    }
}
