#include "core/data/TDMDefBasica.h"

#include "core/data/ModuleComponents.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/StringRoutines.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TDateField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TIntegerField.h"
#include "platform/db/TSmallintField.h"
#include "platform/db/TStringField.h"

#include <QPointer>

TDMDefBasica* DMDefBasica = nullptr;

namespace {

// The period key of a date column: year and month of its 'YYYY-MM-DD' text.
QString DateKey(const QString& coluna) {
    return QStringLiteral("CAST(SUBSTRING(CAST(%1 AS VARCHAR(10)) FROM 1 FOR 4) || "
                          "SUBSTRING(CAST(%1 AS VARCHAR(10)) FROM 6 FOR 2) AS INTEGER)")
        .arg(coluna);
}

// A history row of alias `a` is valid in the period :Data.
QString ValidInPeriod(const QString& a) {
    return QStringLiteral("%1 <= :Data AND (%2 >= :Data OR %3.DT_FIM IS NULL)")
        .arg(DateKey(a + QStringLiteral(".DT_INICIO")), DateKey(a + QStringLiteral(".DT_FIM")), a);
}

// Of the rows valid in the period, the latest: the sub-select of its start.
QString LatestValidInPeriod(const QString& a, const QString& tabela, const QString& chave) {
    return QStringLiteral("%1.DT_INICIO = (SELECT MAX(X.DT_INICIO) FROM %2 X WHERE X.%3 = %1.%3 AND %4)")
        .arg(a, tabela, chave, ValidInPeriod(QStringLiteral("X")));
}

QStringList PeriodCfopsQuery(char natureza) {
    return {
        QStringLiteral("SELECT C.CO_FISCAL_OPERACAO, C.TP_NATUREZA_CFOP, C.DT_INICIO, C.DT_FIM, C.ST_CFOP,"),
        QStringLiteral("       H.DS_CFOP, H.DT_INICIO, H.DT_FIM"),
        QStringLiteral("FROM CFOP C, CFOP_HIST H"),
        QStringLiteral("WHERE H.CO_FISCAL_OPERACAO = C.CO_FISCAL_OPERACAO"),
        QStringLiteral("AND C.TP_NATUREZA_CFOP = '%1' AND C.ST_CFOP = 'A'").arg(QChar::fromLatin1(natureza)),
        QStringLiteral("AND ") + ValidInPeriod(QStringLiteral("H")),
        QStringLiteral("AND ") + LatestValidInPeriod(QStringLiteral("H"), QStringLiteral("CFOP_HIST"),
                                                     QStringLiteral("CO_FISCAL_OPERACAO")),
        QStringLiteral("ORDER BY C.CO_FISCAL_OPERACAO")};
}

QStringList LegalGroundsQuery(const QString& condicao) {
    return {QStringLiteral("select *  from FUNDAMENTACAO_LEGAL_DEF"), condicao,
            QStringLiteral("st_ocorrencia_def = 'A'"),
            QStringLiteral("order by TP_OCORRENCIA, NU_OCORRENCIA,  TP_APURACAO")};
}

QStringList LegalGroundLookupQuery() {
    return {QStringLiteral("SELECT F.SQ_OCORRENCIA_DEF, F.TP_OCORRENCIA, F.NU_OCORRENCIA, F.DS_OCORRENCIA,"),
            QStringLiteral("       F.TP_APURACAO, FH.DT_INICIO, FH.DT_FIM, FH.DS_LEGISLACAO_OCORRENCIA,"),
            QStringLiteral(
                "       FH.TP_DADO_COMPLEMENTAR_1, FH.TP_DADO_COMPLEMENTAR_2, FH.TP_DADO_COMPLEMENTAR_3,"),
            QStringLiteral("       FH.TP_DADO_COMPLEMENTAR_4, FH.TP_DADO_COMPLEMENTAR_5,"),
            QStringLiteral("       F.ST_OCORRENCIA_DEF, F.DT_ST_OCORRENCIA_DEF"),
            QStringLiteral("FROM FUNDAMENTACAO_LEGAL_DEF F, FUNDAMENTACAO_LEGAL_DEF_HIST FH"),
            QStringLiteral("WHERE FH.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF"),
            QStringLiteral("AND F.ST_OCORRENCIA_DEF = 'A'"),
            QStringLiteral("AND ") + ValidInPeriod(QStringLiteral("FH")),
            QStringLiteral("AND ") + LatestValidInPeriod(QStringLiteral("FH"),
                                                         QStringLiteral("FUNDAMENTACAO_LEGAL_DEF_HIST"),
                                                         QStringLiteral("SQ_OCORRENCIA_DEF")),
            QStringLiteral("ORDER BY F.TP_OCORRENCIA, F.NU_OCORRENCIA,  F.TP_APURACAO")};
}

QStringList PeriodMunicipalitiesQuery() {
    return {QStringLiteral("SELECT M.*, MALC.DT_INICIO, MALC.CO_LOCALIDADE, MALC.DT_FIM"),
            QStringLiteral("FROM municipio M, municipio_alc MALC"),
            QStringLiteral("WHERE MALC.CO_LOCALIDADE = M.CO_LOCALIDADE"),
            QStringLiteral("AND ") + ValidInPeriod(QStringLiteral("MALC")),
            QStringLiteral("AND ") + LatestValidInPeriod(QStringLiteral("MALC"),
                                                         QStringLiteral("MUNICIPIO_ALC"),
                                                         QStringLiteral("CO_LOCALIDADE")),
            QStringLiteral("ORDER BY  M.NO_LOCALIDADE")};
}

QString StatusText(const QString& st) {
    if (st == QLatin1String("A"))
        return QStringLiteral("Ativo");
    if (st == QLatin1String("D"))
        return QStringLiteral("Desativado");
    return {};
}

QString ComputationText(const QString& tp) {
    if (tp == QLatin1String("N"))
        return QStringLiteral("Operações Próprias");
    if (tp == QLatin1String("S"))
        return QStringLiteral("Substituição Tributária Interna");
    if (tp == QLatin1String("E"))
        return QStringLiteral("Saldo Credor de Exportação");
    if (tp == QLatin1String("O"))
        return QStringLiteral("Outros ICMS devidos");
    return {};
}

QString OccurrenceKindText(int tipo) {
    switch (tipo) {
    case 2:
        return QStringLiteral("Outros Débitos");
    case 3:
        return QStringLiteral("Estornos Créditos");
    case 7:
        return QStringLiteral("Outros Créditos");
    case 8:
        return QStringLiteral("Estornos Débitos");
    case 14:
        return QStringLiteral("Deduções");
    case 30:
        return QStringLiteral("Prazos Especiais");
    case 35:
        return QStringLiteral("Outros ICMS devidos");
    case 50:
        return QStringLiteral("Compensações do Próprio");
    case 52:
        return QStringLiteral("Transferências - Remetente");
    case 54:
        return QStringLiteral("Transferências - Destinatário");
    case 56:
        return QStringLiteral("Saldos Recebido");
    case 58:
        return QStringLiteral("Compensações entre estabelecimentos");
    default:
        return QStringLiteral("Desconhecido");
    }
}

// The occurrence code: N070069 ("N", kind 7, number 69), or the number alone
// for export-balance purposes ("E").
QString OccurrenceCode(TDataSet* dataSet) {
    const QString numero =
        CompletaZeros(LeftSide, dataSet->FieldByName(QStringLiteral("NU_OCORRENCIA"))->AsString(), 4);
    const QString apuracao = dataSet->FieldByName(QStringLiteral("TP_APURACAO"))->AsString();
    if (apuracao == QLatin1String("E"))
        return numero;
    return apuracao +
           CompletaZeros(LeftSide, dataSet->FieldByName(QStringLiteral("TP_OCORRENCIA"))->AsString(), 2) +
           numero;
}

void LegalGroundFields(TClientDataSet* set) {
    MakeField<TIntegerField>(set, QStringLiteral("SQ_OCORRENCIA_DEF"), true);
    MakeField<TSmallintField>(set, QStringLiteral("TP_OCORRENCIA"));
    MakeField<TSmallintField>(set, QStringLiteral("NU_OCORRENCIA"));
    MakeTextField(set, QStringLiteral("DS_OCORRENCIA"), 200);
    MakeTextField(set, QStringLiteral("TP_APURACAO"), 1);
}

} // namespace

