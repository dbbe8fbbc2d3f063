#include "core/data/TDMDefAux.h"

#include "core/data/FieldRules.h"
#include "core/data/ModuleComponents.h"
#include "core/data/SqlText.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/CheckDigits.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/SysUtils.h"
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
#include <tuple>

TDMDefAux* DMDefAux = nullptr;

namespace {

constexpr int CodigoErroConsulta = 300;
const QString PrefixoDado = QStringLiteral("Dado Complementar ");

QString Mensagem(int codigo) {
    return TDMDefAux::BuscaMensagemErro(codigo);
}

// Integer value of a text, or nullopt when it is none (64-bit).
std::optional<qint64> Inteiro(const QString& texto) {
    constexpr qint64 nenhum = std::numeric_limits<qint64>::min();
    const qint64 valor = StrToInt64Def(texto, nenhum);
    if (valor == nenhum)
        return std::nullopt;
    return valor;
}

// The "Dado Complementar <n> - " prefix of the date and process messages:
// the number up to 4, none from 5 to 9; nothing at all from 10 on.
QString MensagemNumerada(const QString& numero, int codigo) {
    const qint64 n = Inteiro(numero).value_or(0);
    if (n >= 10)
        return Mensagem(codigo);
    if (n <= 4)
        return PrefixoDado + numero + QStringLiteral(" - ") + Mensagem(codigo);
    return PrefixoDado + QStringLiteral(" - ") + Mensagem(codigo);
}

QString TextoCampo(TDataSet* dataSet, const QString& nome) {
    TField* field = dataSet->FindField(nome);
    return field ? field->AsString() : QString();
}

// Occurrence tables with their alias and value column, as the existence
// counts and sums name them.
struct TabelaOcorrencia {
    const char* tabela;
    const char* apelido;
};
constexpr TabelaOcorrencia TabelasOcorrencia[] = {
    {"OUTRO_CREDITO_DECLARADO", "OC"},  {"OUTRO_DEBITO_DECLARADO", "OD"}, {"ESTORNO_CREDITO_DECLARADO", "EC"},
    {"ESTORNO_DEBITO_DECLARADO", "ED"}, {"DEDUCAO_DECLARADA", "DE"},      {"PRAZO_ESPECIAL_DECLARADO", "PE"}};

QString ExisteOcorrencia(const TabelaOcorrencia& t, char apuracao) {
    const QString a = QString::fromLatin1(t.apelido);
    return QStringLiteral("exists (select 1 from %1 %2, FUNDAMENTACAO_LEGAL_DEF FL where %2.SQ_DECLARACAO = "
                          "def.SQ_DECLARACAO and %2.SQ_OCORRENCIA_DEF = FL.SQ_OCORRENCIA_DEF and "
                          "FL.TP_APURACAO = '%3')")
        .arg(QString::fromLatin1(t.tabela), a, QChar::fromLatin1(apuracao));
}

QString ExisteLinha(const QString& tabela, const QString& condicao = {}) {
    return QStringLiteral("exists (select 1 from %1 X where X.SQ_DECLARACAO = def.SQ_DECLARACAO%2)")
        .arg(tabela, condicao.isEmpty() ? QString() : QStringLiteral(" and ") + condicao);
}

// The seven amounts of an entry or exit row.
constexpr const char* ColunasOperacao[7] = {
    "VL_CONTABIL",         "VL_BASE_CALCULO",    "VL_IMPOSTO",          "VL_OPERACOES_ISENTAS",
    "VL_OUTRAS_OPERACOES", "VL_BASE_CALCULO_ST", "VL_IMPOSTO_RETIDO_ST"};

const QString EntradasInterestaduais =
    QStringLiteral("((CO_FISCAL_OPERACAO > 199 AND CO_FISCAL_OPERACAO < 300) or \n"
                   " (CO_FISCAL_OPERACAO > 1999 AND CO_FISCAL_OPERACAO < 3000))");
const QString SaidasInterestaduais =
    QStringLiteral("((CO_FISCAL_OPERACAO > 599 AND CO_FISCAL_OPERACAO < 700) or \n"
                   " (CO_FISCAL_OPERACAO > 5999 AND CO_FISCAL_OPERACAO < 7000))");
const QString SaidasExterior =
    QStringLiteral("((CO_FISCAL_OPERACAO in (586,587,686,687,5501,5502,6501,6502)) or\n"
                   "(CO_FISCAL_OPERACAO > 699 and\n"
                   "CO_FISCAL_OPERACAO < 800) or \n"
                   "(CO_FISCAL_OPERACAO > 6999 and \n"
                   "CO_FISCAL_OPERACAO < 8000))");
const QString EntradasCreditaveis = QStringLiteral("((CO_FISCAL_OPERACAO < 500) or \n"
                                                   "((CO_FISCAL_OPERACAO > 1000) and \n"
                                                   "(CO_FISCAL_OPERACAO < 5000)))");
const QString SaidasProporcao = QStringLiteral("((CO_FISCAL_OPERACAO > 499 and\n"
                                               " CO_FISCAL_OPERACAO < 800) or \n"
                                               "(CO_FISCAL_OPERACAO > 4999 and\n"
                                               " CO_FISCAL_OPERACAO < 8000))");

// SUM(valor) named `nome`, over the rows that meet `condicao` (all rows when
// it is empty). Rows that do not meet it add nothing, so no matching row
// gives NULL, as a filtered SUM would.
QString SomaSe(const QString& valor, const QString& nome, const QString& condicao = {}) {
    if (condicao.isEmpty())
        return QStringLiteral("SUM(%1) %2").arg(valor, nome);
    return QStringLiteral("SUM(CASE WHEN %1 THEN %2 END) %3").arg(condicao, valor, nome);
}

// The one-row table `apelido` of the sums of `tabela` over the rows of the declaration.
QString SomasDe(const QString& tabela, const QString& apelido, const QString& chave,
                const QStringList& somas) {
    return QStringLiteral("(SELECT %1 FROM %2 WHERE SQ_DECLARACAO = %3) %4")
        .arg(somas.join(QStringLiteral(", ")), tabela, chave, apelido);
}

// The same for an occurrence table (rows as O, legal ground as FL), over the
// rows whose legal ground has the computation letter `apuracao`.
QString SomasOcorrencia(const QString& tabela, const QString& apelido, const QString& chave, char apuracao,
                        const QStringList& somas) {
    return QStringLiteral("(SELECT %1 FROM %2 O JOIN FUNDAMENTACAO_LEGAL_DEF FL ON O.SQ_OCORRENCIA_DEF = "
                          "FL.SQ_OCORRENCIA_DEF WHERE O.SQ_DECLARACAO = %3 AND FL.TP_APURACAO = '%4') %5")
        .arg(somas.join(QStringLiteral(", ")), tabela, chave, QString(QChar::fromLatin1(apuracao)), apelido);
}

// The legal ground's occurrence kind, and number when given (>= 0).
QString OcorrenciaDe(int tipo, int numero = -1) {
    QString condicao = QStringLiteral("FL.TP_OCORRENCIA = %1").arg(tipo);
    if (numero >= 0)
        condicao += QStringLiteral(" AND FL.NU_OCORRENCIA = %1").arg(numero);
    return condicao;
}

// One query over the one-row tables: their single joined row.
QStringList Cruzamento(const QStringList& tabelas) {
    QStringList sql{QStringLiteral("SELECT *")};
    for (qsizetype i = 0; i < tabelas.size(); ++i)
        sql << (i == 0 ? QStringLiteral("FROM ") : QStringLiteral("CROSS JOIN ")) + tabelas[i];
    return sql;
}

// The export proportion a / b (b not 0): the quotient rounded half away from
// zero to five decimals, then its fifth decimal dropped, so four are kept
// (0,123456 -> 0,12346 -> 0,1234; 0,999996 -> 1,00000 -> 1).
Currency Proporcao(Currency a, Currency b) {
    constexpr int CasasArredondadas = 100000; // five decimals
    constexpr int CasaDescartada = CasasArredondadas / Currency::Scale;
    const __int128 numerador = static_cast<__int128>(a.raw()) * CasasArredondadas;
    const __int128 divisor = b.raw();
    __int128 q = numerador / divisor;
    const __int128 resto = numerador % divisor;
    const __int128 dobro = resto < 0 ? -2 * resto : 2 * resto;
    if (dobro >= (divisor < 0 ? -divisor : divisor))
        q += ((numerador < 0) != (divisor < 0)) ? -1 : 1;
    return Currency::fromRaw(static_cast<std::int64_t>(q / CasaDescartada));
}

// a * b rounded half away from zero to 1/10000.
Currency Produto(Currency a, Currency b) {
    const __int128 produto = static_cast<__int128>(a.raw()) * b.raw();
    __int128 q = produto / Currency::Scale;
    const __int128 resto = produto % Currency::Scale;
    if ((resto < 0 ? -resto : resto) * 2 >= Currency::Scale)
        q += produto < 0 ? -1 : 1;
    return Currency::fromRaw(static_cast<std::int64_t>(q));
}

} // namespace

