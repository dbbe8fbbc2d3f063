#include "core/data/TDMDefAux.h"

#include "core/data/FieldRules.h"
#include "core/data/ModuleComponents.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/CheckDigits.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/SysUtils.h"
#include "platform/base/SystemClock.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TFloatField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TStringField.h"

#include <QDate>
#include <limits>
#include <optional>

TDMDefAux* DMDefAux = nullptr;

namespace {

const QString DatumPrefix = QStringLiteral("Dado Complementar ");

QString MessageText(int codigo) {
    return RuleMessages::Text(codigo);
}

// Integer value of a text, or nullopt when it is none (64-bit).
std::optional<qint64> IntegerOf(const QString& texto) {
    constexpr qint64 nenhum = std::numeric_limits<qint64>::min();
    const qint64 valor = StrToInt64Def(texto, nenhum);
    if (valor == nenhum)
        return std::nullopt;
    return valor;
}

// The "Dado Complementar <n> - " prefix of the date and process messages:
// the number up to 4, none from 5 to 9; nothing at all from 10 on.
QString NumberedMessage(const QString& numero, int codigo) {
    const qint64 n = IntegerOf(numero).value_or(0);
    if (n >= 10)
        return MessageText(codigo);
    if (n <= 4)
        return DatumPrefix + numero + QStringLiteral(" - ") + MessageText(codigo);
    return DatumPrefix + QStringLiteral(" - ") + MessageText(codigo);
}

QString FieldText(TDataSet* dataSet, const QString& nome) {
    TField* field = dataSet->FindField(nome);
    return field ? field->AsString() : QString();
}

} // namespace

TDMDefAux::TDMDefAux(TComponent* owner) : TComponent(owner) {
    SetName(QStringLiteral("DMDefAux"));
    BuildRegisters();
    TIBDatabase* database = DMDefGeral->ibDBDef;
    ibtDescricoes = MakeTransaction(this, QStringLiteral("ibtDescricoes"), database);
    ibqDescricoes = new TIBQuery(this);
    ibqDescricoes->SetName(QStringLiteral("ibqDescricoes"));
    ibqDescricoes->SetDatabase(database);
    ibqDescricoes->SetTransaction(ibtDescricoes);
    ibqDescricoes->SetSQL({QStringLiteral("SELECT RV_MEANING"), QStringLiteral("FROM CG_REF_CODES"),
                           QStringLiteral("WHERE RV_DOMAIN = 'D TP COMPLEMENTO'"),
                           QStringLiteral("AND   RV_LOW_VALUE = :P_Dado_Complementar")});
    ibqDescricoes->ParamByName(QStringLiteral("P_Dado_Complementar"))->SetDataType(ftString);
    ibtAuxiliar = MakeTransaction(this, QStringLiteral("ibtAuxiliar"), database);
    ibqAuxiliar = new TIBQuery(this);
    ibqAuxiliar->SetName(QStringLiteral("ibqAuxiliar"));
    ibqAuxiliar->SetDatabase(database);
    ibqAuxiliar->SetTransaction(ibtAuxiliar);
    if (!DMDefAux)
        DMDefAux = this;
}

TDMDefAux::~TDMDefAux() {
    if (DMDefAux == this)
        DMDefAux = nullptr;
}