TDMDefBasica::TDMDefBasica(TComponent* owner) : TComponent(owner) {
    SetName(QStringLiteral("DMDefBasica"));
    cdsUFs = Chain(QStringLiteral("UFs"),
                   {QStringLiteral("select * from UFS"), QStringLiteral("ORDER BY NO_UF COLLATE WIN_PTBR")});
    cdsMunicipios = Chain(QStringLiteral("Municipios"), {QStringLiteral("select M.*, U.CO_UF, U.SG_UF"),
                                                         QStringLiteral("from MUNICIPIO M , ufs U"),
                                                         QStringLiteral("WHERE U.CO_UF = M.CO_UF"),
                                                         QStringLiteral("ORDER BY  U.SG_UF, NO_LOCALIDADE")});
    cdsMunicipiosALC =
        Chain(QStringLiteral("MunicipiosALC"), {QStringLiteral("select * from MUNICIPIO_ALC"),
                                                QStringLiteral("WHERE CO_LOCALIDADE = :CO_LOCALIDADE")});
    LinkHistory(cdsMunicipios, cdsMunicipiosALC, QStringLiteral("CO_LOCALIDADE"));
    BuildCfops();

    cdsFundamentos = Chain(QStringLiteral("Fundamentos"),
                           LegalGroundsQuery(QStringLiteral("where tp_ocorrencia < 50 and")));
    cdsFundHist =
        Chain(QStringLiteral("FundHist"), {QStringLiteral("select * from FUNDAMENTACAO_LEGAL_DEF_HIST"),
                                           QStringLiteral("WHERE SQ_OCORRENCIA_DEF = :SQ_OCORRENCIA_DEF"),
                                           QStringLiteral("order by DT_INICIO")});
    BuildLegalGrounds(cdsFundamentos, cdsFundHist);
    cdsFinalidades = Chain(QStringLiteral("Finalidades"),
                           LegalGroundsQuery(QStringLiteral("where tp_ocorrencia >= 50 and")));
    cdsFinalHist =
        Chain(QStringLiteral("FinalHist"), {QStringLiteral("select * from FUNDAMENTACAO_LEGAL_DEF_HIST"),
                                            QStringLiteral("WHERE SQ_OCORRENCIA_DEF = :SQ_OCORRENCIA_DEF"),
                                            QStringLiteral("order by DT_INICIO")});
    BuildLegalGrounds(cdsFinalidades, cdsFinalHist);

    cdsConFundamento = Chain(QStringLiteral("ConFundamento"), LegalGroundLookupQuery());
    BuildLegalGroundLookup(cdsConFundamento);
    cdsConFundamentoDest = Chain(QStringLiteral("ConFundamentoDest"), LegalGroundLookupQuery());
    BuildLegalGroundLookup(cdsConFundamentoDest);

    cdsMun = Chain(QStringLiteral("Mun"), PeriodMunicipalitiesQuery());
    cdsMun->Params().CreateParam(ftInteger, QStringLiteral("Data"));
    MakeField<TIntegerField>(cdsMun, QStringLiteral("CO_LOCALIDADE"), true);
    MakeField<TSmallintField>(cdsMun, QStringLiteral("CO_UF"));
    MakeTextField(cdsMun, QStringLiteral("NO_LOCALIDADE"), 60);
    MakeField<TIntegerField>(cdsMun, QStringLiteral("NU_CEP_LOCALIDADE"));
    MakeField<TDateField>(cdsMun, QStringLiteral("DT_INICIO"));
    MakeField<TIntegerField>(cdsMun, QStringLiteral("CO_LOCALIDADE1"));
    MakeField<TDateField>(cdsMun, QStringLiteral("DT_FIM"));
    MakeLookupField(cdsMun, QStringLiteral("SG_UF"), 2, cdsUFs, QStringLiteral("CO_UF"),
                    QStringLiteral("CO_UF"), QStringLiteral("SG_UF"));

    ibtRefCodes = MakeTransaction(this, QStringLiteral("ibtRefCodes"), DMDefGeral->ibDBDef);
    ibqRefCodes = new TIBQuery(this);
    ibqRefCodes->SetName(QStringLiteral("ibqRefCodes"));
    ibqRefCodes->SetDatabase(DMDefGeral->ibDBDef);
    ibqRefCodes->SetTransaction(ibtRefCodes);
    ibqRefCodes->SetSQL({QStringLiteral("SELECT * FROM CG_REF_CODES WHERE RV_DOMAIN = 'D TP COMPLEMENTO'"),
                         QStringLiteral("AND RV_LOW_VALUE = :Low_Value")});

    if (!DMDefBasica)
        DMDefBasica = this;
}

