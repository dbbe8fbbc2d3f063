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
constexpr int FinalidadeDestino = 54;
// Tag of the edits whose hint is keyed by their field name.
constexpr int DicaPorCampo = 10;
// The datum number under which the single complementary datum is checked,
// and that under which a process number is.
const QString DadoUnico = QStringLiteral("5");
const QString DadoProcesso = QStringLiteral("10");
// The process number's parts: prefix, number and year.
constexpr int InicioNumero = 4;
constexpr int TamanhoNumero = 6;
constexpr int InicioAno = 11;
constexpr int TamanhoAno = 4;
constexpr int TamanhoPrefixo = 3;

constexpr int Linha1 = 6;
constexpr int Linha2 = 52;
constexpr int Linha3 = 98;

GridPage::Shape Forma(const CreditBalancePage::Shape& shape) {
    return GridPage::ShapeOf(shape);
}

void Foca(TWinControl* control) {
    if (control && control->CanFocus())
        control->SetFocus();
}

TDBComboValues* ComboFinalidade(TComponent* owner, TWinControl* parent, const QString& name,
                                const QString& caption, TDataSource* source, const QString& field, int left) {
    CaptionOver(owner, parent, name, caption, left, Linha1);
    auto* combo = Make<TDBComboValues>(owner, name, parent);
    combo->SetCharCase(TEditCharCase::ecUpperCase);
    combo->SetDataSource(source);
    combo->SetDataField(field);
    combo->SetBounds(left, Linha1 + kCaptionHeight, 90, kEditHeight);
    return combo;
}

// No digit after the process number's fixed prefix: nothing was typed.
bool ProcessoVazio(const QString& texto) {
    return std::none_of(texto.cbegin() + std::min<qsizetype>(InicioNumero, texto.size()), texto.cend(),
                        [](QChar c) { return c.isDigit(); });
}

} // namespace

CreditBalancePage::CreditBalancePage(TComponent* owner, TClientDataSet* rows, const Shape& shape)
    : GridPage(owner, rows, Forma(shape)), m_purposes(DMDefBasica->cdsConFundamento), m_shape(shape) {
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
    ProtegeTextos();
    dsStateChange(dsDetalhe);
}

void CreditBalancePage::BuildPurpose() {
    int esquerda = 8;
    dbcvCFOPs = ComboFinalidade(this, pnlCampos, m_shape.purposeComboName, QStringLiteral("Finalidade"),
                                dsDetalhe, QStringLiteral("SQ_OCORRENCIA_DEF"), esquerda);
    esquerda += 100;
    if (m_shape.destination) {
        dsFundamentosDest = Make<TDataSource>(this, QStringLiteral("dsFundamentosDest"));
        dsFundamentosDest->SetAutoEdit(false);
        dsFundamentosDest->SetDataSet(DMDefBasica->cdsConFundamentoDest);
        dbcvDestinatario = ComboFinalidade(this, pnlCampos, QStringLiteral("dbcvDestinatario"),
                                           QStringLiteral("Destinatário"), dsDetalhe,
                                           QStringLiteral("SQ_OCORRENCIA_DEF_DESTINO"), esquerda);
        esquerda += 100;
    }
    dbmDescComplemento = Texto(QStringLiteral("dbmDescComplemento"), QString(),
                               QStringLiteral("DescFundamentoComp"), esquerda, Linha1, 690 - esquerda, 38);
    dbmDescComplemento->SetReadOnly(true);
    dbmDescComplemento->SetTabStop(false);
    dbmDescComplemento->SetColor(clInfoBk);
}

void CreditBalancePage::BuildDocumentFields() {
    if (m_shape.invoice) {
        dbeSerieNotaFiscal =
            Campo(QStringLiteral("dbeSerieNotaFiscal"), QStringLiteral("Série da Nota Fiscal"),
                  QStringLiteral("NU_SERIE_NOTA_FISCAL"), 8, Linha2, 110);
        dbeSubserieNotafiscal =
            Campo(QStringLiteral("dbeSubserieNotafiscal"), QStringLiteral("Subsérie da Nota Fiscal"),
                  QStringLiteral("NU_SUBSERIE_NOTA_FISCAL"), 128, Linha2, 150);
        for (TDBEdit* serie : {dbeSerieNotaFiscal, dbeSubserieNotafiscal})
            serie->SetCharCase(TEditCharCase::ecUpperCase);
        dbeNumNotaFiscal = Campo(QStringLiteral("dbeNumNotaFiscal"), QStringLiteral("Número da Nota Fiscal"),
                                 QStringLiteral("NU_NOTA_FISCAL"), 288, Linha2, 130);
        dbeNumNotaFiscal->SetMaxLength(6);
    }
    if (!m_shape.registrationEditName.isEmpty()) {
        dbeInscricao = Campo(m_shape.registrationEditName, m_shape.registrationCaption,
                             QStringLiteral("NU_INSCRICAO"), 428, Linha2, 110);
        dbeInscricao->SetMaxLength(8);
    }
    if (m_shape.process) {
        dbeProcesso = Campo(QStringLiteral("dbeProcesso"), QStringLiteral("Processo"),
                            QStringLiteral("DESC_PROCESSO"), 548, Linha2, 130);
    }
    for (TDBEdit* edit :
         {dbeSerieNotaFiscal, dbeSubserieNotafiscal, dbeNumNotaFiscal, dbeInscricao, dbeProcesso})
        if (edit)
            edit->SetTag(DicaPorCampo);
}