void TDMDefAux::BuildRegisters() {
    TIBDatabase* database = DMDefGeral->ibDBDef;
    ibtRepresentante = MakeTransaction(this, QStringLiteral("ibtRepresentante"), database);
    const TDataChain representante =
        MakeDataChain(this, database, ibtRepresentante, QStringLiteral("Representante"),
                      {QStringLiteral("select * from  REPRESENTANTE")});
    ibqRepresentante = representante.query;
    dspRepresentante = representante.provider;
    cdsRepresentante = representante.cds;
    ibtContabilista = MakeTransaction(this, QStringLiteral("ibtContabilista"), database);
    const TDataChain contabilista =
        MakeDataChain(this, database, ibtContabilista, QStringLiteral("Contabilista"),
                      {QStringLiteral("select * from CONTABILISTA")});
    ibqContabilista = contabilista.query;
    dspContabilista = contabilista.provider;
    cdsContabilista = contabilista.cds;

    const TFieldNotifyEvent validaDDD(this, &TDMDefAux::cdsRepresentanteNU_DDD_REPRESENTANTE_LEGALValidate);
    const TFieldNotifyEvent validaTel(this, &TDMDefAux::cdsRepresentanteNU_TEL_REPRESENTANTE_LEGALValidate);
    const TFieldSetTextEvent texto(this, &TDMDefAux::cdsRepresentanteNO_REPRESENTANTE_LEGALSetText);
    const QString mascaraDDD = QStringLiteral("999;0; ");
    const QString mascaraTel = QStringLiteral("0000-0000;0; ");

    MakeField<TFloatField>(cdsRepresentante, QStringLiteral("SQ_REPRESENTANTE"), true);
    TStringField* nome = MakeTextField(cdsRepresentante, QStringLiteral("NO_REPRESENTANTE_LEGAL"), 64, false,
                                       QStringLiteral("Nome "));
    TStringField* ddd = MakeTextField(cdsRepresentante, QStringLiteral("NU_DDD_REPRESENTANTE_LEGAL"), 4,
                                      false, QStringLiteral("DDD"));
    TStringField* tel = MakeTextField(cdsRepresentante, QStringLiteral("NU_TEL_REPRESENTANTE_LEGAL"), 8,
                                      false, QStringLiteral("Telefone"));
    MakeField<TFloatField>(cdsContabilista, QStringLiteral("SQ_CONTABILISTA"), true);
    TStringField* dddC = MakeTextField(cdsContabilista, QStringLiteral("NU_DDD_CONTABILISTA"), 4, false,
                                       QStringLiteral("DDD"));
    TStringField* telC = MakeTextField(cdsContabilista, QStringLiteral("NU_TEL_CONTABILISTA"), 8, false,
                                       QStringLiteral("Telefone"));
    TStringField* nomeC =
        MakeTextField(cdsContabilista, QStringLiteral("NO_CONTABILISTA"), 64, false, QStringLiteral("Nome"));
    for (TStringField* field : {ddd, dddC}) {
        field->SetEditMask(mascaraDDD);
        field->OnValidate = validaDDD;
    }
    for (TStringField* field : {tel, telC}) {
        field->SetEditMask(mascaraTel);
        field->OnValidate = validaTel;
    }
    for (TStringField* field : {nome, ddd, tel, dddC, telC, nomeC})
        field->OnSetText = texto;
}

// ---- register fields ---------------------------------------------------------------

void TDMDefAux::cdsRepresentanteNU_DDD_REPRESENTANTE_LEGALValidate(TField* sender) {
    if (AreaCodeInvalid(sender->AsString())) {
        RuleMessages::Refuse(QStringLiteral("DDD inválido!"));
    }
}

void TDMDefAux::cdsRepresentanteNU_TEL_REPRESENTANTE_LEGALValidate(TField* sender) {
    if (TelephoneInvalid(sender->AsString())) {
        RuleMessages::Refuse(QStringLiteral("Telefone inválido!"));
    }
}

void TDMDefAux::cdsRepresentanteNO_REPRESENTANTE_LEGALSetText(TField* sender, const QString& text) {
    SetTextOrNull(sender, text);
}

// ---- services ----------------------------------------------------------------------

void TDMDefAux::AbreTabelaDeclaracao(TDataSet* dataSet) {
    auto* cds = dynamic_cast<TClientDataSet*>(dataSet);
    if (!cds)
        return;
    try {
        cds->Close();
        const QVariant chave = DMDef->cdsDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO"))->Value();
        cds->Params().ParamByName(QStringLiteral("SQ_DECLARACAO"))->SetValue(chave);
        cds->Open();
    } catch (const std::exception&) {
        MsgErro(QStringLiteral("Erro na abertura das tabelas!"));
    }
}

QString TDMDefAux::BuscaMensagemErro(int codigo) {
    return RuleMessages::Text(codigo);
}

bool TDMDefAux::ValidaDadoComplementar(TDataSet* dataSet, const QString& campoTipo, const QString& campoValor,
                                       const QString& numero) {
    return ValidaComplementoPorFundamento(dataSet, DMDefBasica->cdsConFundamento, campoTipo, campoValor,
                                          numero);
}