TDMDefBasica::~TDMDefBasica() {
    if (DMDefBasica == this)
        DMDefBasica = nullptr;
}

TClientDataSet* TDMDefBasica::Chain(const QString& stem, const QStringList& sql) {
    TIBTransaction* transaction = MakeTransaction(this, QStringLiteral("ibt") + stem, DMDefGeral->ibDBDef);
    return MakeDataChain(this, DMDefGeral->ibDBDef, transaction, stem, sql).cds;
}

void TDMDefBasica::LinkHistory(TClientDataSet* masterSet, TClientDataSet* detailSet, const QString& key) {
    detailSet->Params().CreateParam(ftInteger, key);
    // The module frees its data sets in any order: a master closed as it goes
    // away leaves a detail that went first alone.
    const QPointer<TClientDataSet> detail(detailSet);
    masterSet->AfterScroll = TDataSetNotifyEvent::fromFunction([detail, key](TDataSet* master) {
        if (!detail)
            return;
        detail->Close();
        if (master->IsEmpty())
            return;
        detail->Params().ParamByName(key)->SetValue(master->FieldByName(key)->Value());
        detail->Open();
    });
    masterSet->AfterClose = TDataSetNotifyEvent::fromFunction([detail](TDataSet*) {
        if (detail)
            detail->Close();
    });
}

