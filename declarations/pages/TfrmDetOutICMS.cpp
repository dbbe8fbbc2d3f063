#include "declarations/pages/TfrmDetOutICMS.h"

#include "components/data/TDBComboValues.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/util/CheckDigits.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "declarations/pages/TfrmDlgValorOcorrencia.h"
#include "declarations/pages/TypedTextRule.h"
#include "platform/base/Exceptions.h"
#include "platform/db/DisabledControls.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/ShowMessage.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TPanel.h"

#include <memory>

namespace {

const QString DiferencialAliquota = QStringLiteral("O350006");
const QString ImportacaoCodigo = QStringLiteral("O350007");
const QString FECPImportacao = QStringLiteral("O350009");
const QString DocumentoOutraUF = QStringLiteral("O350014");
// The fund contributions that go with O350006 and O350007.
constexpr int FECPDiferencialAliquota = 211;
constexpr int FECPImportacaoChave = 209;

constexpr int MensagemDataForaDoMes = 307;
constexpr int MensagemDiaDoPeriodo = 314;
constexpr int MensagemDescricaoOcorrencia = 316;
constexpr int MensagemDeclaracaoImportacao = 294;

const QString Dado1 = QStringLiteral("Dado Complementar 1 - ");
const QString Dado2 = QStringLiteral("Dado Complementar 2 - ");

OccurrencePage::Shape Tipo() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOutICMS");
    shape.caption = QStringLiteral("Outros ICMS Devidos");
    shape.dataSourceName = QStringLiteral("dsOutICMS");
    shape.help =
        QStringLiteral("Subficha utilizada para informar Outros Débitos de ICMS, por meio da seleção do "
                       "código de ocorrência correspondente.");
    shape.valueField = QStringLiteral("VL_LANCAMENTO");
    shape.occurrence = 35;
    shape.description = QStringLiteral("DescFundamento");
    shape.data = 3;
    return shape;
}

// A type of datum 1 that is a date.
bool TipoData(const QString& tipo) {
    return tipo == QLatin1String("D") || tipo == QLatin1String("W") || tipo == QLatin1String("Y");
}

// The day of a date datum agrees with the kind of period of datum 2.
bool DiaDoPeriodo(const QString& data, const QString& periodo) {
    const QString dia = data.left(2);
    if (periodo == QLatin1String("1"))
        return dia == QLatin1String("01");
    if (periodo == QLatin1String("2"))
        return dia == QLatin1String("01") || dia == QLatin1String("11") || dia == QLatin1String("21");
    return true;
}

QString TextoDe(TDataSet* dataSet, const QString& campo) {
    return dataSet->FieldByName(campo)->AsString();
}

} // namespace

const QString TfrmDetOutICMS::FormatoPeriodo =
    QStringLiteral("Formato: 1(no mês), 3(no dia) ou 4(no doc. fiscal)");
const QString TfrmDetOutICMS::PeriodoInvalido =
    QStringLiteral("Tipo de período inválido. Formato: 1(no mês), 3(no dia) ou 4(no doc. fiscal)");

TfrmDetOutICMS::TfrmDetOutICMS(TComponent* owner) : OccurrencePage(owner, DMDef->cdsOutICMS, Tipo()) {
    fraMidasNavigator1->BeforePost = TDataSetNotifyEvent(this, &TfrmDetOutICMS::fraMidasNavigator1BeforePost);
    fraMidasNavigator1->AfterPost = TDataSetNotifyEvent(this, &TfrmDetOutICMS::fraMidasNavigator1AfterPost);
    dsDetalhe->OnDataChange = TDataChangeEvent(this, &TfrmDetOutICMS::dsOutICMSDataChange);

    const TNotifyEvent mudanca = dbcvCFOPs->OnChange;
    dbcvCFOPs->OnChange = TNotifyEvent::fromFunction([this, mudanca](TObject* sender) {
        mudanca(sender);
        dbcvCFOPsExit(sender);
    });
    dbcvCFOPs->OnExit = TNotifyEvent(this, &TfrmDetOutICMS::dbcvCFOPsExit);
    dbeDadoComp2->OnEnter = TNotifyEvent(this, &TfrmDetOutICMS::dbeDadoComp2Enter);
    dbeDadoComp2->OnExit = TNotifyEvent(this, &TfrmDetOutICMS::dbeDadoComp2Exit);
    // The type of an import's declaration: "D" or "O", typed or pasted.
    TypedTextRule::Install(dbeDadoComp2, [this](QChar c) {
        if (!Importacao() || !dbeDadoComp2->Focused())
            return c;
        const QChar letra = c.toUpper();
        return letra == QLatin1Char('D') || letra == QLatin1Char('O') ? letra : QChar();
    });
}

