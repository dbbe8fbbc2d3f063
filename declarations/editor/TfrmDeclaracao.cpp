#include "declarations/editor/TfrmDeclaracao.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/util/MessageBoxes.h"
#include "core/util/StringRoutines.h"
#include "declarations/pages/TfrmDetALC.h"
#include "declarations/pages/TfrmDetContribuinte.h"
#include "declarations/pages/TfrmDetDeclSaldosRecebidos.h"
#include "declarations/pages/TfrmDetDemSaldoAcumulado.h"
#include "declarations/pages/TfrmDetNoOutICMS.h"
#include "declarations/pages/TfrmDetNoZFM.h"
#include "declarations/pages/TfrmDetOpInterEntradas.h"
#include "declarations/pages/TfrmDetOpInterSaidas.h"
#include "declarations/pages/TfrmDetOpInterestaduais.h"
#include "declarations/pages/TfrmDetOpPropDeducoes.h"
#include "declarations/pages/TfrmDetOpPropEntradas.h"
#include "declarations/pages/TfrmDetOpPropEstCreditos.h"
#include "declarations/pages/TfrmDetOpPropEstDebitos.h"
#include "declarations/pages/TfrmDetOpPropOutCreditos.h"
#include "declarations/pages/TfrmDetOpPropOutDebitos.h"
#include "declarations/pages/TfrmDetOpPropPrazosEspeciais.h"
#include "declarations/pages/TfrmDetOpPropSaidas.h"
#include "declarations/pages/TfrmDetOpProprias.h"
#include "declarations/pages/TfrmDetOutICMS.h"
#include "declarations/pages/TfrmDetResDemais.h"
#include "declarations/pages/TfrmDetResOpInter.h"
#include "declarations/pages/TfrmDetResOpProprias.h"
#include "declarations/pages/TfrmDetResSubTributaria.h"
#include "declarations/pages/TfrmDetResumoDemSaldoAcumulado.h"
#include "declarations/pages/TfrmDetResumos.h"
#include "declarations/pages/TfrmDetSCCompProprio.h"
#include "declarations/pages/TfrmDetSCCompensado.h"
#include "declarations/pages/TfrmDetSCRecebido.h"
#include "declarations/pages/TfrmDetSCTransferido.h"
#include "declarations/pages/TfrmDetSaldoCredor.h"
#include "declarations/pages/TfrmDetSubTribDeducoes.h"
#include "declarations/pages/TfrmDetSubTribEntradas.h"
#include "declarations/pages/TfrmDetSubTribEstCreditos.h"
#include "declarations/pages/TfrmDetSubTribEstDebitos.h"
#include "declarations/pages/TfrmDetSubTribInterna.h"
#include "declarations/pages/TfrmDetSubTribOutCreditos.h"
#include "declarations/pages/TfrmDetSubTribOutDebitos.h"
#include "declarations/pages/TfrmDetSubTribPrazosEspeciais.h"
#include "declarations/pages/TfrmDetSubTribSaidas.h"
#include "declarations/pages/TfrmDetalheDEF.h"
#include "declarations/pages/TfrmDetalheDEFNo.h"
#include "platform/base/Exceptions.h"
#include "platform/db/ApplyAllUpdates.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/TSplitter.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"

#include <QApplication>
#include <QPainter>
#include <array>