void TDMDefBasica::BuildCfops() {
    cdsCFOPs = Chain(QStringLiteral("CFOPs"),
                     {QStringLiteral("select * from CFOP"), QStringLiteral("where ST_CFOP = 'A'"),
                      QStringLiteral("order by CO_FISCAL_OPERACAO, TP_NATUREZA_CFOP")});
    MakeField<TSmallintField>(cdsCFOPs, QStringLiteral("CO_FISCAL_OPERACAO"), true);
    MakeTextField(cdsCFOPs, QStringLiteral("TP_NATUREZA_CFOP"), 1);
    MakeField<TDateField>(cdsCFOPs, QStringLiteral("DT_INICIO"));
    MakeField<TDateField>(cdsCFOPs, QStringLiteral("DT_FIM"));
    MakeTextField(cdsCFOPs, QStringLiteral("ST_CFOP"), 1);
    MakeField<TDateField>(cdsCFOPs, QStringLiteral("DT_ST_CFOP"));
    MakeCalculatedField(cdsCFOPs, QStringLiteral("DescSTCFOP"), 10);
    MakeCalculatedField(cdsCFOPs, QStringLiteral("DescTPNatCFOP"), 10);
    cdsCFOPs->OnCalcFields = TDataSetNotifyEvent(this, &TDMDefBasica::cdsCFOPsCalcFields);
    cdsCFOPsHist =
        Chain(QStringLiteral("CFOPsHist"), {QStringLiteral("select * from CFOP_HIST"),
                                            QStringLiteral("where CO_FISCAL_OPERACAO = :CO_FISCAL_OPERACAO"),
                                            QStringLiteral("order by DT_INICIO")});
    LinkHistory(cdsCFOPs, cdsCFOPsHist, QStringLiteral("CO_FISCAL_OPERACAO"));

    cdsCFOPsEntradas = Chain(QStringLiteral("CFOPsEntradas"), PeriodCfopsQuery('E'));
    cdsCFOPsSaidas = Chain(QStringLiteral("CFOPsSaidas"), PeriodCfopsQuery('S'));
    for (TClientDataSet* set : {cdsCFOPsEntradas, cdsCFOPsSaidas}) {
        set->SetIndexFieldNames(QStringLiteral("CO_FISCAL_OPERACAO"));
        set->Params().CreateParam(ftInteger, QStringLiteral("Data"));
    }
}

