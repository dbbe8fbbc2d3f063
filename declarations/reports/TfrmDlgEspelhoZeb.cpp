#include "declarations/reports/TfrmDlgEspelhoZeb.h"

#include "components/report/TfrmPreview.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/util/MessageBoxes.h"
#include "declarations/reports/MirrorSectionReport.h"
#include "declarations/reports/TrptEspelhoZebOpInter.h"
#include "declarations/reports/TrptEspelhoZebOpProprias.h"
#include "declarations/reports/TrptEspelhoZebOutICMS.h"
#include "declarations/reports/TrptEspelhoZebResDemais.h"
#include "declarations/reports/TrptEspelhoZebResOpInter.h"
#include "declarations/reports/TrptEspelhoZebResOpProprias.h"
#include "declarations/reports/TrptEspelhoZebResOperacoes.h"
#include "declarations/reports/TrptEspelhoZebResSCExportacao.h"
#include "declarations/reports/TrptEspelhoZebResSubTributaria.h"
#include "declarations/reports/TrptEspelhoZebSaldoCredorAcumulado.h"
#include "declarations/reports/TrptEspelhoZebSaldoCredorRecebido.h"
#include "declarations/reports/TrptEspelhoZebSubTributaria.h"
#include "declarations/reports/TrptEspelhoZebZFM.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TParam.h"
#include "platform/db/TransactionScope.h"
#include "platform/report/TCompositeReport.h"
#include "platform/ui/Make.h"
#include "platform/ui/TBusyCursor.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioGroup.h"

#include <algorithm>

namespace {

const QString kTitle = QStringLiteral("Espelho da Zeb");
const QString kNoOptionText = QStringLiteral("Nenhuma opção foi selecionada!");
const QString kCreationError = QStringLiteral("Erro na criação do relatório!");
const QString kKey = QStringLiteral("SQ_DECLARACAO");

// Layout of the dialog (pixels).
constexpr int kClientWidth = 487;
constexpr int kClientHeight = 301;
constexpr int kMargin = 8;
constexpr int kDataColumn = 10;
constexpr int kDataWidth = 282;
constexpr int kSummaryColumn = 294;
constexpr int kSummaryWidth = 192;
constexpr int kTypeHeight = 52;
constexpr int kFirstRow = 68;
constexpr int kRowHeight = 23;
constexpr int kAllRow = 240;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;

template <class T> MirrorSectionReport* MakeReport(TComponent* owner) {
    return new T(owner);
}

} // namespace

TfrmDlgEspelhoZeb::TfrmDlgEspelhoZeb(TComponent* owner) : TfrmModDialogo(owner) {
    SetName(QStringLiteral("frmDlgEspelhoZeb"));
    SetCaption(QStringLiteral("Impressão do Espelho da Zeb"));
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);
    OnCreate = TNotifyEvent(this, &TfrmDlgEspelhoZeb::FormCreate);
    OnClose = TCloseEvent(this, &TfrmDlgEspelhoZeb::FormClose);

    rgTipo = Make<TRadioGroup>(this, QStringLiteral("rgTipo"), this);
    rgTipo->SetCaption(QStringLiteral(" Tipo "));
    rgTipo->SetBounds(kMargin, kMargin, kClientWidth - 2 * kMargin, kTypeHeight);
    rgTipo->SetColumns(2);
    rgTipo->SetItems({QStringLiteral("Dados"), QStringLiteral("Resumos")});
    rgTipo->SetItemIndex(0);

    BuildBoxes();
    FitColumns();
    ConnectBoxes();
    BuildButtons();
    BuildReports();
}

TfrmDlgEspelhoZeb::~TfrmDlgEspelhoZeb() {
    FreeReports();
}