void CreditBalancePage::BuildAmount() {
    const int linhaValor = m_shape.invoice || dbeInscricao || dbeProcesso ? Linha3 : Linha2;
    dbeValor = Campo(m_shape.amountEditName, m_shape.amountCaption, m_shape.amountField, 8, linhaValor, 125);
    if (m_shape.amountMaxLength > 0)
        dbeValor->SetMaxLength(m_shape.amountMaxLength);
    dbmObservacao = Texto(QStringLiteral("dbmObservacao"), QStringLiteral("Dado Complementar"),
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
        DMDefBasica->AplicaFiltro(destino, QStringLiteral("TP_OCORRENCIA = %1").arg(FinalidadeDestino));
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
    Foca(dbcvCFOPs);
}

void CreditBalancePage::dsStateChange(TObject*) {
    const TDataSetState estado = DataSet()->State();
    Editavel(dbcvCFOPs, estado == TDataSetState::dsInsert);
    if (dbcvDestinatario)
        dbcvDestinatario->SetEnabled(estado == TDataSetState::dsInsert || estado == TDataSetState::dsEdit);
}

void CreditBalancePage::Recusa(int codigo, TWinControl* control) {
    RefuseAt(TDMDefAux::BuscaMensagemErro(codigo), control);
}

void CreditBalancePage::ConfereFinalidade(TDBComboValues* combo) {
    if (!combo->Items().contains(combo->ComboText()))
        Recusa(292, combo);
}

void CreditBalancePage::SerieEmBranco(TDataSet* dataSet) {
    TField* serie = dataSet->FieldByName(QStringLiteral("NU_SERIE_NOTA_FISCAL"));
    if (serie->IsNull())
        serie->SetAsString(QStringLiteral(" "));
}

void CreditBalancePage::ConfereNota(TDataSet* dataSet) {
    if (dataSet->FieldByName(QStringLiteral("NU_NOTA_FISCAL"))->AsCurrency() < Currency::fromRaw(100))
        Recusa(266, dbeNumNotaFiscal);
}

void CreditBalancePage::ConfereInscricao(TDataSet* dataSet, int codigo) {
    if (!ValidaInscricao(dataSet->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsString()))
        Recusa(codigo, dbeInscricao);
}

void CreditBalancePage::ConfereValor(TDataSet* dataSet, int codigo) {
    if (dataSet->FieldByName(m_shape.amountField)->AsCurrency() < Currency::fromRaw(100))
        Recusa(codigo, dbeValor);
}

void CreditBalancePage::ConfereProcesso(TDataSet* dataSet) {
    const QString texto = dataSet->FieldByName(QStringLiteral("DESC_PROCESSO"))->AsString();
    TField* prefixo = dataSet->FieldByName(QStringLiteral("CO_PREF_PROCESSO"));
    TField* numero = dataSet->FieldByName(QStringLiteral("NU_PROCESSO"));
    TField* ano = dataSet->FieldByName(QStringLiteral("NU_ANO_PROCESSO"));
    if (ProcessoVazio(texto)) {
        // A process that was cleared is no longer stored.
        for (TField* parte : {prefixo, numero, ano})
            parte->Clear();
        return;
    }
    bool valido = false;
    try {
        valido = DMDefAux->ValidaProcessoComplemento(DadoProcesso, texto);
    } catch (const EAbort&) {
        Foca(dbeProcesso);
        throw;
    }
    if (!valido) {
        Foca(dbeProcesso);
        Abort();
    }
    prefixo->SetAsString(texto.left(TamanhoPrefixo));
    numero->SetAsString(texto.mid(InicioNumero, TamanhoNumero));
    ano->SetAsString(texto.mid(InicioAno, TamanhoAno));
}

void CreditBalancePage::ConfereDado(TDataSet* dataSet) {
    m_purposes->FindKey({dataSet->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger()});
    bool valido = false;
    if (m_shape.destination) {
        TClientDataSet* destino = DMDefBasica->cdsConFundamentoDest;
        destino->FindKey({dataSet->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF_DESTINO"))->AsInteger()});
        valido = DMDefAux->ValidaComplementoPorFundamento(
            dataSet, destino, QStringLiteral("TP_DADO_COMPLEMENTAR_1"), m_shape.observationField, DadoUnico);
    } else {
        valido = DMDefAux->ValidaDadoComplementar(dataSet, QStringLiteral("TP_DADO_COMPLEMENTAR_1"),
                                                  m_shape.observationField, DadoUnico);
    }
    if (!valido) {
        Foca(dbmObservacao);
        Abort();
    }
}