bool TDMDefAux::ValidaComplementoPorFundamento(TDataSet* dataSet, TDataSet* fundamento,
                                               const QString& campoTipo, const QString& campoValor,
                                               const QString& numero) {
    const QString rotulo = IntegerOf(numero).value_or(0) <= 3 ? numero : QString();
    const QString prefixo = DatumPrefix + rotulo + QStringLiteral(" - ");
    const QString tipo = FieldText(fundamento, campoTipo);
    const QString valor = FieldText(dataSet, campoValor).trimmed();
    auto falha = [&](int codigo) {
        MsgErro(prefixo + MessageText(codigo));
        return false;
    };

    if (tipo.isEmpty())
        return valor.isEmpty() ? true : falha(253);
    switch (tipo.at(0).toLatin1()) {
    case 'D':
    case 'W':
    case 'Y':
        return ValidaDataComplemento(numero, valor);
    case 'C':
        return !valor.isEmpty() && ValidaDV12(valor) ? true : falha(265);
    case 'R':
        return ValidaMesAnoComplemento(numero, valor);
    case 'B':
        return InteiroAte999(valor) ? true : falha(255);
    case 'P':
        return ValidaProcessoComplemento(numero, valor);
    case 'A':
        return !valor.isEmpty() && ValidaDV9(valor) ? true : falha(257);
    case 'I': {
        const bool valido =
            IntegerOf(valor).value_or(0) > 0 && (ValidaDVSufixo2(valor) || ValidaDVSufixo4(valor));
        return valido ? true : falha(294);
    }
    case 'T':
        return InteiroUmAQuatro(valor) ? true : falha(306);
    case 'V':
        return !valor.isEmpty() && ValorPositivo(valor) ? true : falha(312);
    case 'X':
        return valor == QLatin1String("D") || valor == QLatin1String("O") ? true : falha(315);
    case 'L':
    case 'O':
        if (!valor.isEmpty())
            return true;
        MsgErro(DatumPrefix + rotulo + QStringLiteral(" inválido!"));
        return false;
    default:
        return true;
    }
}

bool TDMDefAux::ValidaDataComplemento(const QString& numero, const QString& valor) {
    QDate data;
    if (valor.size() != 10 || !TryStrToDate(valor, data) || data.year() < 1950) {
        MsgErro(NumberedMessage(numero, 252));
        return false;
    }
    if (data > SystemClock::Today()) {
        MsgErro(MessageText(261));
        return false;
    }
    return true;
}

bool TDMDefAux::ValidaMesAnoComplemento(const QString& numero, const QString& valor) {
    const QString prefixo = DatumPrefix + numero + QStringLiteral(" - ");
    const std::optional<qint64> mes = IntegerOf(valor.mid(0, 2));
    const std::optional<qint64> ano = IntegerOf(valor.mid(3, 4));
    const bool formatoValido = valor.size() == 7 && !valor.contains(QLatin1Char(' ')) && mes && ano &&
                               valor.at(2) == QLatin1Char('/') && *mes >= 1 && *mes <= 12;
    if (!formatoValido) {
        MsgErro(prefixo + MessageText(254));
        return false;
    }
    if (*ano < 2000 || *ano > SystemClock::Today().year()) {
        MsgErro(prefixo + MessageText(263));
        return false;
    }
    return true;
}

bool TDMDefAux::ValidaProcessoComplemento(const QString& numero, const QString& valor) {
    const QString mensagem =
        IntegerOf(numero).value_or(0) >= 10 ? MessageText(262) : NumberedMessage(numero, 256);
    auto falha = [&] {
        MsgErro(mensagem);
        return false;
    };
    if (valor.isEmpty() || valor.contains(QLatin1Char(' ')))
        return falha();
    const std::optional<qint64> orgao = IntegerOf(valor.mid(1, 2));
    const std::optional<qint64> processo = IntegerOf(valor.mid(4, 6));
    const std::optional<qint64> ano = IntegerOf(valor.mid(11, 4));
    if (!orgao || !processo || !ano) {
        RuleMessages::Refuse(mensagem);
    }
    if (valor.size() != 15 || valor.at(0).toUpper() != QLatin1Char('E') || valor.at(3) != QLatin1Char('-') ||
        valor.at(10) != QLatin1Char('/') || *orgao == 0 || *processo == 0)
        return falha();
    if (*ano < 1988 || *ano > SystemClock::Today().year()) {
        MsgErro(MessageText(264));
        return false;
    }
    return true;
}

bool TDMDefAux::SemEdicaoPendente() const {
    for (int i = 0; i < DMDef->ComponentCount(); ++i) {
        auto* cds = dynamic_cast<TClientDataSet*>(DMDef->Components(i));
        if (!cds || cds == DMDef->cdsDeclaracao)
            continue;
        if (cds->State() == dsEdit || cds->State() == dsInsert)
            return false;
    }
    return true;
}