void TfrmDlgEspelhoZeb::BuildBoxes() {
    auto caixa = [this](const char* nome, const char* rotulo, int tag, int linha) {
        auto* box = Make<TCheckBox>(this, QString::fromLatin1(nome), this);
        box->SetCaption(QString::fromUtf8(rotulo));
        box->SetTag(tag);
        const bool dados = tag == kDataTag || tag == kAllDataTag;
        const int top = linha < 0 ? kAllRow : kFirstRow + linha * kRowHeight;
        box->SetBounds(dados ? kDataColumn : kSummaryColumn, top, dados ? kDataWidth : kSummaryWidth, 19);
        box->SetChecked(true);
        box->SetEnabled(dados);
        m_allBoxes.push_back(box);
        return box;
    };
    cbOpProprias = caixa("cbOpProprias", "Operações Próprias", kDataTag, 0);
    cbSubTrib = caixa("cbSubTrib", "Substituição Tributária Interna", kDataTag, 1);
    cbOutICMS = caixa("cbOutICMS", "Outros ICMS Devidos", kDataTag, 2);
    cbOpInter = caixa("cbOpInter", "Operações Interestaduais", kDataTag, 3);
    cbZFM = caixa("cbZFM", "Zona Franca de Manaus e ALC", kDataTag, 4);
    cbSCEAcumulado = caixa("cbSCEAcumulado", "Saldo Credor de Exportação - Saldo Acumulado", kDataTag, 5);
    cbSCERecebido = caixa("cbSCERecebido", "Saldo Credor de Exportação - Saldo Recebido", kDataTag, 6);
    cbTodos = caixa("cbTodos", "Todos", kAllDataTag, -1);
    cbOpICMS_R = caixa("cbOpICMS_R", "Operações de ICMS", kSummaryTag, 0);
    cbOpPropriasR = caixa("cbOpPropriasR", "Operações Próprias", kSummaryTag, 1);
    cbSubTribR = caixa("cbSubTribR", "Substituição Tributária Interna", kSummaryTag, 2);
    cbOpInterR = caixa("cbOpInterR", "Operações Interestaduais", kSummaryTag, 3);
    cbSCEResumo = caixa("cbSCEResumo", "Saldo Credor de Exportação", kSummaryTag, 4);
    cbDemais = caixa("cbDemais", "Demais", kSummaryTag, 5);
    cbTodosR = caixa("cbTodosR", "Todos", kAllSummariesTag, -1);
}

void TfrmDlgEspelhoZeb::FitColumns() {
    // The columns take the widths their captions need in the font in use: a
    // data caption never runs under the summary column, nor a summary caption
    // past the dialog's edge.
    int larguraDados = kDataWidth;
    int larguraResumos = kSummaryWidth;
    for (TCheckBox* box : m_allBoxes) {
        const int precisa = box->Widget()->sizeHint().width();
        int& largura = box->Left() == kDataColumn ? larguraDados : larguraResumos;
        largura = std::max(largura, precisa);
    }
    const int colunaResumos = std::max(kSummaryColumn, kDataColumn + larguraDados + kMargin);
    for (TCheckBox* box : m_allBoxes) {
        const bool dados = box->Left() == kDataColumn;
        box->SetBounds(dados ? kDataColumn : colunaResumos, box->Top(), dados ? larguraDados : larguraResumos,
                       box->Height());
    }
    SetClientWidth(std::max(kClientWidth, colunaResumos + larguraResumos + kMargin));
    rgTipo->SetWidth(ClientWidth() - 2 * kMargin);
}

void TfrmDlgEspelhoZeb::ConnectBoxes() {
    m_boxes = {cbOpProprias,   cbSubTrib,     cbOutICMS,  cbOpInter,     cbZFM,
               cbSCEAcumulado, cbSCERecebido, cbOpICMS_R, cbOpPropriasR, cbSubTribR,
               cbOpInterR,     cbSCEResumo,   cbDemais};
    m_makers = {MakeReport<TrptEspelhoZebOpProprias>,
                MakeReport<TrptEspelhoZebSubTributaria>,
                MakeReport<TrptEspelhoZebOutICMS>,
                MakeReport<TrptEspelhoZebOpInter>,
                MakeReport<TrptEspelhoZebZFM>,
                MakeReport<TrptEspelhoZebSaldoCredorAcumulado>,
                MakeReport<TrptEspelhoZebSaldoCredorRecebido>,
                MakeReport<TrptEspelhoZebResOperacoes>,
                MakeReport<TrptEspelhoZebResOpProprias>,
                MakeReport<TrptEspelhoZebResSubTributaria>,
                MakeReport<TrptEspelhoZebResOpInter>,
                MakeReport<TrptEspelhoZebResSCExportacao>,
                MakeReport<TrptEspelhoZebResDemais>};
    for (TCheckBox* box : m_allBoxes) {
        if (box->Tag() == kDataTag)
            box->OnClick = TNotifyEvent(this, &TfrmDlgEspelhoZeb::cbOpPropriasClick);
        else if (box->Tag() == kSummaryTag)
            box->OnClick = TNotifyEvent(this, &TfrmDlgEspelhoZeb::cbOpPropriasRClick);
    }
    cbTodos->OnClick = TNotifyEvent(this, &TfrmDlgEspelhoZeb::cbTodosClick);
    cbTodosR->OnClick = TNotifyEvent(this, &TfrmDlgEspelhoZeb::cbTodosRClick);
    rgTipo->OnClick = TNotifyEvent(this, &TfrmDlgEspelhoZeb::rgTipoClick);
}