QString TfrmDetOutICMS::Codigo() const {
    return dbcvCFOPs->ComboText();
}

bool TfrmDetOutICMS::Importacao() const {
    const QString codigo = Codigo();
    return codigo == ImportacaoCodigo || codigo == FECPImportacao;
}

bool TfrmDetOutICMS::Editando() const {
    const TDataSetState estado = DataSet()->State();
    return estado == TDataSetState::dsEdit || estado == TDataSetState::dsInsert;
}

bool TfrmDetOutICMS::PeriodoValido(const QString& texto) const {
    return texto == QLatin1String("1") || texto == QLatin1String("3") || texto == QLatin1String("4");
}

void TfrmDetOutICMS::dbcvCFOPsExit(TObject*) {
    if (!Editando() || m_incluindoCompanheira)
        return;
    TField* dado2 = DataSet()->FieldByName(QStringLiteral("VL_COMPLEMENTO_2"));
    if (Importacao())
        dado2->SetAsString(QStringLiteral("D"));
    else
        dado2->Clear();
}

void TfrmDetOutICMS::dsOutICMSDataChange(TObject* sender, TField* field) {
    if (Editando() && !m_incluindoCompanheira)
        m_ultimoEstado = DataSet()->State();
    dsDataChange(sender, field);
}

void TfrmDetOutICMS::dbeDadoComp2Enter(TObject* sender) {
    dbeDadoComp1Enter(sender);
    if (Codigo() == DocumentoOutraUF)
        pnlMensagemRodape->SetCaption(FormatoPeriodo);
}

void TfrmDetOutICMS::dbeDadoComp2Exit(TObject* sender) {
    dbeDadoComp1Enter(sender);
    // Said on leaving, refused on posting: the focus is free to go, to
    // cancel the row for one.
    if (Codigo() == DocumentoOutraUF && Editando() && !PeriodoValido(dbeDadoComp2->Text().trimmed()))
        ShowMessage(PeriodoInvalido);
}

void TfrmDetOutICMS::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    if (m_incluindoCompanheira)
        return;
    ExigeOcorrenciaOferecida();
    ExigeValorMinimo(dataSet);
    PosicionaFundamento(dataSet);
    TClientDataSet* fundamento = Fundamentos();
    const QString tipo1 = TextoDe(fundamento, QStringLiteral("TP_DADO_COMPLEMENTAR_1")).trimmed();
    const QString tipo2 = TextoDe(fundamento, QStringLiteral("TP_DADO_COMPLEMENTAR_2")).trimmed();
    const QString dado1 = TextoDe(dataSet, QStringLiteral("VL_COMPLEMENTO_1"));

    ExigeDadoValido(dataSet, 1);
    if (TipoData(tipo1) &&
        !DMDefAux->DataNoPeriodoReferencia(
            DeclarationKey::FromText(TextoDe(dataSet, QStringLiteral("SQ_DECLARACAO"))), dado1))
        Recusa(Dado1 + TDMDefAux::BuscaMensagemErro(MensagemDataForaDoMes), dbeDadoComp1);
    ExigeDadoValido(dataSet, 2);
    ExigeDadoValido(dataSet, 3);

    const QString dado2 = TextoDe(dataSet, QStringLiteral("VL_COMPLEMENTO_2"));
    const QString dado3 = TextoDe(dataSet, QStringLiteral("VL_COMPLEMENTO_3")).trimmed();
    if (Codigo() == DocumentoOutraUF && !PeriodoValido(dado2.trimmed()))
        Recusa(PeriodoInvalido, dbeDadoComp2);
    if (TipoData(tipo1) && tipo2 == QLatin1String("T") && !DiaDoPeriodo(dado1, dado2))
        Recusa(Dado1 + TDMDefAux::BuscaMensagemErro(MensagemDiaDoPeriodo), dbeDadoComp1);
    if (Importacao() && tipo2 == QLatin1String("X")) {
        if (dado2 == QLatin1String("O") && dado3.isEmpty())
            Recusa(Dado2 + TDMDefAux::BuscaMensagemErro(MensagemDescricaoOcorrencia), dbeDadoComp2);
        const bool declaracaoValida =
            !dado3.isEmpty() && InteiroPositivo(dado3) && (ValidaDVSufixo2(dado3) || ValidaDVSufixo4(dado3));
        if (dado2 == QLatin1String("D") && !declaracaoValida)
            Recusa(Dado2 + TDMDefAux::BuscaMensagemErro(MensagemDeclaracaoImportacao), dbeDadoComp2);
    }
}