namespace {

const QString PendingEditText = QStringLiteral("Inclusão ou Alteração em andamento. Confirme ou cancele.");

// The tree of pages: level and text of each node, in tree order.
struct TreeNodeText {
    int level;
    const char* text;
};
constexpr std::array<TreeNodeText, TfrmDeclaracao::LastNode + 1> TreeNodes{{
    {0, "Contribuinte"},
    {0, "Operações Próprias"},
    {1, "Entradas"},
    {1, "Saídas"},
    {1, "Outros Créditos"},
    {1, "Outros Débitos"},
    {1, "Estornos Créditos"},
    {1, "Estornos Débitos"},
    {1, "Deduções"},
    {1, "Prazos Especiais"},
    {0, "Subst. Tributária Interna"},
    {1, "Entradas"},
    {1, "Saídas"},
    {1, "Outros Créditos"},
    {1, "Outros Débitos"},
    {1, "Estornos Créditos"},
    {1, "Estornos Débitos"},
    {1, "Deduções"},
    {1, "Prazos Especiais"},
    {0, "Outros ICMS Devidos"},
    {1, "Outros ICMS Devidos"},
    {0, "Operações Interestaduais"},
    {1, "Entradas"},
    {1, "Saídas"},
    {0, "Zona Franca e ALC"},
    {1, "Zona Franca e ALC"},
    {0, "Saldo Credor Exportação"},
    {1, "Demonstrativo Saldo Acumulado"},
    {2, "Compensações do Próprio"},
    {2, "Compens. entre Estabelecimentos"},
    {2, "Transferências"},
    {2, "Apuração dos Saldos"},
    {1, "Declaração de Saldos Recebidos"},
    {2, "Créditos Recebidos"},
    {0, "Resumos"},
    {1, "Operações Próprias"},
    {1, "Substituição Tributária Interna"},
    {1, "Operações Interestaduais"},
    {1, "Outros"},
}};

// The page class of each node; a node without one offers no page yet.
using PageMaker = TfrmDetalheDEF* (*)(TComponent*);
template <class Pagina> TfrmDetalheDEF* MakePage(TComponent* owner) {
    return TForm::Create<Pagina>(owner);
}
std::array<PageMaker, TfrmDeclaracao::LastNode + 1> PageMakers() {
    std::array<PageMaker, TfrmDeclaracao::LastNode + 1> classes{};
    classes[0] = &MakePage<TfrmDetContribuinte>;
    classes[1] = &MakePage<TfrmDetOpProprias>;
    classes[2] = &MakePage<TfrmDetOpPropEntradas>;
    classes[3] = &MakePage<TfrmDetOpPropSaidas>;
    classes[4] = &MakePage<TfrmDetOpPropOutCreditos>;
    classes[5] = &MakePage<TfrmDetOpPropOutDebitos>;
    classes[6] = &MakePage<TfrmDetOpPropEstCreditos>;
    classes[7] = &MakePage<TfrmDetOpPropEstDebitos>;
    classes[8] = &MakePage<TfrmDetOpPropDeducoes>;
    classes[9] = &MakePage<TfrmDetOpPropPrazosEspeciais>;
    classes[10] = &MakePage<TfrmDetSubTribInterna>;
    classes[11] = &MakePage<TfrmDetSubTribEntradas>;
    classes[12] = &MakePage<TfrmDetSubTribSaidas>;
    classes[13] = &MakePage<TfrmDetSubTribOutCreditos>;
    classes[14] = &MakePage<TfrmDetSubTribOutDebitos>;
    classes[15] = &MakePage<TfrmDetSubTribEstCreditos>;
    classes[16] = &MakePage<TfrmDetSubTribEstDebitos>;
    classes[17] = &MakePage<TfrmDetSubTribDeducoes>;
    classes[18] = &MakePage<TfrmDetSubTribPrazosEspeciais>;
    classes[19] = &MakePage<TfrmDetNoOutICMS>;
    classes[20] = &MakePage<TfrmDetOutICMS>;
    classes[21] = &MakePage<TfrmDetOpInterestaduais>;
    classes[22] = &MakePage<TfrmDetOpInterEntradas>;
    classes[23] = &MakePage<TfrmDetOpInterSaidas>;
    classes[24] = &MakePage<TfrmDetNoZFM>;
    classes[25] = &MakePage<TfrmDetALC>;
    classes[26] = &MakePage<TfrmDetSaldoCredor>;
    classes[27] = &MakePage<TfrmDetDemSaldoAcumulado>;
    classes[28] = &MakePage<TfrmDetSCCompProprio>;
    classes[29] = &MakePage<TfrmDetSCCompensado>;
    classes[30] = &MakePage<TfrmDetSCTransferido>;
    classes[31] = &MakePage<TfrmDetResumoDemSaldoAcumulado>;
    classes[32] = &MakePage<TfrmDetDeclSaldosRecebidos>;
    classes[33] = &MakePage<TfrmDetSCRecebido>;
    classes[34] = &MakePage<TfrmDetResumos>;
    classes[35] = &MakePage<TfrmDetResOpProprias>;
    classes[36] = &MakePage<TfrmDetResSubTributaria>;
    classes[37] = &MakePage<TfrmDetResOpInter>;
    classes[38] = &MakePage<TfrmDetResDemais>;
    return classes;
}

// Nodes of the sections and of the first page of each.
constexpr int OwnOperationsNode = 1;
constexpr int TaxSubstitutionNode = 10;
constexpr int OtherIcmsNode = 19;
constexpr int InterstateNode = 21;
constexpr int FreeTradeZoneNode = 24;
constexpr int CreditBalanceNode = 26;

int NodeNumber(const TTreeNode* node) {
    return node ? node->SelectedIndex() : -1;
}

// A section mark and a page mark for the tree.
QPixmap MarkPixmap(bool secao) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (secao) {
        painter.setPen(QColor(0x80, 0x60, 0x10));
        painter.setBrush(QColor(0xF0, 0xC8, 0x50));
        painter.drawRect(1, 4, 14, 10);
        painter.drawRect(1, 2, 6, 3);
    } else {
        painter.setPen(QColor(0x30, 0x40, 0x70));
        painter.setBrush(Qt::white);
        painter.drawRect(3, 1, 10, 14);
        for (int y = 4; y <= 11; y += 3)
            painter.drawLine(5, y, 11, y);
    }
    return picture;
}

