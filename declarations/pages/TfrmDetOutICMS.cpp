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

const QString RateDifferenceCode = QStringLiteral("O350006");
const QString ImportCode = QStringLiteral("O350007");
const QString FecpImportCode = QStringLiteral("O350009");
const QString OtherStateDocumentCode = QStringLiteral("O350014");
// The fund contributions that go with O350006 and O350007.
constexpr int FecpRateDifferenceGround = 211;
constexpr int FecpImportGround = 209;

constexpr int DateOutsideMonthMessage = 307;
constexpr int DayOfPeriodMessage = 314;
constexpr int OccurrenceDescriptionMessage = 316;
constexpr int ImportDeclarationMessage = 294;

const QString Datum1Prefix = QStringLiteral("Dado Complementar 1 - ");
const QString Datum2Prefix = QStringLiteral("Dado Complementar 2 - ");

OccurrencePage::Shape PageShape() {
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
bool IsDateType(const QString& tipo) {
    return tipo == QLatin1String("D") || tipo == QLatin1String("W") || tipo == QLatin1String("Y");
}

// The day of a date datum agrees with the kind of period of datum 2.
bool DayFitsPeriod(const QString& data, const QString& periodo) {
    const QString dia = data.left(2);
    if (periodo == QLatin1String("1"))
        return dia == QLatin1String("01");
    if (periodo == QLatin1String("2"))
        return dia == QLatin1String("01") || dia == QLatin1String("11") || dia == QLatin1String("21");
    return true;
}

QString TextOf(TDataSet* dataSet, const QString& campo) {
    return dataSet->FieldByName(campo)->AsString();
}

} // namespace

const QString TfrmDetOutICMS::PeriodFormatText =
    QStringLiteral("Formato: 1(no mês), 3(no dia) ou 4(no doc. fiscal)");
const QString TfrmDetOutICMS::InvalidPeriodText =
    QStringLiteral("Tipo de período inválido. Formato: 1(no mês), 3(no dia) ou 4(no doc. fiscal)");

TfrmDetOutICMS::TfrmDetOutICMS(TComponent* owner) : OccurrencePage(owner, DMDef->cdsOutICMS, PageShape()) {
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
        if (!IsImport() || !dbeDadoComp2->Focused())
            return c;
        const QChar letra = c.toUpper();
        return letra == QLatin1Char('D') || letra == QLatin1Char('O') ? letra : QChar();
    });
}

QString TfrmDetOutICMS::ComboCode() const {
    return dbcvCFOPs->ComboText();
}

bool TfrmDetOutICMS::IsImport() const {
    const QString codigo = ComboCode();
    return codigo == ImportCode || codigo == FecpImportCode;
}

bool TfrmDetOutICMS::IsEditing() const {
    const TDataSetState estado = DataSet()->State();
    return estado == TDataSetState::dsEdit || estado == TDataSetState::dsInsert;
}

bool TfrmDetOutICMS::PeriodKindValid(const QString& texto) const {
    return texto == QLatin1String("1") || texto == QLatin1String("3") || texto == QLatin1String("4");
}

void TfrmDetOutICMS::dbcvCFOPsExit(TObject*) {
    if (!IsEditing() || m_insertingCompanion)
        return;
    TField* dado2 = DataSet()->FieldByName(QStringLiteral("VL_COMPLEMENTO_2"));
    if (IsImport())
        dado2->SetAsString(QStringLiteral("D"));
    else
        dado2->Clear();
}

void TfrmDetOutICMS::dsOutICMSDataChange(TObject* sender, TField* field) {
    if (IsEditing() && !m_insertingCompanion)
        m_lastState = DataSet()->State();
    dsDataChange(sender, field);
}

void TfrmDetOutICMS::dbeDadoComp2Enter(TObject* sender) {
    dbeDadoComp1Enter(sender);
    if (ComboCode() == OtherStateDocumentCode)
        pnlMensagemRodape->SetCaption(PeriodFormatText);
}

void TfrmDetOutICMS::dbeDadoComp2Exit(TObject* sender) {
    dbeDadoComp1Enter(sender);
    // Said on leaving, refused on posting: the focus is free to go, to
    // cancel the row for one.
    if (ComboCode() == OtherStateDocumentCode && IsEditing() &&
        !PeriodKindValid(dbeDadoComp2->Text().trimmed()))
        ShowMessage(InvalidPeriodText);
}