void TfrmDlgEspelhoZeb::BuildButtons() {
    btnImprimir = Make<TButton>(this, QStringLiteral("btnImprimir"), pnBotoes);
    btnImprimir->SetCaption(QStringLiteral("Imprimir"));
    btnImprimir->SetBounds(ClientWidth() - 2 * kButtonWidth - 14, 4, kButtonWidth, kButtonHeight);
    btnImprimir->OnClick = TNotifyEvent(this, &TfrmDlgEspelhoZeb::btnImprimirClick);
    btnCancelar = Make<TButton>(this, QStringLiteral("btnCancelar"), pnBotoes);
    btnCancelar->SetCaption(QStringLiteral("&Sair"));
    btnCancelar->SetCancel(true);
    btnCancelar->SetBounds(ClientWidth() - kButtonWidth - 8, 4, kButtonWidth, kButtonHeight);
    btnCancelar->OnClick = TNotifyEvent(this, &TfrmDlgEspelhoZeb::btnCancelarClick);
}

void TfrmDlgEspelhoZeb::BuildReports() {
    dsEspelhoZeb = Make<TDataSource>(this, QStringLiteral("dsEspelhoZeb"));
    dsEspelhoZeb->SetAutoEdit(false);
    dsEspelhoZeb->SetDataSet(DMDef->cdsSelDeclaracao);

    qrCompositeReports = Make<TCompositeReport>(this, QStringLiteral("qrCompositeReports"));
    qrCompositeReports->SetReportTitle(kTitle);
    qrCompositeReports->SetFirstPageHeader(true);
    qrCompositeReports->SetLastPageFooter(true);
    qrCompositeReports->OnAddReports = TNotifyEvent(this, &TfrmDlgEspelhoZeb::qrCompositeReportsAddReports);
    qrCompositeReports->OnPreview = TNotifyEvent(this, &TfrmDlgEspelhoZeb::qrCompositeReportsPreview);
}

void TfrmDlgEspelhoZeb::FormCreate(TObject*) {
    TDataSet* lista = dsEspelhoZeb->DataSet();
    auto valor = [lista](const char* campo) {
        return lista->FieldByName(QString::fromLatin1(campo))->AsCurrency();
    };
    const ExportCreditTotals saldoCredor = DMDefAux->CalculaSaldoCredorExportacao(
        DeclarationKey::Of(*lista->FieldByName(kKey)), valor("VL_SCE_ANTERIOR"),
        valor("VL_SCE_CREDITO_ICMS_ENERGIA"), valor("VL_SCE_PROVISAO"));
    if (saldoCredor.QtdSaldoCredor != 1 && saldoCredor.VlSCEDeclarado == Currency()) {
        // No export credit balance: the summary is withdrawn for good.
        cbSCEResumo->SetTag(0);
        cbSCEResumo->SetChecked(false);
        cbSCEResumo->SetEnabled(false);
        cbTodosR->SetChecked(true);
    }
}

void TfrmDlgEspelhoZeb::FormClose(TObject*, TCloseAction& action) {
    action = TCloseAction::caFree;
}

std::vector<TCheckBox*> TfrmDlgEspelhoZeb::BoxesWithTag(int tag) const {
    std::vector<TCheckBox*> caixas;
    std::copy_if(m_allBoxes.begin(), m_allBoxes.end(), std::back_inserter(caixas),
                 [tag](const TCheckBox* box) { return box->Tag() == tag; });
    return caixas;
}

bool TfrmDlgEspelhoZeb::Chosen(const TCheckBox* caixa) {
    return caixa->Checked() && caixa->Enabled();
}

void TfrmDlgEspelhoZeb::rgTipoClick(TObject*) {
    const bool dados = rgTipo->ItemIndex() == 0;
    for (TCheckBox* box : m_allBoxes) {
        const int tag = box->Tag();
        const bool deDados = tag == kDataTag || tag == kAllDataTag;
        const bool deResumo = tag == kSummaryTag || tag == kAllSummariesTag;
        box->SetEnabled(dados ? deDados : deResumo);
    }
}