void TDMDefBasica::BuildLegalGrounds(TClientDataSet* set, TClientDataSet* historico) {
    LegalGroundFields(set);
    MakeTextField(set, QStringLiteral("ST_OCORRENCIA_DEF"), 1);
    MakeField<TDateField>(set, QStringLiteral("DT_ST_OCORRENCIA_DEF"));
    for (const char* nome : {"Fundamento", "DescTpApuracao", "DescTpOcorrencia", "Codigo", "DescSituacao"})
        MakeCalculatedField(set, QString::fromLatin1(nome), 40);
    set->OnCalcFields = TDataSetNotifyEvent(this, &TDMDefBasica::cdsFundamentosCalcFields);

    MakeField<TIntegerField>(historico, QStringLiteral("SQ_OCORRENCIA_DEF"), true);
    MakeField<TDateField>(historico, QStringLiteral("DT_INICIO"));
    MakeField<TDateField>(historico, QStringLiteral("DT_FIM"));
    MakeTextField(historico, QStringLiteral("DS_LEGISLACAO_OCORRENCIA"), 200);
    for (int n = 1; n <= 5; ++n)
        MakeTextField(historico, QStringLiteral("TP_DADO_COMPLEMENTAR_%1").arg(n), 10);
    for (int n = 1; n <= 5; ++n)
        MakeCalculatedField(historico, QStringLiteral("DescTpDadoComp%1").arg(n), 240);
    historico->OnCalcFields = TDataSetNotifyEvent(this, &TDMDefBasica::cdsFundHistCalcFields);
    LinkHistory(set, historico, QStringLiteral("SQ_OCORRENCIA_DEF"));
}

void TDMDefBasica::BuildLegalGroundLookup(TClientDataSet* set) {
    set->SetIndexFieldNames(QStringLiteral("SQ_OCORRENCIA_DEF"));
    set->Params().CreateParam(ftInteger, QStringLiteral("Data"));
    LegalGroundFields(set);
    MakeField<TDateField>(set, QStringLiteral("DT_INICIO"));
    MakeField<TDateField>(set, QStringLiteral("DT_FIM"));
    MakeTextField(set, QStringLiteral("DS_LEGISLACAO_OCORRENCIA"), 200);
    for (int n = 1; n <= 5; ++n)
        MakeTextField(set, QStringLiteral("TP_DADO_COMPLEMENTAR_%1").arg(n), 10);
    MakeTextField(set, QStringLiteral("ST_OCORRENCIA_DEF"), 1);
    MakeField<TDateField>(set, QStringLiteral("DT_ST_OCORRENCIA_DEF"));
    MakeCalculatedField(set, QStringLiteral("Codigo"), 7);
    for (int n = 1; n <= 5; ++n)
        MakeCalculatedField(set, QStringLiteral("DescTpDadoComp%1").arg(n), 240);
    set->OnCalcFields = TDataSetNotifyEvent(this, &TDMDefBasica::cdsConFundamentoCalcFields);
    set->BeforeOpen = TDataSetNotifyEvent::fromFunction([this](TDataSet*) { m_meanings.clear(); });
}

// ---- calculated fields -------------------------------------------------------------

void TDMDefBasica::cdsCFOPsCalcFields(TDataSet* dataSet) {
    dataSet->FieldByName(QStringLiteral("DescSTCFOP"))
        ->SetAsString(StatusText(dataSet->FieldByName(QStringLiteral("ST_CFOP"))->AsString()));
    const QString natureza = dataSet->FieldByName(QStringLiteral("TP_NATUREZA_CFOP"))->AsString();
    QString descricao;
    if (natureza == QLatin1String("E"))
        descricao = QStringLiteral("Entrada");
    else if (natureza == QLatin1String("S"))
        descricao = QStringLiteral("Saída");
    dataSet->FieldByName(QStringLiteral("DescTPNatCFOP"))->SetAsString(descricao);
}

void TDMDefBasica::cdsFundamentosCalcFields(TDataSet* dataSet) {
    dataSet->FieldByName(QStringLiteral("DescSituacao"))
        ->SetAsString(StatusText(dataSet->FieldByName(QStringLiteral("ST_OCORRENCIA_DEF"))->AsString()));
    dataSet->FieldByName(QStringLiteral("DescTpApuracao"))
        ->SetAsString(ComputationText(dataSet->FieldByName(QStringLiteral("TP_APURACAO"))->AsString()));
    dataSet->FieldByName(QStringLiteral("DescTpOcorrencia"))
        ->SetAsString(OccurrenceKindText(dataSet->FieldByName(QStringLiteral("TP_OCORRENCIA"))->AsInteger()));
    dataSet->FieldByName(QStringLiteral("Codigo"))->SetAsString(OccurrenceCode(dataSet));
}

