#include "declarations/pages/CreditBalancePage.h"

#include "components/data/TDBComboValues.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/forms/RefuseAt.h"
#include "core/util/CheckDigits.h"
#include "core/util/MessageBoxes.h"
#include "declarations/pages/LegalGroundChoices.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

#include <algorithm>

namespace {

// The purposes offered to a transfer's addressee.
constexpr int AddresseePurposes = 54;
// Tag of the edits whose hint is keyed by their field name.
constexpr int HintByFieldTag = 10;
// The datum number under which the single complementary datum is checked,
// and that under which a process number is.
const QString SingleDatum = QStringLiteral("5");
const QString ProcessDatum = QStringLiteral("10");
// The process number's parts: prefix, number and year.
constexpr int NumberStart = 4;
constexpr int NumberLength = 6;
constexpr int YearStart = 11;
constexpr int YearLength = 4;
constexpr int PrefixLength = 3;

constexpr int Row1Top = 6;
constexpr int Row2Top = 52;
constexpr int Row3Top = 98;

GridPage::Shape GridShape(const CreditBalancePage::Shape& shape) {
    return GridPage::ShapeOf(shape);
}

void FocusIfPossible(TWinControl* control) {
    if (control && control->CanFocus())
        control->SetFocus();
}

TDBComboValues* PurposeCombo(TComponent* owner, TWinControl* parent, const QString& name,
                             const QString& caption, TDataSource* source, const QString& field, int left) {
    CaptionOver(owner, parent, name, caption, left, Row1Top);
    auto* combo = Make<TDBComboValues>(owner, name, parent);
    combo->SetCharCase(TEditCharCase::ecUpperCase);
    combo->SetDataSource(source);
    combo->SetDataField(field);
    combo->SetBounds(left, Row1Top + kCaptionHeight, 90, kEditHeight);
    return combo;
}

// No digit after the process number's fixed prefix: nothing was typed.
bool ProcessEmpty(const QString& texto) {
    return std::none_of(texto.cbegin() + std::min<qsizetype>(NumberStart, texto.size()), texto.cend(),
                        [](QChar c) { return c.isDigit(); });
}

} // namespace

CreditBalancePage::CreditBalancePage(TComponent* owner, TClientDataSet* rows, const Shape& shape)
    : GridPage(owner, rows, GridShape(shape)), m_purposes(DMDefBasica->cdsConFundamento), m_shape(shape) {
    OnClose = TCloseEvent(this, &CreditBalancePage::FormClose);
    dsFundamentos = Make<TDataSource>(this, QStringLiteral("dsFundamentos"));
    dsFundamentos->SetAutoEdit(false);
    dsFundamentos->SetDataSet(m_purposes);

    BuildPurpose();
    BuildDocumentFields();
    BuildAmount();
    fraMidasNavigator1->BeforeInsert =
        TDataSetNotifyEvent(this, &CreditBalancePage::fraMidasNavigator1BeforeInsert);
    fraMidasNavigator1->OnNewRecord =
        TDataSetNotifyEvent(this, &CreditBalancePage::fraMidasNavigator1NewRecord);
    fraMidasNavigator1->BeforePost =
        TDataSetNotifyEvent(this, &CreditBalancePage::fraMidasNavigator1BeforePost);
    dsDetalhe->OnStateChange = TNotifyEvent(this, &CreditBalancePage::dsStateChange);
    GuardApostrophes();
    dsStateChange(dsDetalhe);
}

void CreditBalancePage::BuildPurpose() {
    int esquerda = 8;
    dbcvCFOPs = PurposeCombo(this, pnlCampos, m_shape.purposeComboName, QStringLiteral("Finalidade"),
                             dsDetalhe, QStringLiteral("SQ_OCORRENCIA_DEF"), esquerda);
    esquerda += 100;
    if (m_shape.destination) {
        dsFundamentosDest = Make<TDataSource>(this, QStringLiteral("dsFundamentosDest"));
        dsFundamentosDest->SetAutoEdit(false);
        dsFundamentosDest->SetDataSet(DMDefBasica->cdsConFundamentoDest);
        dbcvDestinatario =
            PurposeCombo(this, pnlCampos, QStringLiteral("dbcvDestinatario"), QStringLiteral("Destinatário"),
                         dsDetalhe, QStringLiteral("SQ_OCORRENCIA_DEF_DESTINO"), esquerda);
        esquerda += 100;
    }
    dbmDescComplemento =
        FieldMemo(QStringLiteral("dbmDescComplemento"), QString(), QStringLiteral("DescFundamentoComp"),
                  esquerda, Row1Top, 690 - esquerda, 38);
    dbmDescComplemento->SetReadOnly(true);
    dbmDescComplemento->SetTabStop(false);
    dbmDescComplemento->SetColor(clInfoBk);
}