void TfrmDlgEspelhoZeb::SectionMarked(TCheckBox* caixa, int tagSecao, TCheckBox* todos) {
    if (!caixa->Checked()) {
        todos->SetChecked(false);
        return;
    }
    const std::vector<TCheckBox*> secoes = BoxesWithTag(tagSecao);
    todos->SetChecked(
        std::all_of(secoes.begin(), secoes.end(), [](const TCheckBox* box) { return box->Checked(); }));
}

void TfrmDlgEspelhoZeb::MarkAll(TCheckBox* todos, int tagSecao) {
    if (!todos->Checked())
        return;
    for (TCheckBox* box : BoxesWithTag(tagSecao))
        box->SetChecked(true);
}

void TfrmDlgEspelhoZeb::cbOpPropriasClick(TObject* sender) {
    SectionMarked(static_cast<TCheckBox*>(sender), kDataTag, cbTodos);
}

void TfrmDlgEspelhoZeb::cbOpPropriasRClick(TObject* sender) {
    SectionMarked(static_cast<TCheckBox*>(sender), kSummaryTag, cbTodosR);
}

void TfrmDlgEspelhoZeb::cbTodosClick(TObject*) {
    MarkAll(cbTodos, kDataTag);
}

void TfrmDlgEspelhoZeb::cbTodosRClick(TObject*) {
    MarkAll(cbTodosR, kSummaryTag);
}

bool TfrmDlgEspelhoZeb::AbreQueryDeclaracao(TIBQuery* query) {
    query->Close();
    query->ParamByName(QStringLiteral("sq_declaracao"))
        ->SetAsFloat(dsEspelhoZeb->DataSet()->FieldByName(kKey)->AsFloat());
    query->Open();
    return !query->IsEmpty();
}

void TfrmDlgEspelhoZeb::CreateReports() {
    FreeReports();
    try {
        // The descriptions of the occurrences are read row by row, each time a
        // row is read: one transaction serves them all for the whole print.
        m_descriptionsTransaction = std::make_unique<TransactionScope>(*DMDefAux->ibtDescricoes);
        // The sections' lookups read these reference sets whenever a row is
        // read; those opened here stay open until the sections go.
        for (TDataSet* referencia :
             std::initializer_list<TDataSet*>{DMDefBasica->cdsFundamentos, DMDefBasica->cdsFinalidades,
                                              DMDefBasica->cdsUFs, DMDefBasica->cdsMunicipios})
            if (!referencia->Active()) {
                referencia->Open();
                m_references.push_back(referencia);
            }
        for (std::size_t i = 0; i < kSections; ++i) {
            if (!Chosen(m_boxes[i]))
                continue;
            m_reports[i] = m_makers[i](this);
            for (TIBQuery* query : m_reports[i]->Queries())
                AbreQueryDeclaracao(query);
        }
    } catch (const std::exception&) {
        FreeReports();
        RuleMessages::Refuse(kCreationError);
    }
}

void TfrmDlgEspelhoZeb::FreeReports() {
    for (MirrorSectionReport*& relatorio : m_reports) {
        delete relatorio;
        relatorio = nullptr;
    }
    for (TDataSet* referencia : m_references)
        referencia->Close();
    m_references.clear();
    m_descriptionsTransaction.reset();
}

void TfrmDlgEspelhoZeb::btnImprimirClick(TObject*) {
    if (std::none_of(m_allBoxes.begin(), m_allBoxes.end(), Chosen)) {
        RuleMessages::Refuse(kNoOptionText);
    }
    {
        TBusyCursor ampulheta;
        CreateReports();
    }
    struct Libera {
        TfrmDlgEspelhoZeb* dialogo;
        ~Libera() { dialogo->FreeReports(); }
    } libera{this};
    qrCompositeReports->Preview();
}

void TfrmDlgEspelhoZeb::btnCancelarClick(TObject*) {
    Close();
}

void TfrmDlgEspelhoZeb::qrCompositeReportsAddReports(TObject*) {
    for (std::size_t i = 0; i < kSections; ++i)
        if (m_reports[i] && Chosen(m_boxes[i]))
            qrCompositeReports->Add(m_reports[i]);
}

void TfrmDlgEspelhoZeb::qrCompositeReportsPreview(TObject*) {
    TfrmPreview::PreviewReport(qrCompositeReports->ReportPrinter(), kTitle, QString(), &m_printedPages);
}