void TfrmDetOutICMS::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    if (m_insertingCompanion)
        return;
    RequireOfferedOccurrence();
    RequireMinimumValue(dataSet);
    LocateLegalGround(dataSet);
    TClientDataSet* fundamento = LegalGrounds();
    const QString tipo1 = TextOf(fundamento, QStringLiteral("TP_DADO_COMPLEMENTAR_1")).trimmed();
    const QString tipo2 = TextOf(fundamento, QStringLiteral("TP_DADO_COMPLEMENTAR_2")).trimmed();
    const QString dado1 = TextOf(dataSet, QStringLiteral("VL_COMPLEMENTO_1"));

    RequireValidDatum(dataSet, 1);
    if (IsDateType(tipo1) &&
        !DMDefAux->DataNoPeriodoReferencia(
            DeclarationKey::FromText(TextOf(dataSet, QStringLiteral("SQ_DECLARACAO"))), dado1))
        Refuse(Datum1Prefix + TDMDefAux::BuscaMensagemErro(DateOutsideMonthMessage), dbeDadoComp1);
    RequireValidDatum(dataSet, 2);
    RequireValidDatum(dataSet, 3);

    const QString dado2 = TextOf(dataSet, QStringLiteral("VL_COMPLEMENTO_2"));
    const QString dado3 = TextOf(dataSet, QStringLiteral("VL_COMPLEMENTO_3")).trimmed();
    if (ComboCode() == OtherStateDocumentCode && !PeriodKindValid(dado2.trimmed()))
        Refuse(InvalidPeriodText, dbeDadoComp2);
    if (IsDateType(tipo1) && tipo2 == QLatin1String("T") && !DayFitsPeriod(dado1, dado2))
        Refuse(Datum1Prefix + TDMDefAux::BuscaMensagemErro(DayOfPeriodMessage), dbeDadoComp1);
    if (IsImport() && tipo2 == QLatin1String("X")) {
        if (dado2 == QLatin1String("O") && dado3.isEmpty())
            Refuse(Datum2Prefix + TDMDefAux::BuscaMensagemErro(OccurrenceDescriptionMessage), dbeDadoComp2);
        const bool declaracaoValida =
            !dado3.isEmpty() && InteiroPositivo(dado3) && (ValidaDVSufixo2(dado3) || ValidaDVSufixo4(dado3));
        if (dado2 == QLatin1String("D") && !declaracaoValida)
            Refuse(Datum2Prefix + TDMDefAux::BuscaMensagemErro(ImportDeclarationMessage), dbeDadoComp2);
    }
}

void TfrmDetOutICMS::fraMidasNavigator1AfterPost(TDataSet*) {
    if (m_insertingCompanion || m_lastState != TDataSetState::dsInsert)
        return;
    const QString codigo = ComboCode();
    int ocorrencia = 0;
    QString codigoCompanheira;
    if (codigo == RateDifferenceCode) {
        ocorrencia = FecpRateDifferenceGround;
        codigoCompanheira = QStringLiteral("O350011");
    } else if (codigo == ImportCode) {
        ocorrencia = FecpImportGround;
        codigoCompanheira = FecpImportCode;
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
    const Currency valor = dialogo->ConfirmedValue();
    dialogo.reset();
    InsertCompanion(ocorrencia, valor, codigo == ImportCode);
}

void TfrmDetOutICMS::InsertCompanion(int ocorrencia, Currency valor, bool comDado3) {
    TClientDataSet* linhas = DataSet();
    QStringList copiados{QStringLiteral("DS_COMPLEMENTAR"), QStringLiteral("VL_COMPLEMENTO_1"),
                         QStringLiteral("VL_COMPLEMENTO_2"), QStringLiteral("VL_COMPLEMENTO_4"),
                         QStringLiteral("VL_COMPLEMENTO_5")};
    if (comDado3)
        copiados << QStringLiteral("VL_COMPLEMENTO_3");
    QStringList valores;
    for (const QString& campo : copiados)
        valores << TextOf(linhas, campo);

    DisabledControls parado(*linhas);
    m_insertingCompanion = true;
    try {
        linhas->Append();
        linhas->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->SetAsInteger(ocorrencia);
        linhas->FieldByName(QStringLiteral("VL_LANCAMENTO"))->SetAsCurrency(valor);
        for (int i = 0; i < copiados.size(); ++i)
            linhas->FieldByName(copiados.at(i))->SetAsString(valores.at(i));
        linhas->Post();
    } catch (const std::exception& erro) {
        m_insertingCompanion = false;
        linhas->Cancel();
        // A refusal has shown its message already.
        if (!dynamic_cast<const EAbort*>(&erro))
            MsgErro(RuleMessages::Text(RuleMessages::QueryFailed));
        return;
    }
    m_insertingCompanion = false;
}