void TfrmDetOutICMS::fraMidasNavigator1AfterPost(TDataSet*) {
    if (m_incluindoCompanheira || m_ultimoEstado != TDataSetState::dsInsert)
        return;
    const QString codigo = Codigo();
    int ocorrencia = 0;
    QString codigoCompanheira;
    if (codigo == DiferencialAliquota) {
        ocorrencia = FECPDiferencialAliquota;
        codigoCompanheira = QStringLiteral("O350011");
    } else if (codigo == ImportacaoCodigo) {
        ocorrencia = FECPImportacaoChave;
        codigoCompanheira = FECPImportacao;
    } else {
        return;
    }
    if (!MsgConfirmacao(
            QStringLiteral("Deseja também incluir a ocorrência \"%1\" para o respectivo FECP devido?")
                .arg(codigoCompanheira)))
        return;
    std::unique_ptr<TfrmDlgValorOcorrencia> dialogo(TForm::Create<TfrmDlgValorOcorrencia>(this));
    if (dialogo->ShowModal() != mrOk)
        return;
    const Currency valor = dialogo->Valor();
    dialogo.reset();
    IncluiCompanheira(ocorrencia, valor, codigo == ImportacaoCodigo);
}

void TfrmDetOutICMS::IncluiCompanheira(int ocorrencia, Currency valor, bool comDado3) {
    TClientDataSet* linhas = DataSet();
    QStringList copiados{QStringLiteral("DS_COMPLEMENTAR"), QStringLiteral("VL_COMPLEMENTO_1"),
                         QStringLiteral("VL_COMPLEMENTO_2"), QStringLiteral("VL_COMPLEMENTO_4"),
                         QStringLiteral("VL_COMPLEMENTO_5")};
    if (comDado3)
        copiados << QStringLiteral("VL_COMPLEMENTO_3");
    QStringList valores;
    for (const QString& campo : copiados)
        valores << TextoDe(linhas, campo);

    DisabledControls parado(*linhas);
    m_incluindoCompanheira = true;
    try {
        linhas->Append();
        linhas->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->SetAsInteger(ocorrencia);
        linhas->FieldByName(QStringLiteral("VL_LANCAMENTO"))->SetAsCurrency(valor);
        for (int i = 0; i < copiados.size(); ++i)
            linhas->FieldByName(copiados.at(i))->SetAsString(valores.at(i));
        linhas->Post();
    } catch (const std::exception& erro) {
        m_incluindoCompanheira = false;
        linhas->Cancel();
        // A refusal has shown its message already.
        if (!dynamic_cast<const EAbort*>(&erro))
            MsgErro(RuleMessages::Text(RuleMessages::QueryFailed));
        return;
    }
    m_incluindoCompanheira = false;
}