void CreditBalancePage::BuildDocumentFields() {
    if (m_shape.invoice) {
        dbeSerieNotaFiscal =
            FieldEdit(QStringLiteral("dbeSerieNotaFiscal"), QStringLiteral("Série da Nota Fiscal"),
                      QStringLiteral("NU_SERIE_NOTA_FISCAL"), 8, Row2Top, 110);
        dbeSubserieNotafiscal =
            FieldEdit(QStringLiteral("dbeSubserieNotafiscal"), QStringLiteral("Subsérie da Nota Fiscal"),
                      QStringLiteral("NU_SUBSERIE_NOTA_FISCAL"), 128, Row2Top, 150);
        for (TDBEdit* serie : {dbeSerieNotaFiscal, dbeSubserieNotafiscal})
            serie->SetCharCase(TEditCharCase::ecUpperCase);
        dbeNumNotaFiscal =
            FieldEdit(QStringLiteral("dbeNumNotaFiscal"), QStringLiteral("Número da Nota Fiscal"),
                      QStringLiteral("NU_NOTA_FISCAL"), 288, Row2Top, 130);
        dbeNumNotaFiscal->SetMaxLength(6);
    }
    if (!m_shape.registrationEditName.isEmpty()) {
        dbeInscricao = FieldEdit(m_shape.registrationEditName, m_shape.registrationCaption,
                                 QStringLiteral("NU_INSCRICAO"), 428, Row2Top, 110);
        dbeInscricao->SetMaxLength(8);
    }
    if (m_shape.process) {
        dbeProcesso = FieldEdit(QStringLiteral("dbeProcesso"), QStringLiteral("Processo"),
                                QStringLiteral("DESC_PROCESSO"), 548, Row2Top, 130);
    }
    for (TDBEdit* edit :
         {dbeSerieNotaFiscal, dbeSubserieNotafiscal, dbeNumNotaFiscal, dbeInscricao, dbeProcesso})
        if (edit)
            edit->SetTag(HintByFieldTag);
}

void CreditBalancePage::BuildAmount() {
    const int linhaValor = m_shape.invoice || dbeInscricao || dbeProcesso ? Row3Top : Row2Top;
    dbeValor =
        FieldEdit(m_shape.amountEditName, m_shape.amountCaption, m_shape.amountField, 8, linhaValor, 125);
    if (m_shape.amountMaxLength > 0)
        dbeValor->SetMaxLength(m_shape.amountMaxLength);
    dbmObservacao = FieldMemo(QStringLiteral("dbmObservacao"), QStringLiteral("Dado Complementar"),
                              m_shape.observationField, 143, linhaValor, 547, 40);
    dbmObservacao->SetTag(1);
    dbtComplemento1 = Make<TDBText>(this, QStringLiteral("dbtComplemento1"), pnlCampos);
    dbtComplemento1->SetDataSource(dsDetalhe);
    dbtComplemento1->SetDataField(QStringLiteral("DescTpDadoComp1"));
    dbtComplemento1->SetFontColor(clNavy);
    dbtComplemento1->SetLeft(260);
    dbtComplemento1->SetTop(linhaValor);
}

void CreditBalancePage::PreparaQuadro() {
    GridPage::PreparaQuadro();
    TClientDataSet* linhas = DataSet();
    dbmObservacao->SetMaxLength(linhas->FieldByName(m_shape.observationField)->Size());
    DMDefAux->AbreTabelaDeclaracao(linhas);
    DMDefBasica->AbrePorPeriodo(m_purposes);
    DMDefBasica->AplicaFiltro(m_purposes, QStringLiteral("TP_OCORRENCIA = %1").arg(m_shape.purposeKind));
    if (m_shape.destination) {
        TClientDataSet* destino = DMDefBasica->cdsConFundamentoDest;
        DMDefBasica->AbrePorPeriodo(destino);
        DMDefBasica->AplicaFiltro(destino, QStringLiteral("TP_OCORRENCIA = %1").arg(AddresseePurposes));
    }
    fraMidasNavigator1BeforeInsert(linhas);
    // The rows show their purposes once these are open.
    if (linhas->Active() && !linhas->IsEmpty()) {
        linhas->Close();
        linhas->Open();
    }
}

