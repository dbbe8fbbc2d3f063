#include "declarations/registers/TfrmConFundamentos.h"

#include "core/data/TDMDefBasica.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/TrptFundamentos.h"
#include "platform/db/TClientDataSet.h"
#include "platform/ui/Make.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"

#include <memory>

namespace {
OccurrenceLookup::Shape RegisterShape() {
    return {QStringLiteral("frmConFundamentos"),
            QStringLiteral("Consulta de Ocorrências"),
            470,
            DMDefBasica->cdsFundamentos,
            DMDefBasica->cdsFundHist,
            QStringLiteral("dsConFundamentos"),
            QStringLiteral("dsConHistFundamento"),
            QStringLiteral("dssFundamentos"),
            {QStringLiteral("SELECT * FROM VWFundamentos"),
             QStringLiteral("where (st_ocorrencia_def = 'A') and "),
             QStringLiteral("           (tp_apuracao = 'N' or tp_apuracao = 'S' or "
                            "tp_apuracao = 'O')")},
            QStringLiteral("Ocorrência")};
}
} // namespace

TfrmConFundamentos::TfrmConFundamentos(TComponent* owner, int documentId)
    : OccurrenceLookup(owner, documentId, RegisterShape()), dsConFundamentos(m_source),
      dsConHistFundamento(m_history), dssFundamentos(m_search) {
    sbDadosComplementares = Make<TSpeedButton>(this, QStringLiteral("sbDadosComplementares"), pnCadastro);
    sbDadosComplementares->SetCaption(QStringLiteral("Dados Complementares"));
    sbDadosComplementares->SetBounds(kClientWidth - kMargin - 150, 112, 150, 26);
    KeepAtRight(pnCadastro, sbDadosComplementares, kMargin);
    sbDadosComplementares->OnClick = TNotifyEvent(this, &TfrmConFundamentos::DBGrid1DblClick);
    BuildDetail();
    OnCreate = TNotifyEvent(this, &TfrmConFundamentos::FormCreate);
}

void TfrmConFundamentos::BuildDetail() {
    TDataSource* hist = dsConHistFundamento;
    pnlDetalhe = Make<TPanel>(this, QStringLiteral("pnlDetalhe"), this);
    pnlDetalhe->SetCaption(QString());
    pnlDetalhe->SetHeight(172);
    pnlDetalhe->SetAlign(TAlign::alBottom);
    dbmLegislacao = LabeledMemo(this, pnlDetalhe, QStringLiteral("dbmLegislacao"),
                                QStringLiteral("Descrição da Legislação"), hist,
                                QStringLiteral("DS_LEGISLACAO_OCORRENCIA"), kMargin, 8, 300, 140);
    dbeTpDadoComp1 = LabeledEdit(this, pnlDetalhe, QStringLiteral("dbeTpDadoComp1"),
                                 QStringLiteral("Tipo de Dado Complementar 1 "), hist,
                                 QStringLiteral("DescTpDadoComp1"), kMargin + 320, 8, 250);
    dbeTpDadoComp2 = LabeledEdit(this, pnlDetalhe, QStringLiteral("dbeTpDadoComp2"),
                                 QStringLiteral("Tipo de Dado Complementar 2"), hist,
                                 QStringLiteral("DescTpDadoComp2"), kMargin + 320, 56, 250);
    dbeTpDadoComp3 = LabeledEdit(this, pnlDetalhe, QStringLiteral("dbeTpDadoComp3"),
                                 QStringLiteral("Tipo de Dado Complementar 3"), hist,
                                 QStringLiteral("DescTpDadoComp3"), kMargin + 320, 104, 250);
    btnFecharDetalhe = Make<TButton>(this, QStringLiteral("btnFecharDetalhe"), pnlDetalhe);
    btnFecharDetalhe->SetCaption(QStringLiteral("Fechar"));
    btnFecharDetalhe->SetBounds(kClientWidth - kMargin - 75, 24, 75, 25);
    KeepAtRight(pnlDetalhe, btnFecharDetalhe, kMargin);
    btnFecharDetalhe->OnClick = TNotifyEvent(this, &TfrmConFundamentos::btnFecharDetalheClick);
    dbmLegislacao->SetReadOnly(true);
    for (TDBEdit* edit : {dbeTpDadoComp1, dbeTpDadoComp2, dbeTpDadoComp3})
        edit->SetReadOnly(true);

    DBGrid1 = ReadOnlyGrid(this, this, QStringLiteral("DBGrid1"), hist,
                           {{"DT_INICIO", "Data Início", 80},
                            {"DT_FIM", "Data Fim", 80},
                            {"DS_LEGISLACAO_OCORRENCIA", "Descrição da Legislação", 460}});
    DBGrid1->SetAlign(TAlign::alClient);
    DBGrid1->OnDblClick = TNotifyEvent(this, &TfrmConFundamentos::DBGrid1DblClick);
}

void TfrmConFundamentos::FormCreate(TObject* sender) {
    OccurrenceLookup::FormCreate(sender);
    pnlDetalhe->SetVisible(false);
}

void TfrmConFundamentos::PreviewListing() {
    std::unique_ptr<TrptFundamentos> relatorio(new TrptFundamentos(this));
    relatorio->Preview();
}

void TfrmConFundamentos::DBGrid1DblClick(TObject*) {
    pnlDetalhe->SetVisible(!pnlDetalhe->Visible());
}

void TfrmConFundamentos::btnFecharDetalheClick(TObject*) {
    pnlDetalhe->SetVisible(false);
}
