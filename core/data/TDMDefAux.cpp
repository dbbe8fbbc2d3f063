#include "core/data/TDMDefAux.h"

#include "core/data/ModuloDados.h"
#include "core/data/RegrasCampos.h"
#include "core/data/SqlTexto.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/CheckDigits.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "platform/db/SysUtils.h"
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

// The seven sums of an entry or exit query.
const QStringList SeteSomas{QStringLiteral("SELECT SUM(VL_CONTABIL) VL_CONTABIL,"),
                            QStringLiteral("SUM(VL_BASE_CALCULO) VL_BASE_CALCULO,"),
                            QStringLiteral("SUM(VL_IMPOSTO) VL_IMPOSTO,"),
                            QStringLiteral("SUM(VL_OPERACOES_ISENTAS) VL_OPERACOES_ISENTAS,"),
                            QStringLiteral("SUM(VL_OUTRAS_OPERACOES) VL_OUTRAS_OPERACOES,"),
                            QStringLiteral("SUM(VL_BASE_CALCULO_ST) VL_BASE_CALCULO_ST,"),
                            QStringLiteral("SUM(VL_IMPOSTO_RETIDO_ST) VL_IMPOSTO_RETIDO_ST")};

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

// a / b rounded half away from zero to 1/10000 (b not 0).
Currency Quociente(Currency a, Currency b) {
    const __int128 numerador = static_cast<__int128>(a.raw()) * Currency::Scale;
    const __int128 divisor = b.raw();
    __int128 q = numerador / divisor;
    const __int128 resto = numerador % divisor;
    const __int128 dobro = resto < 0 ? -2 * resto : 2 * resto;
    if (dobro >= (divisor < 0 ? -divisor : divisor))
        q += ((numerador < 0) != (divisor < 0)) ? -1 : 1;
    return Currency::fromRaw(static_cast<std::int64_t>(q));
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

Currency TDMDefAux::Soma(const QString& coluna) const {
    return DMDefGeral->cdsAuxiliar->FieldByName(coluna)->AsCurrency().truncatedToCents();
}

void TDMDefAux::SomaColunas(const QStringList& sql,
                            std::initializer_list<std::pair<const char*, Currency*>> alvos) {
    Consulta(sql);
    for (const auto& [coluna, alvo] : alvos)
        *alvo = Soma(QString::fromLatin1(coluna));
}

void TDMDefAux::SomaOcorrencia(const QString& chave, const QString& tabela, const QString& apelido,
                               const QString& valor, const QString& coluna, char apuracao, Currency& alvo,
                               int tipo, int numero) {
    QStringList sql{QStringLiteral("SELECT SUM(%1.%2) %3").arg(apelido, valor, coluna),
                    QStringLiteral("FROM %1 %2, FUNDAMENTACAO_LEGAL_DEF FL").arg(tabela, apelido),
                    QStringLiteral("WHERE %1.SQ_DECLARACAO = %2 AND ").arg(apelido, chave),
                    QStringLiteral("%1.SQ_OCORRENCIA_DEF = FL.SQ_OCORRENCIA_DEF AND").arg(apelido),
                    QStringLiteral("FL.TP_APURACAO = '%1'").arg(QChar::fromLatin1(apuracao))};
    if (tipo >= 0) {
        sql << QStringLiteral(" AND ") << QStringLiteral("FL.TP_OCORRENCIA = %1").arg(tipo);
        if (numero >= 0)
            sql.last() += QStringLiteral(" AND ");
    }
    if (numero >= 0)
        sql << QStringLiteral("FL.NU_OCORRENCIA = %1").arg(numero);
    Consulta(sql);
    alvo = Soma(coluna);
}

void TDMDefAux::CalculaOperacoesProprias(const QString& sqDeclaracao) {
    static_cast<TTotaisOperacoesProprias&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    auto seteSomas = [&](const QString& tabela, const QString& condicao, Currency* alvos[7]) {
        QStringList sql = SeteSomas;
        sql << QStringLiteral("FROM ") + tabela << QStringLiteral("WHERE SQ_DECLARACAO = ") + chave;
        if (!condicao.isEmpty())
            sql << QStringLiteral("AND ") + condicao;
        SomaColunas(sql, {{"VL_CONTABIL", alvos[0]},
                          {"VL_BASE_CALCULO", alvos[1]},
                          {"VL_IMPOSTO", alvos[2]},
                          {"VL_OPERACOES_ISENTAS", alvos[3]},
                          {"VL_OUTRAS_OPERACOES", alvos[4]},
                          {"VL_BASE_CALCULO_ST", alvos[5]},
                          {"VL_IMPOSTO_RETIDO_ST", alvos[6]}});
    };
    const QString entradas = QStringLiteral("ENTRADA_DECLARADA");
    const QString saidas = QStringLiteral("SAIDA_DECLARADA");

    Currency* entInter[7] = {&VlEntInterContabil,       &VlEntInterBaseCalculo, &VlEntInterImposto,
                             &VlEntInterIsentas,        &VlEntInterOutras,      &VlEntInterBaseCalculoST,
                             &VlEntInterImpostoRetidoST};
    seteSomas(entradas, EntradasInterestaduais, entInter);
    VlEntInterIsentasOutras = VlEntInterIsentas + VlEntInterOutras;
    Currency* ent[7] = {&VlEntContabil, &VlEntBaseCalculo,   &VlEntImposto,        &VlEntIsentas,
                        &VlEntOutras,   &VlEntBaseCalculoST, &VlEntImpostoRetidoST};
    seteSomas(entradas, {}, ent);
    SomaColunas({QStringLiteral("SELECT SUM(VL_CONTABIL) VL_CONTABIL, SUM(VL_BASE_CALCULO) VL_BASE_CALCULO,"),
                 QStringLiteral("SUM(VL_PETROLEO_ENERGIA) VL_PETROLEO_ENERGIA,"),
                 QStringLiteral("SUM(VL_OUTROS_PRODUTOS) VL_OUTROS_PRODUTOS,"),
                 QStringLiteral("SUM(VL_OUTRAS_OPERACOES) VL_OUTRAS_OPERACOES"),
                 QStringLiteral("FROM ENTRADA_IE_DECLARADA"),
                 QStringLiteral("WHERE SQ_DECLARACAO = ") + chave},
                {{"VL_CONTABIL", &VlEntIEContabil},
                 {"VL_BASE_CALCULO", &VlEntIEBaseCalculo},
                 {"VL_PETROLEO_ENERGIA", &VlEntIEPetroleoEnergia},
                 {"VL_OUTROS_PRODUTOS", &VlEntIEOutrosProdutos},
                 {"VL_OUTRAS_OPERACOES", &VlEntIEOutras}});
    Currency* saiInter[7] = {&VlSaiInterContabil,       &VlSaiInterBaseCalculo, &VlSaiInterImposto,
                             &VlSaiInterIsentas,        &VlSaiInterOutras,      &VlSaiInterBaseCalculoST,
                             &VlSaiInterImpostoRetidoST};
    seteSomas(saidas, SaidasInterestaduais, saiInter);
    VlSaiInterIsentasOutras = VlSaiInterIsentas + VlSaiInterOutras;
    Currency* sai[7] = {&VlSaiContabil, &VlSaiBaseCalculo,   &VlSaiImposto,        &VlSaiIsentas,
                        &VlSaiOutras,   &VlSaiBaseCalculoST, &VlSaiImpostoRetidoST};
    seteSomas(saidas, {}, sai);
    SomaColunas({QStringLiteral("SELECT SUM(VL_CONTABIL_NAO_CNTB) VL_CONTABIL_NAO_CNTB,"),
                 QStringLiteral("SUM(VL_CONTABIL_CNTB) VL_CONTABIL_CNTB,"),
                 QStringLiteral("SUM(VL_BASE_CALCULO_NAO_CNTB) VL_BASE_CALCULO_NAO_CNTB,"),
                 QStringLiteral("SUM(VL_BASE_CALCULO_CNTB) VL_BASE_CALCULO_CNTB,"),
                 QStringLiteral("SUM(VL_OUTRAS_OPERACOES) VL_OUTRAS_OPERACOES,"),
                 QStringLiteral("SUM(VL_IMPOSTO_COBRADO_ST) VL_IMPOSTO_COBRADO_ST"),
                 QStringLiteral("FROM SAIDA_IE_DECLARADA"), QStringLiteral("WHERE SQ_DECLARACAO = ") + chave},
                {{"VL_CONTABIL_NAO_CNTB", &VlSaiIEContabilNaoCntb},
                 {"VL_CONTABIL_CNTB", &VlSaiIEContabilCntb},
                 {"VL_BASE_CALCULO_NAO_CNTB", &VlSaiIEBaseCalculoNaoCntb},
                 {"VL_BASE_CALCULO_CNTB", &VlSaiIEBaseCalculoCntb},
                 {"VL_OUTRAS_OPERACOES", &VlSaiIEOutras},
                 {"VL_IMPOSTO_COBRADO_ST", &VlSaiIEImpostoCobradoST}});
    SomaColunas({QStringLiteral("SELECT SUM(VL_NOTA_FISCAL) VL_NOTA_FISCAL, SUM(VL_ISENTAS) VL_ISENTAS"),
                 QStringLiteral("FROM SAIDA_ALC_DECLARADA"),
                 QStringLiteral("WHERE SQ_DECLARACAO = ") + chave},
                {{"VL_NOTA_FISCAL", &VlALCNotaFiscal}, {"VL_ISENTAS", &VlALCIsentas}});
    SomaOcorrencia(chave, QStringLiteral("PRAZO_ESPECIAL_DECLARADO"), QStringLiteral("PE"),
                   QStringLiteral("VL_PRAZO_ESPECIAL"), QStringLiteral("PrzEsp"), 'N', VlPrazoEspecial);
    SomaOcorrencia(chave, QStringLiteral("OUTRO_CREDITO_DECLARADO"), QStringLiteral("OC"),
                   QStringLiteral("VL_OUTRO_CREDITO"), QStringLiteral("Outro_Credito"), 'N', VlOutroCredito);
    SomaOcorrencia(chave, QStringLiteral("ESTORNO_DEBITO_DECLARADO"), QStringLiteral("ED"),
                   QStringLiteral("VL_ESTORNO_DEBITO"), QStringLiteral("Estorno_Debito"), 'N',
                   VlEstornoDebito);
    SomaOcorrencia(chave, QStringLiteral("OUTRO_DEBITO_DECLARADO"), QStringLiteral("OD"),
                   QStringLiteral("VL_OUTRO_DEBITO"), QStringLiteral("Outro_Debito"), 'N', VlOutroDebito);
    SomaOcorrencia(chave, QStringLiteral("ESTORNO_CREDITO_DECLARADO"), QStringLiteral("EC"),
                   QStringLiteral("VL_ESTORNO_CREDITO"), QStringLiteral("Estorno_Credito"), 'N',
                   VlEstornoCredito);
    SomaOcorrencia(chave, QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DE"),
                   QStringLiteral("VL_DEDUCAO"), QStringLiteral("DEDUCAO"), 'N', VlDeducao);
    SomaOcorrencia(chave, QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DD"),
                   QStringLiteral("VL_DEDUCAO"), QStringLiteral("VlN140010"), 'N', VlN140010, 14, 10);
}

void TDMDefAux::CalculaSaldoCredorExportacao(const QString& sqDeclaracao, Currency vlAnterior,
                                             Currency vlCreditoEnergia, Currency vlProvisao) {
    static_cast<TTotaisSaldoCredorExportacao&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    QtdSaldoCredor = ContaMovSaldoCredor(sqDeclaracao);
    const Currency energia = vlCreditoEnergia.truncatedToCents();
    VlSCEDeclarado = vlAnterior.truncatedToCents() + energia + vlProvisao.truncatedToCents();

    SomaOcorrencia(chave, QStringLiteral("OUTRO_DEBITO_DECLARADO"), QStringLiteral("OD"),
                   QStringLiteral("VL_OUTRO_DEBITO"), QStringLiteral("Outro_Debito"), 'N', VlN020014, 2, 14);
    SomaOcorrencia(chave, QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DE"),
                   QStringLiteral("VL_DEDUCAO"), QStringLiteral("deducao_declarada"), 'N', VlDeducoesN14, 14);
    const QString onde = QStringLiteral("WHERE SQ_DECLARACAO = ") + chave;
    SomaColunas({QStringLiteral("SELECT SUM(VL_COMPENSADO) SCCompEstab"),
                 QStringLiteral("FROM SALDO_CREDOR_COMPENSADO"), onde},
                {{"SCCompEstab", &VlCompEstab}});
    SomaColunas({QStringLiteral("SELECT SUM(VL_COMPENSACAO) SCCompProp"),
                 QStringLiteral("FROM SALDO_CREDOR_COMP_PROPRIO"), onde},
                {{"SCCompProp", &VlCompProprio}});
    SomaColunas({QStringLiteral("SELECT SUM(VL_SALDO_TRANSFERIDO) SCTransf"),
                 QStringLiteral("FROM SALDO_CREDOR_TRANSFERIDO"), onde},
                {{"SCTransf", &VlTransferencias}});
    SomaOcorrencia(chave, QStringLiteral("OUTRO_CREDITO_DECLARADO"), QStringLiteral("OC"),
                   QStringLiteral("VL_OUTRO_CREDITO"), QStringLiteral("Outro_Credito"), 'N', VlN070032, 7,
                   32);
    SomaColunas({QStringLiteral("SELECT SUM(VL_SALDO_RECEBIDO) SCRecebido"),
                 QStringLiteral("FROM SALDO_CREDOR_RECEBIDO"), onde},
                {{"SCRecebido", &VlSaldoRecebido}});
    SomaColunas({QStringLiteral("SELECT SUM(VL_CONTABIL) SExterior"), QStringLiteral("FROM SAIDA_DECLARADA"),
                 onde, QStringLiteral("AND ") + SaidasExterior},
                {{"SExterior", &VlSaldoPExterior}});
    SomaColunas({QStringLiteral("SELECT SUM(VL_IMPOSTO) Vl_Imposto"),
                 QStringLiteral("FROM ENTRADA_DECLARADA"), onde,
                 QStringLiteral("AND ") + EntradasCreditaveis},
                {{"Vl_Imposto", &VlSCEImpostoEnt}});
    SomaColunas({QStringLiteral("SELECT sum(vl_contabil) Tot_Saidas, sum(vl_imposto) Vl_Imposto"),
                 QStringLiteral("FROM SAIDA_DECLARADA"), onde, QStringLiteral("AND ") + SaidasProporcao},
                {{"Tot_Saidas", &VlTotalSaidas}, {"Vl_Imposto", &VlSCEImpostoSai}});
    SomaOcorrencia(chave, QStringLiteral("OUTRO_CREDITO_DECLARADO"), QStringLiteral("OC"),
                   QStringLiteral("VL_OUTRO_CREDITO"), QStringLiteral("Out_Creditos"), 'N', VlSCEOutCreditos);
    SomaOcorrencia(chave, QStringLiteral("OUTRO_DEBITO_DECLARADO"), QStringLiteral("OD"),
                   QStringLiteral("VL_OUTRO_DEBITO"), QStringLiteral("Out_Debitos"), 'N', VlSCEOutDebitos);
    SomaOcorrencia(chave, QStringLiteral("ESTORNO_DEBITO_DECLARADO"), QStringLiteral("ED"),
                   QStringLiteral("VL_ESTORNO_DEBITO"), QStringLiteral("Est_Debitos"), 'N', VlSCEEstDebitos);
    SomaOcorrencia(chave, QStringLiteral("ESTORNO_CREDITO_DECLARADO"), QStringLiteral("EC"),
                   QStringLiteral("VL_ESTORNO_CREDITO"), QStringLiteral("Est_Creditos"), 'N',
                   VlSCEEstCreditos);

    if (VlTotalSaidas != Currency())
        VlProporcao = Quociente(VlSaldoPExterior, VlTotalSaidas);
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
    Consulta({QStringLiteral("SELECT IN_ALC_ZFM_SEM_MOV, IN_OUTROS_ICMS_SEM_MOV,"),
              QStringLiteral("IN_SUBST_TRIBUT_SEM_MOV, IN_OPER_PROP_SEM_MOV"),
              QStringLiteral("FROM DECLARACAO_ECONOMICO_FISCAL "),
              QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    auto comMovimento = [](const char* coluna) {
        return DMDefGeral->cdsAuxiliar->FieldByName(QString::fromLatin1(coluna))->AsString() ==
               QLatin1String("N");
    };
    ComMovOperProp = comMovimento("IN_OPER_PROP_SEM_MOV");
    ComMovSubstTribut = comMovimento("IN_SUBST_TRIBUT_SEM_MOV");
    ComMovOutrosICMS = comMovimento("IN_OUTROS_ICMS_SEM_MOV");
    ComMovALCZFM = comMovimento("IN_ALC_ZFM_SEM_MOV");

    ComOpInter = Contagem({QStringLiteral("select count(d.sq_declaracao) qtd "),
                           QStringLiteral("from declaracao_economico_fiscal d"),
                           QStringLiteral("where d.sq_declaracao = ") + chave,
                           QStringLiteral("and (exists (select 1 from entrada_ie_declarada e "
                                          "where e.sq_declaracao = d.sq_declaracao)"),
                           QStringLiteral("or exists (select 1 from saida_ie_declarada s "
                                          "where s.sq_declaracao = d.sq_declaracao))")}) > 0;
    ComSaldoRecebido = Contagem({QStringLiteral("select count(s.sq_declaracao) qtd"),
                                 QStringLiteral("  from saldo_credor_recebido s "),
                                 QStringLiteral("where s.sq_declaracao = ") + chave}) > 0;
    const int saldos = Contagem({QStringLiteral("select count(d.sq_declaracao) qtd "),
                                 QStringLiteral("from declaracao_economico_fiscal d"),
                                 QStringLiteral("where d.sq_declaracao = ") + chave,
                                 QStringLiteral("and (exists (select 1 from saldo_credor_compensado s "
                                                "where s.sq_declaracao = d.sq_declaracao)"),
                                 QStringLiteral("or exists (select 1 from saldo_credor_comp_proprio s "
                                                "where s.sq_declaracao = d.sq_declaracao)"),
                                 QStringLiteral("or exists (select 1 from saldo_credor_transferido s "
                                                "where s.sq_declaracao = d.sq_declaracao))")});
    CalculaSaldoCredorExportacao(sqDeclaracao, vlAnterior, vlCreditoEnergia, vlProvisao);
    ComSaldoAcumulado = VlSaldoPExterior > Currency() || vlAnterior > Currency() || saldos > 0;
}

void TDMDefAux::CalculaSubstTributaria(const QString& sqDeclaracao) {
    static_cast<TTotaisSubstTributaria&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    for (const auto& [tabela, base, retido] :
         {std::tuple{"ENTRADA_DECLARADA ", &VlSTEntBaseCalculo, &VlSTEntImpostoRetido},
          std::tuple{"SAIDA_DECLARADA ", &VlSTSaiBaseCalculo, &VlSTSaiImpostoRetido}})
        SomaColunas({QStringLiteral("SELECT SUM(VL_BASE_CALCULO_ST) VL_BASE_CALCULO_ST,"),
                     QStringLiteral("SUM(VL_IMPOSTO_RETIDO_ST) VL_IMPOSTO_RETIDO_ST"),
                     QStringLiteral("FROM ") + QString::fromLatin1(tabela),
                     QStringLiteral("WHERE SQ_DECLARACAO = ") + chave},
                    {{"VL_BASE_CALCULO_ST", base}, {"VL_IMPOSTO_RETIDO_ST", retido}});
    SomaOcorrencia(chave, QStringLiteral("OUTRO_CREDITO_DECLARADO"), QStringLiteral("OC"),
                   QStringLiteral("VL_OUTRO_CREDITO"), QStringLiteral("Outro_Credito"), 'S',
                   VlSTOutroCredito);
    SomaOcorrencia(chave, QStringLiteral("ESTORNO_DEBITO_DECLARADO"), QStringLiteral("ED"),
                   QStringLiteral("VL_ESTORNO_DEBITO"), QStringLiteral("Estorno_Debito"), 'S',
                   VlSTEstornoDebito);
    SomaOcorrencia(chave, QStringLiteral("OUTRO_DEBITO_DECLARADO"), QStringLiteral("OD"),
                   QStringLiteral("VL_OUTRO_DEBITO"), QStringLiteral("Outro_Debito"), 'S', VlSTOutroDebito);
    SomaOcorrencia(chave, QStringLiteral("ESTORNO_CREDITO_DECLARADO"), QStringLiteral("EC"),
                   QStringLiteral("VL_ESTORNO_CREDITO"), QStringLiteral("Estorno_Credito"), 'S',
                   VlSTEstornoCredito);
    SomaOcorrencia(chave, QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DE"),
                   QStringLiteral("VL_DEDUCAO"), QStringLiteral("DEDUCAO"), 'S', VlSTDeducao);
    SomaOcorrencia(chave, QStringLiteral("PRAZO_ESPECIAL_DECLARADO"), QStringLiteral("PE"),
                   QStringLiteral("VL_PRAZO_ESPECIAL"), QStringLiteral("VL_PRAZO_ESPECIAL"), 'S',
                   VlSTPrazoEspecial);
    SomaOcorrencia(chave, QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DD"),
                   QStringLiteral("VL_DEDUCAO"), QStringLiteral("VlS140001"), 'S', VlS140001, 14, 1);
}

void TDMDefAux::CalculaOutrosICMS(const QString& sqDeclaracao) {
    static_cast<TTotaisOutrosICMS&>(*this) = {};
    const QString chave = Chave(sqDeclaracao);
    SomaOcorrencia(chave, QStringLiteral("outro_icms_devido"), QStringLiteral("OI"),
                   QStringLiteral("VL_LANCAMENTO"), QStringLiteral("VlO350008"), 'O', VlO350008, 35, 8);
    SomaOcorrencia(chave, QStringLiteral("outro_icms_devido"), QStringLiteral("OI"),
                   QStringLiteral("VL_LANCAMENTO"), QStringLiteral("VlO350011"), 'O', VlO350011, 35, 11);
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