bool TDMDefAux::DataNoPeriodoReferencia(DeclarationKey sqDeclaracao, const QString& data) {
    RuleMessages::Query({QStringLiteral("SELECT ME_REFERENCIA, AN_REFERENCIA"),
                         QStringLiteral("FROM DECLARACAO_ECONOMICO_FISCAL"),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + sqDeclaracao.Sql()});
    TClientDataSet* resultado = DMDefGeral->cdsAuxiliar;
    const std::optional<qint64> mes = IntegerOf(data.mid(3, 2));
    const std::optional<qint64> ano = IntegerOf(data.mid(6, 4));
    if (!mes || !ano || resultado->IsEmpty())
        return false;
    return *mes == resultado->FieldByName(QStringLiteral("ME_REFERENCIA"))->AsInteger() &&
           *ano == resultado->FieldByName(QStringLiteral("AN_REFERENCIA"))->AsInteger();
}

QString TDMDefAux::FormataMes(const QString& mes) {
    return StrToIntDef(mes, 0) <= 9 ? QStringLiteral("0") + mes : mes;
}

QString TDMDefAux::DescricaoOcorrencia(TDataSet* dataSet, const QString& extra) {
    const QString descricao = FieldText(dataSet, QStringLiteral("DS_OCORRENCIA"));
    if (descricao.isEmpty())
        return {};
    QString texto = descricao + QStringLiteral(", ");
    for (int k = 1; k <= 5; ++k) {
        const QString tipo = FieldText(dataSet, QStringLiteral("TP_DADO_COMPLEMENTAR_%1").arg(k));
        if (tipo.isEmpty())
            continue;
        ibqDescricoes->ParamByName(QStringLiteral("P_Dado_Complementar"))->SetAsString(tipo);
        ibqDescricoes->Open();
        texto += ibqDescricoes->FieldByName(QStringLiteral("RV_MEANING"))->AsString() + QLatin1Char(' ') +
                 FieldText(dataSet, QStringLiteral("VL_COMPLEMENTO_%1").arg(k)) + QStringLiteral(", ");
        ibqDescricoes->Close();
    }
    texto = texto.trimmed();
    if (texto.endsWith(QLatin1Char(',')))
        texto.chop(1);
    if (!extra.isEmpty())
        texto += QStringLiteral(", ") + extra;
    return texto + QLatin1Char('.');
}

// ---- totals ------------------------------------------------------------------------

OwnOperationsTotals TDMDefAux::CalculaOperacoesProprias(DeclarationKey sqDeclaracao) const {
    OwnOperationsTotals totais;
    ComputeOwnOperations(sqDeclaracao, totais);
    return totais;
}

ExportCreditTotals TDMDefAux::CalculaSaldoCredorExportacao(DeclarationKey sqDeclaracao, Currency vlAnterior,
                                                           Currency vlCreditoEnergia,
                                                           Currency vlProvisao) const {
    ExportCreditTotals totais;
    ComputeExportCredit(sqDeclaracao, vlAnterior, vlCreditoEnergia, vlProvisao, totais);
    return totais;
}

OperationsMovement TDMDefAux::CalculaResumoOperacoes(DeclarationKey sqDeclaracao, Currency vlAnterior,
                                                     Currency vlCreditoEnergia, Currency vlProvisao) const {
    OperationsMovement resumo;
    ExportCreditTotals saldoCredor;
    ComputeMovement(sqDeclaracao, vlAnterior, vlCreditoEnergia, vlProvisao, resumo, saldoCredor);
    return resumo;
}

TaxSubstitutionTotals TDMDefAux::CalculaSubstTributaria(DeclarationKey sqDeclaracao) const {
    TaxSubstitutionTotals totais;
    ComputeTaxSubstitution(sqDeclaracao, totais);
    return totais;
}

int TDMDefAux::ContaMovSaldoCredor(DeclarationKey sqDeclaracao) {
    return CreditBalanceMovement(sqDeclaracao);
}

int TDMDefAux::ContaMovOperProp(DeclarationKey sqDeclaracao) {
    return OwnOperationsMovement(sqDeclaracao);
}

int TDMDefAux::ContaMovOutrosICMS(DeclarationKey sqDeclaracao) {
    return OtherICMSMovement(sqDeclaracao);
}

int TDMDefAux::ContaMovSubstTribut(DeclarationKey sqDeclaracao) {
    return TaxSubstitutionMovement(sqDeclaracao);
}

int TDMDefAux::ContaMovALCZFM(DeclarationKey sqDeclaracao) {
    return ALCZFMMovement(sqDeclaracao);
}