QFont SerifFont(int pixels) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

} // namespace

TfrmDeclaracao::TfrmDeclaracao(TComponent* owner, int documentId) : TfrmModDocumento(owner, documentId) {
    SetName(QStringLiteral("frmDeclaracao"));
    SetCaption(QStringLiteral("Declaração"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetKeyPreview(true);
    SetClientWidth(900);
    SetClientHeight(560);
    OnCreate = TNotifyEvent(this, &TfrmDeclaracao::FormCreate);
    OnActivate = TNotifyEvent(this, &TfrmDeclaracao::FormActivate);
    OnShow = TNotifyEvent(this, &TfrmDeclaracao::FormShow);
    OnClose = TCloseEvent(this, &TfrmDeclaracao::FormClose);
    OnKeyPress = TKeyPressEvent(this, &TfrmDeclaracao::FormKeyPress);

    BuildActions();
    BuildLeftSide();
    BuildTree();
    BuildRightSide();
}

void TfrmDeclaracao::BuildActions() {
    imlDeclarador = Make<TImageList>(this, QStringLiteral("imlDeclarador"));
    imlDeclarador->Add(MarkPixmap(true));
    imlDeclarador->Add(MarkPixmap(false));

    alDeclaracao = Make<TActionList>(this, QStringLiteral("alDeclaracao"));
    auto acao = [this](const QString& name, const QString& caption,
                       void (TfrmDeclaracao::*execute)(TObject*)) {
        auto* action = Make<TAction>(this, name);
        action->SetCaption(caption);
        action->SetActionList(alDeclaracao);
        action->OnExecute = TNotifyEvent(this, execute);
        return action;
    };
    acVoltar = acao(QStringLiteral("acVoltar"), QStringLiteral("&Voltar"), &TfrmDeclaracao::acVoltarExecute);
    acAvancar =
        acao(QStringLiteral("acAvancar"), QStringLiteral("&Avancar"), &TfrmDeclaracao::acAvancarExecute);
    acSair = acao(QStringLiteral("acSair"), QStringLiteral("&Sair"), &TfrmDeclaracao::acSairExecute);

    dsDeclaracao = Make<TDataSource>(this, QStringLiteral("dsDeclaracao"));
    dsDeclaracao->SetAutoEdit(false);
    dsDeclaracao->SetDataSet(DMDef->cdsDeclaracao);
}

void TfrmDeclaracao::BuildLeftSide() {
    // Left: period and kind, the tree, the navigation buttons.
    pnlEsquerda = MakePanel(this, this, QStringLiteral("pnlEsquerda"), TAlign::alLeft);
    pnlEsquerda->SetWidth(191);
    pnlCabecalho = MakePanel(this, pnlEsquerda, QStringLiteral("pnlCabecalho"), TAlign::alTop);
    pnlCabecalho->SetHeight(44);
    pnlCabecalho->SetColor(clAppWorkSpace);
    lblPeriodo = Make<TLabel>(this, QStringLiteral("lblPeriodo"), pnlCabecalho);
    lblTipo = Make<TLabel>(this, QStringLiteral("lblTipo"), pnlCabecalho);
    for (TLabel* label : {lblPeriodo, lblTipo}) {
        label->SetFont(SerifFont(11));
        label->SetTransparent(true);
        label->SetLeft(6);
    }
    lblPeriodo->SetTop(6);
    lblTipo->SetTop(24);

    pnlNavegacao = MakePanel(this, pnlEsquerda, QStringLiteral("pnlNavegacao"), TAlign::alBottom);
    pnlNavegacao->SetHeight(36);
    btnVoltar = Make<TButton>(this, QStringLiteral("btnVoltar"), pnlNavegacao);
    btnVoltar->SetAction(acVoltar);
    btnVoltar->SetBounds(8, 6, 84, 25);
    btnAvancar = Make<TButton>(this, QStringLiteral("btnAvancar"), pnlNavegacao);
    btnAvancar->SetAction(acAvancar);
    btnAvancar->SetBounds(99, 6, 84, 25);
}

void TfrmDeclaracao::BuildTree() {
    tvNavegador = Make<TTreeView>(this, QStringLiteral("tvNavegador"), pnlEsquerda);
    tvNavegador->SetAlign(TAlign::alClient);
    tvNavegador->SetColor(clInfoBk);
    tvNavegador->SetReadOnly(true);
    tvNavegador->SetRowSelect(true);
    tvNavegador->SetHideSelection(false);
    tvNavegador->SetIndent(19);
    tvNavegador->SetChangeDelay(100);
    tvNavegador->SetTabStop(false);
    tvNavegador->SetImages(imlDeclarador);
    BuildTreeNodes();
    tvNavegador->OnChange = TTVChangedEvent(this, &TfrmDeclaracao::tvNavegadorChange);
    tvNavegador->OnChanging = TTVChangingEvent(this, &TfrmDeclaracao::tvNavegadorChanging);
    tvNavegador->OnExpanding = TTVExpandingEvent(this, &TfrmDeclaracao::tvNavegadorExpanding);

    splNavegador = Make<TSplitter>(this, QStringLiteral("splNavegador"), this);
    splNavegador->SetAlign(TAlign::alLeft);
    splNavegador->SetWidth(3);
    splNavegador->SetLeft(pnlEsquerda->Width());
}

void TfrmDeclaracao::BuildRightSide() {
    // Right: the page's title strip and the page itself.
    pnlFundo = MakePanel(this, this, QStringLiteral("pnlFundo"), TAlign::alClient);
    pnlTopo = MakePanel(this, pnlFundo, QStringLiteral("pnlTopo"), TAlign::alTop);
    pnlTopo->SetHeight(30);
    pnlTopo->SetColor(clAppWorkSpace);
    sbtnSair = Make<TSpeedButton>(this, QStringLiteral("sbtnSair"), pnlTopo);
    sbtnSair->SetAction(acSair);
    sbtnSair->SetFlat(true);
    sbtnSair->SetAlign(TAlign::alRight);
    sbtnSair->SetWidth(60);
    sbtnSair->SetFontColor(clWhite);
    pnlDescricao = MakePanel(this, pnlTopo, QStringLiteral("pnlDescricao"), TAlign::alClient);
    pnlDescricao->SetAlignment(TAlignment::taLeftJustify);
    pnlDescricao->SetFont(SerifFont(16));
    pnlDescricao->SetColor(clAppWorkSpace);
    pnlDescricao->SetFontColor(clWhite);
    pnlDetalhes = MakePanel(this, pnlFundo, QStringLiteral("pnlDetalhes"), TAlign::alClient);
}

void TfrmDeclaracao::BuildTreeNodes() {
    std::array<TTreeNode*, 3> ultimoPorNivel{};
    for (int no = 0; no <= LastNode; ++no) {
        const TreeNodeText& definicao = TreeNodes[static_cast<std::size_t>(no)];
        const QString texto = QString::fromUtf8(definicao.text);
        TTreeNode* node = definicao.level == 0
                              ? tvNavegador->Items().Add(nullptr, texto)
                              : tvNavegador->Items().AddChild(ultimoPorNivel[definicao.level - 1], texto);
        ultimoPorNivel[static_cast<std::size_t>(definicao.level)] = node;
        node->SetSelectedIndex(no);
        const bool secao =
            no < LastNode && TreeNodes[static_cast<std::size_t>(no) + 1].level > definicao.level;
        node->SetImageIndex(secao ? 0 : 1);
    }
}

void TfrmDeclaracao::FormCreate(TObject*) {
    DeclaracaoAlterada = false;
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    lblPeriodo->SetCaption(QStringLiteral("Período  : ") +
                           PreencheTexto(declaracao->FieldByName(QStringLiteral("ME_REFERENCIA"))->AsString(),
                                         2, QLatin1Char('E'), QLatin1Char('0')) +
                           QLatin1Char('/') +
                           declaracao->FieldByName(QStringLiteral("AN_REFERENCIA"))->AsString());
    lblTipo->SetCaption(QStringLiteral("Tipo        : ") +
                        declaracao->FieldByName(QStringLiteral("DescTipo"))->AsString());
    // The name comes from the taxpayers themselves: the declaration's lookup
    // of it is empty whenever their set was closed when the declaration opened
    // (the new-declaration dialog closes it). The editor keeps the set open
    // until it closes.
    TField* inscricao = declaracao->FieldByName(QStringLiteral("NU_INSCRICAO"));
    DMDef->cdsContribuintes->Open();
    const QString razao =
        DMDef->cdsContribuintes
            ->Lookup(QStringLiteral("NU_INSCRICAO"), inscricao->Value(), QStringLiteral("NO_RAZAO"))
            .toString();
    SetCaption(Caption() + QStringLiteral("   (  Contribuinte: ") + FormataInscricao(inscricao->AsString()) +
               QStringLiteral(" - ") + razao + QStringLiteral("  )"));
}

void TfrmDeclaracao::FormActivate(TObject*) {
    OnActivate = nullptr;
    if (Screen)
        Screen->SetCursor(crDefault);
    if (auto* lista = dynamic_cast<TForm*>(Owner()))
        lista->SetEnabled(false);
    tvNavegador->SetSelected(tvNavegador->Items().Item(0));
}

void TfrmDeclaracao::FormShow(TObject*) {
    SetLeft(0);
    SetTop(0);
}

void TfrmDeclaracao::tvNavegadorChange(TObject*, TTreeNode*) {
    MostraNo();
    AtualizaNavegacao();
}

void TfrmDeclaracao::MostraNo() {
    TTreeNode* node = tvNavegador->Selected();
    if (!node)
        return;
    QString descricao;
    TTreeNode* raiz = node;
    while (raiz->Parent())
        raiz = raiz->Parent();
    switch (node->Level()) {
    case 0:
        descricao = node->Text();
        break;
    case 1:
        descricao = node->Parent()->Text() + QStringLiteral(" - ") + node->Text();
        break;
    case 2:
        descricao = raiz->Text() + QStringLiteral(" -  ...  -  ") + node->Text();
        break;
    default:
        descricao = raiz->Text() + QStringLiteral(" -  ...  - ") + node->Text();
        break;
    }
    // The title first: the page's help text, shown under it, is read by it.
    pnlDescricao->SetCaption(QStringLiteral("   ") + descricao);
    const int no = NodeNumber(node);
    if (no >= 0 && no <= LastNode)
        AbreQuadro(no);
}

void TfrmDeclaracao::ClosePage() {
    if (!m_page)
        return;
    TfrmDetalheDEF* quadro = m_page;
    m_page = nullptr;
    quadro->Close(); // the page stays: this only lets it save what it holds
    quadro->Hide();
    // The next page may be of the same class before this one is freed.
    quadro->SetName(QString());
    quadro->Release();
}

void TfrmDeclaracao::AbreQuadro(int no) {
    ClosePage();
    static const auto classes = PageMakers();
    m_page = classes.at(static_cast<std::size_t>(no))(this);
    m_page->SetParent(pnlDetalhes);
    m_page->PreparaQuadro();
    m_page->Show();
}

void TfrmDeclaracao::AtualizaNavegacao() {
    const int no = NodeNumber(tvNavegador->Selected());
    acVoltar->SetEnabled(no != 0);
    acAvancar->SetEnabled(no != LastNode);
}

void TfrmDeclaracao::tvNavegadorChanging(TObject*, TTreeNode*, bool& allowChange) {
    if (!m_page || dynamic_cast<TfrmDetalheDEFNo*>(m_page))
        return;
    for (int i = 0; i < m_page->ComponentCount(); ++i) {
        auto* source = dynamic_cast<TDataSource*>(m_page->Components(i));
        TDataSet* dataSet = source ? source->DataSet() : nullptr;
        if (dataSet &&
            (dataSet->State() == TDataSetState::dsEdit || dataSet->State() == TDataSetState::dsInsert)) {
            MsgErro(PendingEditText);
            allowChange = false;
            return;
        }
    }
}

void TfrmDeclaracao::PostPendingDeclaration() {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    if (declaracao->State() != TDataSetState::dsEdit)
        return;
    declaracao->Post();
    try {
        ApplyAllUpdates(*declaracao);
    } catch (const std::exception&) {
        MsgErro(QStringLiteral("Não foi possível gravar a declaração."));
    }
}

int TfrmDeclaracao::SectionRefusal(int no) const {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    const auto marcado = [declaracao](const char* campo) {
        return declaracao->FieldByName(QLatin1String(campo))->AsString() == QStringLiteral("S");
    };
    const int ano = declaracao->FieldByName(QStringLiteral("AN_REFERENCIA"))->AsInteger();
    const int mes = declaracao->FieldByName(QStringLiteral("ME_REFERENCIA"))->AsInteger();
    switch (no) {
    case OwnOperationsNode:
        return marcado("IN_OPER_PROP_SEM_MOV") ? 242 : 0;
    case TaxSubstitutionNode:
        return marcado("IN_SUBST_TRIBUT_SEM_MOV") ? 244 : 0;
    case OtherIcmsNode:
        return ano <= 2001 ? 286 : marcado("IN_OUTROS_ICMS_SEM_MOV") ? 246 : 0;
    case InterstateNode:
        return ano <= 2001 ? 288 : 0;
    case FreeTradeZoneNode:
        return ano <= 2001 ? 287 : marcado("IN_ALC_ZFM_SEM_MOV") ? 248 : 0;
    case CreditBalanceNode:
        // The export credit balances begin in April 2002.
        return ano <= 2001 || (ano == 2002 && mes < 4) ? 289 : 0;
    default:
        return 0;
    }
}

bool TfrmDeclaracao::EntersSection(int no) const {
    return SectionRefusal(no) == 0;
}

void TfrmDeclaracao::tvNavegadorExpanding(TObject*, TTreeNode* node, bool& allowExpansion) {
    PostPendingDeclaration();
    if (const int mensagem = SectionRefusal(NodeNumber(node))) {
        MsgErro(TDMDefAux::BuscaMensagemErro(mensagem));
        allowExpansion = false;
    }
}

void TfrmDeclaracao::acVoltarExecute(TObject*) {
    TTreeNode* atual = tvNavegador->Selected();
    if (!atual)
        return;
    acVoltar->SetEnabled(false);
    acAvancar->SetEnabled(false);
    TTreeNode* destino = atual->getPrevSibling();
    if (destino) {
        while (destino->Expanded() && destino->HasChildren())
            destino = destino->GetLastChild();
    } else {
        destino = atual->GetPrev();
    }
    if (destino)
        tvNavegador->SetSelected(destino);
    AtualizaNavegacao();
}

void TfrmDeclaracao::acAvancarExecute(TObject*) {
    TTreeNode* atual = tvNavegador->Selected();
    if (!atual)
        return;
    acVoltar->SetEnabled(false);
    acAvancar->SetEnabled(false);
    TTreeNode* destino = EntersSection(NodeNumber(atual)) ? atual->GetNext() : atual->getNextSibling();
    if (destino)
        tvNavegador->SetSelected(destino);
    AtualizaNavegacao();
}

void TfrmDeclaracao::acSairExecute(TObject*) {
    Close();
}

void TfrmDeclaracao::FormKeyPress(TObject*, QChar& key) {
    if (key != QLatin1Char('e') && key != QLatin1Char('E'))
        return;
    auto* edit = dynamic_cast<TDBEdit*>(TControl::ControlOf(QApplication::focusWidget()));
    TField* field = edit ? edit->Field() : nullptr;
    if (!field)
        return;
    switch (field->DataType()) {
    case ftFloat:
    case ftCurrency:
    case ftBCD:
        key = QChar();
        break;
    default:
        break;
    }
}

void TfrmDeclaracao::ClearValidationMarks() {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    try {
        declaracao->Edit();
        declaracao->FieldByName(QStringLiteral("DT_VALIDACAO"))->Clear();
        declaracao->FieldByName(QStringLiteral("DT_TRANSMISSAO"))->Clear();
        declaracao->FieldByName(QStringLiteral("COMERRO"))->Clear();
        declaracao->Post();
        ApplyAllUpdates(*declaracao);
        if (DMDef->cdsSelDeclaracao->Active())
            DMDef->cdsSelDeclaracao->Refresh();
    } catch (const std::exception&) {
        if (declaracao->State() == TDataSetState::dsEdit)
            declaracao->Cancel();
        MsgErro(QStringLiteral("Erro no fechamento de tabela!"));
    }
}

void TfrmDeclaracao::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModDocumento::FormClose(sender, action);
    PostPendingDeclaration();
    if (!DMDefAux->SemEdicaoPendente()) {
        MsgErro(QStringLiteral("Inclusão ou Alteração em andamento. Confirme ou cancele !"));
        action = TCloseAction::caNone;
        return;
    }
    ClosePage();
    if (DeclaracaoAlterada)
        ClearValidationMarks();
    const QVariant chave = DMDef->cdsDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO"))->Value();
    if (auto* lista = dynamic_cast<TForm*>(Owner())) {
        if (DMDef->cdsSelDeclaracao->Active())
            DMDef->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), chave);
        lista->SetEnabled(true);
    }
    DMDef->cdsDeclaracao->Close();
    DMDef->cdsContribuintes->Close();
}