void CreditBalancePage::FormClose(TObject* sender, TCloseAction& action) {
    GridPage::FormClose(sender, action);
    DataSet()->Close();
    m_purposes->Close();
    if (m_shape.destination)
        DMDefBasica->cdsConFundamentoDest->Close();
}

void CreditBalancePage::fraMidasNavigator1BeforeInsert(TDataSet*) {
    LegalGroundChoices::Fill(dbcvCFOPs, m_purposes);
    if (dbcvDestinatario)
        LegalGroundChoices::Fill(dbcvDestinatario, DMDefBasica->cdsConFundamentoDest);
}

void CreditBalancePage::fraMidasNavigator1NewRecord(TDataSet*) {
    FocusIfPossible(dbcvCFOPs);
}

void CreditBalancePage::dsStateChange(TObject*) {
    const TDataSetState estado = DataSet()->State();
    ShowEditable(dbcvCFOPs, estado == TDataSetState::dsInsert);
    if (dbcvDestinatario)
        dbcvDestinatario->SetEnabled(estado == TDataSetState::dsInsert || estado == TDataSetState::dsEdit);
}

void CreditBalancePage::RefuseCode(int codigo, TWinControl* control) {
    RefuseAt(TDMDefAux::BuscaMensagemErro(codigo), control);
}

void CreditBalancePage::CheckPurpose(TDBComboValues* combo) {
    if (!combo->Items().contains(combo->ComboText()))
        RefuseCode(292, combo);
}

void CreditBalancePage::BlankSeries(TDataSet* dataSet) {
    TField* serie = dataSet->FieldByName(QStringLiteral("NU_SERIE_NOTA_FISCAL"));
    if (serie->IsNull())
        serie->SetAsString(QStringLiteral(" "));
}

void CreditBalancePage::CheckInvoiceNumber(TDataSet* dataSet) {
    if (dataSet->FieldByName(QStringLiteral("NU_NOTA_FISCAL"))->AsCurrency() < Currency::fromRaw(100))
        RefuseCode(266, dbeNumNotaFiscal);
}

void CreditBalancePage::CheckRegistration(TDataSet* dataSet, int codigo) {
    if (!ValidaInscricao(dataSet->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsString()))
        RefuseCode(codigo, dbeInscricao);
}

void CreditBalancePage::CheckAmount(TDataSet* dataSet, int codigo) {
    if (dataSet->FieldByName(m_shape.amountField)->AsCurrency() < Currency::fromRaw(100))
        RefuseCode(codigo, dbeValor);
}

void CreditBalancePage::CheckProcess(TDataSet* dataSet) {
    const QString texto = dataSet->FieldByName(QStringLiteral("DESC_PROCESSO"))->AsString();
    TField* prefixo = dataSet->FieldByName(QStringLiteral("CO_PREF_PROCESSO"));
    TField* numero = dataSet->FieldByName(QStringLiteral("NU_PROCESSO"));
    TField* ano = dataSet->FieldByName(QStringLiteral("NU_ANO_PROCESSO"));
    if (ProcessEmpty(texto)) {
        // A process that was cleared is no longer stored.
        for (TField* parte : {prefixo, numero, ano})
            parte->Clear();
        return;
    }
    bool valido = false;
    try {
        valido = DMDefAux->ValidaProcessoComplemento(ProcessDatum, texto);
    } catch (const EAbort&) {
        FocusIfPossible(dbeProcesso);
        throw;
    }
    if (!valido) {
        FocusIfPossible(dbeProcesso);
        Abort();
    }
    prefixo->SetAsString(texto.left(PrefixLength));
    numero->SetAsString(texto.mid(NumberStart, NumberLength));
    ano->SetAsString(texto.mid(YearStart, YearLength));
}

void CreditBalancePage::CheckDatum(TDataSet* dataSet) {
    m_purposes->FindKey({dataSet->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger()});
    bool valido = false;
    if (m_shape.destination) {
        TClientDataSet* destino = DMDefBasica->cdsConFundamentoDest;
        destino->FindKey({dataSet->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF_DESTINO"))->AsInteger()});
        valido = DMDefAux->ValidaComplementoPorFundamento(dataSet, destino,
                                                          QStringLiteral("TP_DADO_COMPLEMENTAR_1"),
                                                          m_shape.observationField, SingleDatum);
    } else {
        valido = DMDefAux->ValidaDadoComplementar(dataSet, QStringLiteral("TP_DADO_COMPLEMENTAR_1"),
                                                  m_shape.observationField, SingleDatum);
    }
    if (!valido) {
        FocusIfPossible(dbmObservacao);
        Abort();
    }
}