TDMDefAux::TDMDefAux(TComponent* owner) : TComponent(owner) {
    SetName(QStringLiteral("DMDefAux"));
    CriaRegistros();
    TIBDatabase* database = DMDefGeral->ibDBDef;
    ibtDescricoes = CriaTransacao(this, QStringLiteral("ibtDescricoes"), database);
    ibqDescricoes = new TIBQuery(this);
    ibqDescricoes->SetName(QStringLiteral("ibqDescricoes"));
    ibqDescricoes->SetDatabase(database);
    ibqDescricoes->SetTransaction(ibtDescricoes);
    ibqDescricoes->SetSQL({QStringLiteral("SELECT RV_MEANING"), QStringLiteral("FROM CG_REF_CODES"),
                           QStringLiteral("WHERE RV_DOMAIN = 'D TP COMPLEMENTO'"),
                           QStringLiteral("AND   RV_LOW_VALUE = :P_Dado_Complementar")});
    ibqDescricoes->ParamByName(QStringLiteral("P_Dado_Complementar"))->SetDataType(ftString);
    ibtAuxiliar = CriaTransacao(this, QStringLiteral("ibtAuxiliar"), database);
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

void TDMDefAux::CriaRegistros() {
    TIBDatabase* database = DMDefGeral->ibDBDef;
    ibtRepresentante = CriaTransacao(this, QStringLiteral("ibtRepresentante"), database);
    const TCadeiaDados representante =
        CriaCadeia(this, database, ibtRepresentante, QStringLiteral("Representante"),
                   {QStringLiteral("select * from  REPRESENTANTE")});
    ibqRepresentante = representante.query;
    dspRepresentante = representante.provider;
    cdsRepresentante = representante.cds;
    ibtContabilista = CriaTransacao(this, QStringLiteral("ibtContabilista"), database);
    const TCadeiaDados contabilista =
        CriaCadeia(this, database, ibtContabilista, QStringLiteral("Contabilista"),
                   {QStringLiteral("select * from CONTABILISTA")});
    ibqContabilista = contabilista.query;
    dspContabilista = contabilista.provider;
    cdsContabilista = contabilista.cds;

    const TFieldNotifyEvent validaDDD(this, &TDMDefAux::cdsRepresentanteNU_DDD_REPRESENTANTE_LEGALValidate);
    const TFieldNotifyEvent validaTel(this, &TDMDefAux::cdsRepresentanteNU_TEL_REPRESENTANTE_LEGALValidate);
    const TFieldSetTextEvent texto(this, &TDMDefAux::cdsRepresentanteNO_REPRESENTANTE_LEGALSetText);
    const QString mascaraDDD = QStringLiteral("999;0; ");
    const QString mascaraTel = QStringLiteral("0000-0000;0; ");

    CriaCampo<TFloatField>(cdsRepresentante, QStringLiteral("SQ_REPRESENTANTE"), true);
    TStringField* nome = CriaCampoTexto(cdsRepresentante, QStringLiteral("NO_REPRESENTANTE_LEGAL"), 64, false,
                                        QStringLiteral("Nome "));
    TStringField* ddd = CriaCampoTexto(cdsRepresentante, QStringLiteral("NU_DDD_REPRESENTANTE_LEGAL"), 4,
                                       false, QStringLiteral("DDD"));
    TStringField* tel = CriaCampoTexto(cdsRepresentante, QStringLiteral("NU_TEL_REPRESENTANTE_LEGAL"), 8,
                                       false, QStringLiteral("Telefone"));
    CriaCampo<TFloatField>(cdsContabilista, QStringLiteral("SQ_CONTABILISTA"), true);
    TStringField* dddC = CriaCampoTexto(cdsContabilista, QStringLiteral("NU_DDD_CONTABILISTA"), 4, false,
                                        QStringLiteral("DDD"));
    TStringField* telC = CriaCampoTexto(cdsContabilista, QStringLiteral("NU_TEL_CONTABILISTA"), 8, false,
                                        QStringLiteral("Telefone"));
    TStringField* nomeC =
        CriaCampoTexto(cdsContabilista, QStringLiteral("NO_CONTABILISTA"), 64, false, QStringLiteral("Nome"));
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
    if (DDDInvalido(sender->AsString())) {
        MsgErro(QStringLiteral("DDD inválido!"));
        Abort();
    }
}

void TDMDefAux::cdsRepresentanteNU_TEL_REPRESENTANTE_LEGALValidate(TField* sender) {
    if (TelefoneInvalido(sender->AsString())) {
        MsgErro(QStringLiteral("Telefone inválido!"));
        Abort();
    }
}

void TDMDefAux::cdsRepresentanteNO_REPRESENTANTE_LEGALSetText(TField* sender, const QString& text) {
    TextoOuNulo(sender, text);
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
    if (!DMDefGeral->ibDBDef->Connected()) {
        MsgErro(Format(QStringLiteral("Não há conexão com o banco de dados.\r\r%s"),
                       {DMDefGeral->ibDBDef->DatabaseName()}));
        return {};
    }
    const QString sql = QStringLiteral("SELECT TX_MENSAGEM FROM TIPO_ERRO_DECLARACAO\nWHERE CO_ERRO = ") +
                        QString::number(codigo);
    if (!DMDefGeral->AbreConsulta(sql))
        return QStringLiteral("Erro na consulta de tabela de Erros do sistema!");
    if (DMDefGeral->cdsAuxiliar->IsEmpty())
        return {};
    return DMDefGeral->cdsAuxiliar->FieldByName(QStringLiteral("TX_MENSAGEM"))->AsString();
}

bool TDMDefAux::ValidaDadoComplementar(TDataSet* dataSet, const QString& campoTipo, const QString& campoValor,
                                       const QString& numero) {
    return ValidaComplementoPorFundamento(dataSet, DMDefBasica->cdsConFundamento, campoTipo, campoValor,
                                          numero);
}

bool TDMDefAux::ValidaComplementoPorFundamento(TDataSet* dataSet, TDataSet* fundamento,
                                               const QString& campoTipo, const QString& campoValor,
                                               const QString& numero) {
    const QString rotulo = Inteiro(numero).value_or(0) <= 3 ? numero : QString();
    const QString prefixo = PrefixoDado + rotulo + QStringLiteral(" - ");
    const QString tipo = TextoCampo(fundamento, campoTipo);
    const QString valor = TextoCampo(dataSet, campoValor).trimmed();
    auto falha = [&](int codigo) {
        MsgErro(prefixo + Mensagem(codigo));
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
            Inteiro(valor).value_or(0) > 0 && (ValidaDVSufixo2(valor) || ValidaDVSufixo4(valor));
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
        MsgErro(PrefixoDado + rotulo + QStringLiteral(" inválido!"));
        return false;
    default:
        return true;
    }
}

bool TDMDefAux::ValidaDataComplemento(const QString& numero, const QString& valor) {
    QDate data;
    if (valor.size() != 10 || !TryStrToDate(valor, data) || data.year() < 1950) {
        MsgErro(MensagemNumerada(numero, 252));
        return false;
    }
    if (data > QDate::currentDate()) {
        MsgErro(Mensagem(261));
        return false;
    }
    return true;
}

bool TDMDefAux::ValidaMesAnoComplemento(const QString& numero, const QString& valor) {
    const QString prefixo = PrefixoDado + numero + QStringLiteral(" - ");
    const std::optional<qint64> mes = Inteiro(valor.mid(0, 2));
    const std::optional<qint64> ano = Inteiro(valor.mid(3, 4));
    const bool formatoValido = valor.size() == 7 && !valor.contains(QLatin1Char(' ')) && mes && ano &&
                               valor.at(2) == QLatin1Char('/') && *mes >= 1 && *mes <= 12;
    if (!formatoValido) {
        MsgErro(prefixo + Mensagem(254));
        return false;
    }
    if (*ano < 2000 || *ano > QDate::currentDate().year()) {
        MsgErro(prefixo + Mensagem(263));
        return false;
    }
    return true;
}

bool TDMDefAux::ValidaProcessoComplemento(const QString& numero, const QString& valor) {
    const QString mensagem =
        Inteiro(numero).value_or(0) >= 10 ? Mensagem(262) : MensagemNumerada(numero, 256);
    auto falha = [&] {
        MsgErro(mensagem);
        return false;
    };
    if (valor.isEmpty() || valor.contains(QLatin1Char(' ')))
        return falha();
    const std::optional<qint64> orgao = Inteiro(valor.mid(1, 2));
    const std::optional<qint64> processo = Inteiro(valor.mid(4, 6));
    const std::optional<qint64> ano = Inteiro(valor.mid(11, 4));
    if (!orgao || !processo || !ano) {
        MsgErro(mensagem);
        Abort();
    }
    if (valor.size() != 15 || valor.at(0).toUpper() != QLatin1Char('E') || valor.at(3) != QLatin1Char('-') ||
        valor.at(10) != QLatin1Char('/') || *orgao == 0 || *processo == 0)
        return falha();
    if (*ano < 1988 || *ano > QDate::currentDate().year()) {
        MsgErro(Mensagem(264));
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

bool TDMDefAux::DataNoPeriodoReferencia(const QString& sqDeclaracao, const QString& data) {
    Consulta({QStringLiteral("SELECT ME_REFERENCIA, AN_REFERENCIA"),
              QStringLiteral("FROM DECLARACAO_ECONOMICO_FISCAL"),
              QStringLiteral("WHERE SQ_DECLARACAO = ") + Chave(sqDeclaracao)});
    TClientDataSet* resultado = DMDefGeral->cdsAuxiliar;
    const std::optional<qint64> mes = Inteiro(data.mid(3, 2));
    const std::optional<qint64> ano = Inteiro(data.mid(6, 4));
    if (!mes || !ano || resultado->IsEmpty())
        return false;
    return *mes == resultado->FieldByName(QStringLiteral("ME_REFERENCIA"))->AsInteger() &&
           *ano == resultado->FieldByName(QStringLiteral("AN_REFERENCIA"))->AsInteger();
}

QString TDMDefAux::FormataMes(const QString& mes) {
    return StrToIntDef(mes, 0) <= 9 ? QStringLiteral("0") + mes : mes;
}

QString TDMDefAux::DescricaoOcorrencia(TDataSet* dataSet, const QString& extra) {
    const QString descricao = TextoCampo(dataSet, QStringLiteral("DS_OCORRENCIA"));
    if (descricao.isEmpty())
        return {};
    QString texto = descricao + QStringLiteral(", ");
    for (int k = 1; k <= 5; ++k) {
        const QString tipo = TextoCampo(dataSet, QStringLiteral("TP_DADO_COMPLEMENTAR_%1").arg(k));
        if (tipo.isEmpty())
            continue;
        ibqDescricoes->ParamByName(QStringLiteral("P_Dado_Complementar"))->SetAsString(tipo);
        ibqDescricoes->Open();
        texto += ibqDescricoes->FieldByName(QStringLiteral("RV_MEANING"))->AsString() + QLatin1Char(' ') +
                 TextoCampo(dataSet, QStringLiteral("VL_COMPLEMENTO_%1").arg(k)) + QStringLiteral(", ");
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

void TDMDefAux::FalhaConsulta() {
    MsgErro(Mensagem(CodigoErroConsulta));
    Abort();
}

QString TDMDefAux::Chave(const QString& sqDeclaracao) {
    try {
        return ChaveSQL(sqDeclaracao);
    } catch (const EConvertError&) {
        FalhaConsulta();
    }
}

void TDMDefAux::Consulta(const QStringList& sql) {
    if (!DMDefGeral->AbreConsulta(sql.join(QLatin1Char('\n'))))
        FalhaConsulta();
}

Currency TDMDefAux::Soma(const QString& coluna) {
    return DMDefGeral->cdsAuxiliar->FieldByName(coluna)->AsCurrency().truncatedToCents();
}

void TDMDefAux::SomaColunas(const QStringList& sql,
                            std::initializer_list<std::pair<const char*, Currency*>> alvos) {
    Consulta(sql);
    for (const auto& [coluna, alvo] : alvos)
        *alvo = Soma(QString::fromLatin1(coluna));
}

void TDMDefAux::CalculaOperacoesProprias(const QString& sqDeclaracao) {
    static_cast<TTotaisOperacoesProprias&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    // All rows and the interstate ones of a table, named <prefixo><column> and <prefixo>I<column>.
    auto operacoes = [&](const QString& tabela, const QString& prefixo, const QString& interestaduais) {
        QStringList somas;
        for (const char* coluna : ColunasOperacao) {
            const QString nome = QString::fromLatin1(coluna);
            somas << SomaSe(nome, prefixo + nome)
                  << SomaSe(nome, prefixo + QStringLiteral("I") + nome, interestaduais);
        }
        return SomasDe(tabela, prefixo, chave, somas);
    };
    auto lidas = [](const char* prefixo, Currency* const(&alvos)[7]) {
        for (int i = 0; i < 7; ++i)
            *alvos[i] = Soma(QString::fromLatin1(prefixo) + QString::fromLatin1(ColunasOperacao[i]));
    };
    Consulta(Cruzamento(
        {operacoes(QStringLiteral("ENTRADA_DECLARADA"), QStringLiteral("E"), EntradasInterestaduais),
         operacoes(QStringLiteral("SAIDA_DECLARADA"), QStringLiteral("S"), SaidasInterestaduais)}));
    lidas("E", {&VlEntContabil, &VlEntBaseCalculo, &VlEntImposto, &VlEntIsentas, &VlEntOutras,
                &VlEntBaseCalculoST, &VlEntImpostoRetidoST});
    lidas("EI", {&VlEntInterContabil, &VlEntInterBaseCalculo, &VlEntInterImposto, &VlEntInterIsentas,
                 &VlEntInterOutras, &VlEntInterBaseCalculoST, &VlEntInterImpostoRetidoST});
    lidas("S", {&VlSaiContabil, &VlSaiBaseCalculo, &VlSaiImposto, &VlSaiIsentas, &VlSaiOutras,
                &VlSaiBaseCalculoST, &VlSaiImpostoRetidoST});
    lidas("SI", {&VlSaiInterContabil, &VlSaiInterBaseCalculo, &VlSaiInterImposto, &VlSaiInterIsentas,
                 &VlSaiInterOutras, &VlSaiInterBaseCalculoST, &VlSaiInterImpostoRetidoST});
    VlEntInterIsentasOutras = VlEntInterIsentas + VlEntInterOutras;
    VlSaiInterIsentasOutras = VlSaiInterIsentas + VlSaiInterOutras;

    SomaColunas(
        Cruzamento(
            {SomasDe(QStringLiteral("ENTRADA_IE_DECLARADA"), QStringLiteral("EIE"), chave,
                     {SomaSe(QStringLiteral("VL_CONTABIL"), QStringLiteral("EIE_CONTABIL")),
                      SomaSe(QStringLiteral("VL_BASE_CALCULO"), QStringLiteral("EIE_BASE_CALCULO")),
                      SomaSe(QStringLiteral("VL_PETROLEO_ENERGIA"), QStringLiteral("EIE_PETROLEO_ENERGIA")),
                      SomaSe(QStringLiteral("VL_OUTROS_PRODUTOS"), QStringLiteral("EIE_OUTROS_PRODUTOS")),
                      SomaSe(QStringLiteral("VL_OUTRAS_OPERACOES"), QStringLiteral("EIE_OUTRAS"))}),
             SomasDe(
                 QStringLiteral("SAIDA_IE_DECLARADA"), QStringLiteral("SIE"), chave,
                 {SomaSe(QStringLiteral("VL_CONTABIL_NAO_CNTB"), QStringLiteral("SIE_CONTABIL_NAO_CNTB")),
                  SomaSe(QStringLiteral("VL_CONTABIL_CNTB"), QStringLiteral("SIE_CONTABIL_CNTB")),
                  SomaSe(QStringLiteral("VL_BASE_CALCULO_NAO_CNTB"),
                         QStringLiteral("SIE_BASE_CALCULO_NAO_CNTB")),
                  SomaSe(QStringLiteral("VL_BASE_CALCULO_CNTB"), QStringLiteral("SIE_BASE_CALCULO_CNTB")),
                  SomaSe(QStringLiteral("VL_OUTRAS_OPERACOES"), QStringLiteral("SIE_OUTRAS")),
                  SomaSe(QStringLiteral("VL_IMPOSTO_COBRADO_ST"), QStringLiteral("SIE_IMPOSTO_COBRADO_ST"))}),
             SomasDe(QStringLiteral("SAIDA_ALC_DECLARADA"), QStringLiteral("ALC"), chave,
                     {SomaSe(QStringLiteral("VL_NOTA_FISCAL"), QStringLiteral("ALC_NOTA_FISCAL")),
                      SomaSe(QStringLiteral("VL_ISENTAS"), QStringLiteral("ALC_ISENTAS"))})}),
        {{"EIE_CONTABIL", &VlEntIEContabil},
         {"EIE_BASE_CALCULO", &VlEntIEBaseCalculo},
         {"EIE_PETROLEO_ENERGIA", &VlEntIEPetroleoEnergia},
         {"EIE_OUTROS_PRODUTOS", &VlEntIEOutrosProdutos},
         {"EIE_OUTRAS", &VlEntIEOutras},
         {"SIE_CONTABIL_NAO_CNTB", &VlSaiIEContabilNaoCntb},
         {"SIE_CONTABIL_CNTB", &VlSaiIEContabilCntb},
         {"SIE_BASE_CALCULO_NAO_CNTB", &VlSaiIEBaseCalculoNaoCntb},
         {"SIE_BASE_CALCULO_CNTB", &VlSaiIEBaseCalculoCntb},
         {"SIE_OUTRAS", &VlSaiIEOutras},
         {"SIE_IMPOSTO_COBRADO_ST", &VlSaiIEImpostoCobradoST},
         {"ALC_NOTA_FISCAL", &VlALCNotaFiscal},
         {"ALC_ISENTAS", &VlALCIsentas}});

    SomaColunas(
        Cruzamento(
            {SomasOcorrencia(
                 QStringLiteral("PRAZO_ESPECIAL_DECLARADO"), QStringLiteral("PE"), chave, 'N',
                 {SomaSe(QStringLiteral("O.VL_PRAZO_ESPECIAL"), QStringLiteral("PRAZO_ESPECIAL"))}),
             SomasOcorrencia(QStringLiteral("OUTRO_CREDITO_DECLARADO"), QStringLiteral("OC"), chave, 'N',
                             {SomaSe(QStringLiteral("O.VL_OUTRO_CREDITO"), QStringLiteral("OUTRO_CREDITO"))}),
             SomasOcorrencia(
                 QStringLiteral("ESTORNO_DEBITO_DECLARADO"), QStringLiteral("ED"), chave, 'N',
                 {SomaSe(QStringLiteral("O.VL_ESTORNO_DEBITO"), QStringLiteral("ESTORNO_DEBITO"))}),
             SomasOcorrencia(QStringLiteral("OUTRO_DEBITO_DECLARADO"), QStringLiteral("OD"), chave, 'N',
                             {SomaSe(QStringLiteral("O.VL_OUTRO_DEBITO"), QStringLiteral("OUTRO_DEBITO"))}),
             SomasOcorrencia(
                 QStringLiteral("ESTORNO_CREDITO_DECLARADO"), QStringLiteral("EC"), chave, 'N',
                 {SomaSe(QStringLiteral("O.VL_ESTORNO_CREDITO"), QStringLiteral("ESTORNO_CREDITO"))}),
             SomasOcorrencia(
                 QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DE"), chave, 'N',
                 {SomaSe(QStringLiteral("O.VL_DEDUCAO"), QStringLiteral("DEDUCAO")),
                  SomaSe(QStringLiteral("O.VL_DEDUCAO"), QStringLiteral("N140010"), OcorrenciaDe(14, 10))})}),
        {{"PRAZO_ESPECIAL", &VlPrazoEspecial},
         {"OUTRO_CREDITO", &VlOutroCredito},
         {"ESTORNO_DEBITO", &VlEstornoDebito},
         {"OUTRO_DEBITO", &VlOutroDebito},
         {"ESTORNO_CREDITO", &VlEstornoCredito},
         {"DEDUCAO", &VlDeducao},
         {"N140010", &VlN140010}});
}

void TDMDefAux::CalculaSaldoCredorExportacao(const QString& sqDeclaracao, Currency vlAnterior,
                                             Currency vlCreditoEnergia, Currency vlProvisao) {
    static_cast<TTotaisSaldoCredorExportacao&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    QtdSaldoCredor = ContaMovSaldoCredor(sqDeclaracao);
    const Currency energia = vlCreditoEnergia.truncatedToCents();
    VlSCEDeclarado = vlAnterior.truncatedToCents() + energia + vlProvisao.truncatedToCents();

    SomaColunas(
        Cruzamento({SomasDe(QStringLiteral("SALDO_CREDOR_COMPENSADO"), QStringLiteral("SCC"), chave,
                            {SomaSe(QStringLiteral("VL_COMPENSADO"), QStringLiteral("COMP_ESTAB"))}),
                    SomasDe(QStringLiteral("SALDO_CREDOR_COMP_PROPRIO"), QStringLiteral("SCP"), chave,
                            {SomaSe(QStringLiteral("VL_COMPENSACAO"), QStringLiteral("COMP_PROPRIO"))}),
                    SomasDe(QStringLiteral("SALDO_CREDOR_TRANSFERIDO"), QStringLiteral("SCT"), chave,
                            {SomaSe(QStringLiteral("VL_SALDO_TRANSFERIDO"), QStringLiteral("TRANSFERIDO"))}),
                    SomasDe(QStringLiteral("SALDO_CREDOR_RECEBIDO"), QStringLiteral("SCR"), chave,
                            {SomaSe(QStringLiteral("VL_SALDO_RECEBIDO"), QStringLiteral("RECEBIDO"))})}),
        {{"COMP_ESTAB", &VlCompEstab},
         {"COMP_PROPRIO", &VlCompProprio},
         {"TRANSFERIDO", &VlTransferencias},
         {"RECEBIDO", &VlSaldoRecebido}});
    SomaColunas(
        Cruzamento(
            {SomasDe(
                 QStringLiteral("SAIDA_DECLARADA"), QStringLiteral("S"), chave,
                 {SomaSe(QStringLiteral("VL_CONTABIL"), QStringLiteral("EXTERIOR"), SaidasExterior),
                  SomaSe(QStringLiteral("VL_CONTABIL"), QStringLiteral("TOT_SAIDAS"), SaidasProporcao),
                  SomaSe(QStringLiteral("VL_IMPOSTO"), QStringLiteral("IMPOSTO_SAIDAS"), SaidasProporcao)}),
             SomasDe(QStringLiteral("ENTRADA_DECLARADA"), QStringLiteral("E"), chave,
                     {SomaSe(QStringLiteral("VL_IMPOSTO"), QStringLiteral("IMPOSTO_ENTRADAS"),
                             EntradasCreditaveis)})}),
        {{"EXTERIOR", &VlSaldoPExterior},
         {"TOT_SAIDAS", &VlTotalSaidas},
         {"IMPOSTO_SAIDAS", &VlSCEImpostoSai},
         {"IMPOSTO_ENTRADAS", &VlSCEImpostoEnt}});
    SomaColunas(
        Cruzamento(
            {SomasOcorrencia(QStringLiteral("OUTRO_DEBITO_DECLARADO"), QStringLiteral("OD"), chave, 'N',
                             {SomaSe(QStringLiteral("O.VL_OUTRO_DEBITO"), QStringLiteral("OUT_DEBITOS")),
                              SomaSe(QStringLiteral("O.VL_OUTRO_DEBITO"), QStringLiteral("N020014"),
                                     OcorrenciaDe(2, 14))}),
             SomasOcorrencia(
                 QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DE"), chave, 'N',
                 {SomaSe(QStringLiteral("O.VL_DEDUCAO"), QStringLiteral("DEDUCOES_N14"), OcorrenciaDe(14))}),
             SomasOcorrencia(QStringLiteral("OUTRO_CREDITO_DECLARADO"), QStringLiteral("OC"), chave, 'N',
                             {SomaSe(QStringLiteral("O.VL_OUTRO_CREDITO"), QStringLiteral("OUT_CREDITOS")),
                              SomaSe(QStringLiteral("O.VL_OUTRO_CREDITO"), QStringLiteral("N070032"),
                                     OcorrenciaDe(7, 32))}),
             SomasOcorrencia(QStringLiteral("ESTORNO_DEBITO_DECLARADO"), QStringLiteral("ED"), chave, 'N',
                             {SomaSe(QStringLiteral("O.VL_ESTORNO_DEBITO"), QStringLiteral("EST_DEBITOS"))}),
             SomasOcorrencia(
                 QStringLiteral("ESTORNO_CREDITO_DECLARADO"), QStringLiteral("EC"), chave, 'N',
                 {SomaSe(QStringLiteral("O.VL_ESTORNO_CREDITO"), QStringLiteral("EST_CREDITOS"))})}),
        {{"OUT_DEBITOS", &VlSCEOutDebitos},
         {"N020014", &VlN020014},
         {"DEDUCOES_N14", &VlDeducoesN14},
         {"OUT_CREDITOS", &VlSCEOutCreditos},
         {"N070032", &VlN070032},
         {"EST_DEBITOS", &VlSCEEstDebitos},
         {"EST_CREDITOS", &VlSCEEstCreditos}});

    if (VlTotalSaidas != Currency())
        VlProporcao = Proporcao(VlSaldoPExterior, VlTotalSaidas);
    const Currency debitos = VlSCEImpostoSai + VlSCEOutDebitos + VlSCEEstCreditos;
    if (VlN020014 < debitos)
        VlDebAjustado = debitos - VlN020014;
    VlCredAjustado = VlSCEImpostoEnt + VlSCEOutCreditos + VlSCEEstDebitos - energia + VlDeducoesN14;
    VlSaldoAjustPeriodo = VlCredAjustado - VlDebAjustado;
    if (VlSaldoAjustPeriodo >= Currency())
        VlSaldoPeriodo = energia + Produto(VlSaldoAjustPeriodo, VlProporcao);
    else
        VlSaldoPeriodo = energia + VlSaldoAjustPeriodo;
    if (VlSaldoPeriodo < Currency())
        VlSaldoPeriodo = Currency();
    VlSaldoProximoPeriodo = vlAnterior + VlSaldoPeriodo - VlCompEstab - VlCompProprio - VlTransferencias;
}

void TDMDefAux::CalculaResumoOperacoes(const QString& sqDeclaracao, Currency vlAnterior,
                                       Currency vlCreditoEnergia, Currency vlProvisao) {
    static_cast<TResumoOperacoes&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    Consulta({QStringLiteral("SELECT d.IN_ALC_ZFM_SEM_MOV, d.IN_OUTROS_ICMS_SEM_MOV,"),
              QStringLiteral("d.IN_SUBST_TRIBUT_SEM_MOV, d.IN_OPER_PROP_SEM_MOV,"),
              QStringLiteral("CASE WHEN exists (select 1 from entrada_ie_declarada e "
                             "where e.sq_declaracao = d.sq_declaracao)"),
              QStringLiteral("or exists (select 1 from saida_ie_declarada s "
                             "where s.sq_declaracao = d.sq_declaracao) THEN 1 ELSE 0 END COM_OP_INTER,"),
              QStringLiteral("CASE WHEN exists (select 1 from saldo_credor_recebido s "
                             "where s.sq_declaracao = d.sq_declaracao) THEN 1 ELSE 0 END COM_SALDO_RECEBIDO"),
              QStringLiteral("FROM DECLARACAO_ECONOMICO_FISCAL d"),
              QStringLiteral("WHERE d.SQ_DECLARACAO = ") + chave});
    TDataSet* linha = DMDefGeral->cdsAuxiliar;
    auto comMovimento = [linha](const char* coluna) {
        return linha->FieldByName(QString::fromLatin1(coluna))->AsString() == QLatin1String("N");
    };
    ComMovOperProp = comMovimento("IN_OPER_PROP_SEM_MOV");
    ComMovSubstTribut = comMovimento("IN_SUBST_TRIBUT_SEM_MOV");
    ComMovOutrosICMS = comMovimento("IN_OUTROS_ICMS_SEM_MOV");
    ComMovALCZFM = comMovimento("IN_ALC_ZFM_SEM_MOV");
    ComOpInter = linha->FieldByName(QStringLiteral("COM_OP_INTER"))->AsInteger() > 0;
    ComSaldoRecebido = linha->FieldByName(QStringLiteral("COM_SALDO_RECEBIDO"))->AsInteger() > 0;

    CalculaSaldoCredorExportacao(sqDeclaracao, vlAnterior, vlCreditoEnergia, vlProvisao);
    ComSaldoAcumulado = VlSaldoPExterior > Currency() || vlAnterior > Currency() || QtdSaldoCredor > 0;
}

void TDMDefAux::CalculaSubstTributaria(const QString& sqDeclaracao) {
    static_cast<TTotaisSubstTributaria&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    auto somasST = [&](const QString& tabela, const QString& prefixo) {
        return SomasDe(
            tabela, prefixo, chave,
            {SomaSe(QStringLiteral("VL_BASE_CALCULO_ST"), prefixo + QStringLiteral("_BASE_CALCULO_ST")),
             SomaSe(QStringLiteral("VL_IMPOSTO_RETIDO_ST"), prefixo + QStringLiteral("_IMPOSTO_RETIDO_ST"))});
    };
    SomaColunas(Cruzamento({somasST(QStringLiteral("ENTRADA_DECLARADA"), QStringLiteral("E")),
                            somasST(QStringLiteral("SAIDA_DECLARADA"), QStringLiteral("S"))}),
                {{"E_BASE_CALCULO_ST", &VlSTEntBaseCalculo},
                 {"E_IMPOSTO_RETIDO_ST", &VlSTEntImpostoRetido},
                 {"S_BASE_CALCULO_ST", &VlSTSaiBaseCalculo},
                 {"S_IMPOSTO_RETIDO_ST", &VlSTSaiImpostoRetido}});
    SomaColunas(
        Cruzamento(
            {SomasOcorrencia(QStringLiteral("OUTRO_CREDITO_DECLARADO"), QStringLiteral("OC"), chave, 'S',
                             {SomaSe(QStringLiteral("O.VL_OUTRO_CREDITO"), QStringLiteral("OUTRO_CREDITO"))}),
             SomasOcorrencia(
                 QStringLiteral("ESTORNO_DEBITO_DECLARADO"), QStringLiteral("ED"), chave, 'S',
                 {SomaSe(QStringLiteral("O.VL_ESTORNO_DEBITO"), QStringLiteral("ESTORNO_DEBITO"))}),
             SomasOcorrencia(QStringLiteral("OUTRO_DEBITO_DECLARADO"), QStringLiteral("OD"), chave, 'S',
                             {SomaSe(QStringLiteral("O.VL_OUTRO_DEBITO"), QStringLiteral("OUTRO_DEBITO"))}),
             SomasOcorrencia(
                 QStringLiteral("ESTORNO_CREDITO_DECLARADO"), QStringLiteral("EC"), chave, 'S',
                 {SomaSe(QStringLiteral("O.VL_ESTORNO_CREDITO"), QStringLiteral("ESTORNO_CREDITO"))}),
             SomasOcorrencia(
                 QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DE"), chave, 'S',
                 {SomaSe(QStringLiteral("O.VL_DEDUCAO"), QStringLiteral("DEDUCAO")),
                  SomaSe(QStringLiteral("O.VL_DEDUCAO"), QStringLiteral("S140001"), OcorrenciaDe(14, 1))}),
             SomasOcorrencia(
                 QStringLiteral("PRAZO_ESPECIAL_DECLARADO"), QStringLiteral("PE"), chave, 'S',
                 {SomaSe(QStringLiteral("O.VL_PRAZO_ESPECIAL"), QStringLiteral("PRAZO_ESPECIAL"))})}),
        {{"OUTRO_CREDITO", &VlSTOutroCredito},
         {"ESTORNO_DEBITO", &VlSTEstornoDebito},
         {"OUTRO_DEBITO", &VlSTOutroDebito},
         {"ESTORNO_CREDITO", &VlSTEstornoCredito},
         {"DEDUCAO", &VlSTDeducao},
         {"S140001", &VlS140001},
         {"PRAZO_ESPECIAL", &VlSTPrazoEspecial}});
}

void TDMDefAux::CalculaOutrosICMS(const QString& sqDeclaracao) {
    static_cast<TTotaisOutrosICMS&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    SomaColunas(
        Cruzamento({SomasOcorrencia(
            QStringLiteral("OUTRO_ICMS_DEVIDO"), QStringLiteral("OI"), chave, 'O',
            {SomaSe(QStringLiteral("O.VL_LANCAMENTO"), QStringLiteral("O350008"), OcorrenciaDe(35, 8)),
             SomaSe(QStringLiteral("O.VL_LANCAMENTO"), QStringLiteral("O350011"), OcorrenciaDe(35, 11))})}),
        {{"O350008", &VlO350008}, {"O350011", &VlO350011}});
}

int TDMDefAux::Contagem(const QStringList& sql) {
    Consulta(sql);
    return DMDefGeral->cdsAuxiliar->Fields()[0]->AsInteger();
}

int TDMDefAux::ContaExistencia(const QString& sqDeclaracao, const QStringList& condicoes) {
    QStringList sql{QStringLiteral("select count(*)"), QStringLiteral("from declaracao_economico_fiscal def"),
                    QStringLiteral("where def.sq_declaracao = ") + Chave(sqDeclaracao) +
                        QStringLiteral(" and ( ")};
    sql << condicoes.join(QStringLiteral("\nor ")) << QStringLiteral(")");
    return Contagem(sql) > 0 ? 1 : 0;
}

int TDMDefAux::ContaMovSaldoCredor(const QString& sqDeclaracao) {
    return ContaExistencia(sqDeclaracao, {ExisteLinha(QStringLiteral("SALDO_CREDOR_COMPENSADO")),
                                          ExisteLinha(QStringLiteral("SALDO_CREDOR_COMP_PROPRIO")),
                                          ExisteLinha(QStringLiteral("SALDO_CREDOR_TRANSFERIDO"))});
}

int TDMDefAux::ContaMovOperProp(const QString& sqDeclaracao) {
    QStringList condicoes{ExisteLinha(QStringLiteral("ENTRADA_DECLARADA")),
                          ExisteLinha(QStringLiteral("SAIDA_DECLARADA"))};
    for (const TabelaOcorrencia& tabela : TabelasOcorrencia)
        condicoes << ExisteOcorrencia(tabela, 'N');
    return ContaExistencia(sqDeclaracao, condicoes);
}

int TDMDefAux::ContaMovOutrosICMS(const QString& sqDeclaracao) {
    return ContaExistencia(sqDeclaracao, {ExisteLinha(QStringLiteral("OUTRO_ICMS_DEVIDO"))});
}

int TDMDefAux::ContaMovSubstTribut(const QString& sqDeclaracao) {
    const QString comST = QStringLiteral("(X.VL_BASE_CALCULO_ST <> 0 or X.VL_IMPOSTO_RETIDO_ST <> 0)");
    QStringList condicoes{ExisteLinha(QStringLiteral("ENTRADA_DECLARADA"), comST),
                          ExisteLinha(QStringLiteral("SAIDA_DECLARADA"), comST)};
    for (const TabelaOcorrencia& tabela : TabelasOcorrencia)
        condicoes << ExisteOcorrencia(tabela, 'S');
    return ContaExistencia(sqDeclaracao, condicoes);
}

int TDMDefAux::ContaMovALCZFM(const QString& sqDeclaracao) {
    return ContaExistencia(sqDeclaracao, {ExisteLinha(QStringLiteral("SAIDA_ALC_DECLARADA"))});
}