void TDMDefBasica::cdsFundHistCalcFields(TDataSet* dataSet) {
    DescreveTiposDado(dataSet, true);
}

void TDMDefBasica::cdsConFundamentoCalcFields(TDataSet* dataSet) {
    DescreveTiposDado(dataSet, false);
    dataSet->FieldByName(QStringLiteral("Codigo"))->SetAsString(OccurrenceCode(dataSet));
}

void TDMDefBasica::DescreveTiposDado(TDataSet* dataSet, bool descreveVazio) {
    for (int n = 1; n <= 3; ++n) {
        const QString letra =
            dataSet->FieldByName(QStringLiteral("TP_DADO_COMPLEMENTAR_%1").arg(n))->AsString().left(1);
        TField* descricao = dataSet->FieldByName(QStringLiteral("DescTpDadoComp%1").arg(n));
        if (letra.isEmpty() && !descreveVazio)
            descricao->SetAsString(QStringLiteral("Não preencher"));
        else
            descricao->SetAsString(TypeMeaning(letra));
    }
}

QString TDMDefBasica::TypeMeaning(const QString& letra) {
    const auto cached = m_meanings.constFind(letra);
    if (cached != m_meanings.cend())
        return *cached;
    ibqRefCodes->ParamByName(QStringLiteral("Low_Value"))->SetAsString(letra);
    ibqRefCodes->Open();
    const QString significado = ibqRefCodes->IsEmpty()
                                    ? QString()
                                    : ibqRefCodes->FieldByName(QStringLiteral("RV_MEANING"))->AsString();
    ibqRefCodes->Close();
    m_meanings.insert(letra, significado);
    return significado;
}

// ---- filters and periods -----------------------------------------------------------

void TDMDefBasica::FilterUsed(TDataSet* detailSet, TDataSet* lookupSet, const QString& prefix) {
    const QString fieldName = prefix.trimmed().section(QLatin1Char(' '), 0, 0);
    QStringList condicoes;
    detailSet->DisableControls();
    const TBookmark posicao = detailSet->GetBookmark();
    detailSet->First();
    while (!detailSet->Eof()) {
        condicoes << prefix + QString::number(detailSet->FieldByName(fieldName)->AsLargeInt());
        detailSet->Next();
    }
    if (posicao != 0 && detailSet->BookmarkValid(posicao))
        detailSet->GotoBookmark(posicao);
    detailSet->EnableControls();
    if (condicoes.isEmpty()) {
        lookupSet->SetFiltered(false);
        return;
    }
    AplicaFiltro(lookupSet, condicoes.join(QStringLiteral(" AND ")));
}

void TDMDefBasica::FiltraCFOPsUsados(TDataSet* detailSet, TDataSet* lookupSet) {
    FilterUsed(detailSet, lookupSet, QStringLiteral("CO_FISCAL_OPERACAO <> "));
}

void TDMDefBasica::FiltraUFsUsadas(TDataSet* detailSet, TDataSet* lookupSet) {
    FilterUsed(detailSet, lookupSet, QStringLiteral(" CO_UF <> "));
}

void TDMDefBasica::AplicaFiltro(TDataSet* clientSet, const QString& filterText) {
    clientSet->SetFilter(filterText);
    clientSet->SetFiltered(true);
}

int TDMDefBasica::PeriodKey(int ano, int mes) {
    return ano * 100 + mes;
}

void TDMDefBasica::AbrePorPeriodo(TClientDataSet* clientSet) {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    const int periodo = PeriodKey(declaracao->FieldByName(QStringLiteral("AN_REFERENCIA"))->AsInteger(),
                                  declaracao->FieldByName(QStringLiteral("ME_REFERENCIA"))->AsInteger());
    clientSet->Close();
    clientSet->Params().ParamByName(QStringLiteral("Data"))->SetAsInteger(periodo);
    clientSet->Open();
}
