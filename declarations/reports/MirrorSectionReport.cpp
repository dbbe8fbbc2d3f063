#include "declarations/reports/MirrorSectionReport.h"

#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "declarations/reports/MirrorLayout.h"
#include "platform/base/SysUtils.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TNumericField.h"
#include "platform/db/TParams.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportChildBand.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportSysData.h"
#include "platform/ui/Make.h"

namespace {

const QString kReportTitle = QStringLiteral("Espelho da Zeb");
const QString kKeyParam = QStringLiteral("sq_declaracao");
const QString kPeriodParam = QStringLiteral("dt_periodo");

// Design units (1/96 inch).
constexpr double kHeaderHeight = 148;
constexpr double kFirstLine = 110;
constexpr double kSecondLine = 128;
constexpr double kCaptionGap = 3;
constexpr double kTitleHeight = 28;
constexpr double kHeaderPoints = 8;
constexpr double kTitlePoints = 11;
constexpr double kDetailGap = 6;

// The integer year * 100 + month of a date column, as its text "YYYY-MM-DD" gives it.
QString MonthKey(const QString& coluna) {
    return QStringLiteral("CAST(SUBSTRING(CAST(%1 AS VARCHAR(10)) FROM 1 FOR 4) || "
                          "SUBSTRING(CAST(%1 AS VARCHAR(10)) FROM 6 FOR 2) AS INTEGER)")
        .arg(coluna);
}

// The conditions that a history row `h` is valid in the period :dt_periodo.
QStringList ValidInPeriodConditions(const QString& h, const QString& recuo) {
    return {recuo + QStringLiteral("AND ") + MonthKey(h + QStringLiteral(".DT_INICIO")) +
                QStringLiteral(" <= :dt_periodo"),
            recuo + QStringLiteral("AND (") + MonthKey(h + QStringLiteral(".DT_FIM")) +
                QStringLiteral(" >= :dt_periodo OR ") + h + QStringLiteral(".DT_FIM IS NULL)")};
}

} // namespace

MirrorSectionReport::MirrorSectionReport(TComponent* owner, const QString& name, const QString& transaction)
    : TrptModBase(owner) {
    SetName(name);
    SetReportTitle(kReportTitle);
    SetPrintIfEmpty(false);
    sys_Pagina->SetData(TSysDataType::sdPageOfPages);
    m_transaction = MakeTransaction(this, transaction, DMDefGeral->ibDBDef);

    BuildDeclarationQuery();
    BuildHeaderBand();

    BuildBands();
}

void MirrorSectionReport::BuildDeclarationQuery() {
    ibqDeclaracao =
        Query(QStringLiteral("ibqDeclaracao"),
              {QStringLiteral("select d.*, c.* from declaracao_economico_fiscal d, contribuinte c"),
               QStringLiteral("where d.sq_declaracao = :sq_declaracao"),
               QStringLiteral("    and d.nu_inscricao = c.nu_inscricao")},
              {"SQ_DECLARACAO:F",
               "NU_INSCRICAO:I",
               "AN_REFERENCIA:H",
               "ME_REFERENCIA:H",
               "IN_RETIFICADORA:S1",
               "NU_RETIFICADORA:I",
               "SQ_DECLARACAO_RETIFICA:F",
               "IN_PERIODICIDADE:S1",
               "IN_BAIXA_CONTRIBUINTE:S1",
               "DT_ENCERRAMENTO_ATIVIDADE:D",
               "IN_OPER_PROP_SEM_MOV:S1",
               "IN_SUBST_TRIBUT_SEM_MOV:S1",
               "IN_OUTROS_ICMS_SEM_MOV:S1",
               "IN_ALC_ZFM_SEM_MOV:S1",
               "VL_SALDO_ANTERIOR:M",
               "VL_SALDO_ANTERIOR_ST:M",
               "VL_IPI_SAIDAS:M",
               "VL_ESTOQUE_FINAL:M",
               "VL_SCE_ANTERIOR:M",
               "VL_SCE_CREDITO_ICMS_ENERGIA:M",
               "VL_SCE_PROVISAO:M",
               "VL_SCE_ESTORNO_PROVISAO:M",
               "TX_OBSERVACAO:S2000",
               "TX_OBSERVACAO_ST:S255",
               "NO_REPRESENTANTE_LEGAL:S64",
               "NU_DDD_REPRESENTANTE_LEGAL:S4",
               "NU_TEL_REPRESENTANTE_LEGAL:S8",
               "NO_CONTABILISTA:S64",
               "NU_DDD_CONTABILISTA:S4",
               "NU_TEL_CONTABILISTA:S8",
               "NO_CORREIO_ELETRONICO:S40",
               "DT_VALIDACAO:D",
               "COMERRO:S1",
               "DT_TRANSMISSAO:D",
               "NU_INSCRICAO1:I",
               "NU_CGC_CPF:F",
               "NO_RAZAO:S64",
               "NO_CORREIO_ELETRONICO1:S40",
               "NU_DDD:S4",
               "NU_TEL:S8",
               "NU_DDD_FAX:S4",
               "NU_FAX:S8",
               "IN_CGC_CPF:S1",
               "NU_RAIZ_CNPJ:I"});
    auto formato = [this](const char* campo, const QString& formato) {
        static_cast<TNumericField*>(ibqDeclaracao->FieldByName(QString::fromLatin1(campo)))
            ->SetDisplayFormat(formato);
    };
    formato("NU_INSCRICAO", QStringLiteral("00.000.000"));
    formato("NU_INSCRICAO1", QStringLiteral("00.000.000"));
    formato("NU_CGC_CPF", QStringLiteral("00.000.000/0000-00"));
    formato("ME_REFERENCIA", QStringLiteral("00"));
    MakeCalculatedField(ibqDeclaracao, QStringLiteral("DescTipo"), 30);
    ibqDeclaracao->OnCalcFields = TDataSetNotifyEvent(this, &MirrorSectionReport::ibqDeclaracaoCalcFields);
    SetDataSet(ibqDeclaracao);
}

void MirrorSectionReport::BuildBands() {
    qrbDeclaracao = Make<TReportBand>(this, QStringLiteral("qrbDeclaracao"), TBandType::rbDetail);
    qrbDeclaracao->SetParent(this);
    qrbDeclaracao->SetForceNewPage(true);
    qrbDeclaracao->SetHeight(kDetailGap);
    qrbResumo = Make<TReportBand>(this, QStringLiteral("qrbResumo"), TBandType::rbSummary);
    qrbResumo->SetParent(this);
    qrbResumo->SetHeight(0);
}

void MirrorSectionReport::BuildHeaderBand() {
    qrb_CabPag->SetHeight(kHeaderHeight);
    const TReportFont rotulo(QStringLiteral("Verdana"), kHeaderPoints, TFontStyle::fsBold);
    auto par = [&](const QString& caption, const QString& field, double left, double top, double width,
                   TReportLabel*& label, TReportDBText*& text) {
        label = MirrorLabel(this, qrb_CabPag, caption, left, top, rotulo.TextWidth(caption) + 1,
                            taLeftJustify, rotulo);
        text = MirrorText(this, qrb_CabPag, ibqDeclaracao, field, left + label->Width() + kCaptionGap, top,
                          width);
        text->SetFont(TReportFont(QStringLiteral("Verdana"), kHeaderPoints));
    };
    par(QStringLiteral("Inscrição Estadual: "), QStringLiteral("NU_INSCRICAO"), 0, kFirstLine, 80,
        qrlInscricao, qrdInscricao);
    par(QStringLiteral("Razão Social:"), QStringLiteral("NO_RAZAO"), 230, kFirstLine, 400, qrlRazao,
        qrdRazao);
    par(QStringLiteral("CNPJ:"), QStringLiteral("NU_CGC_CPF"), 0, kSecondLine, 130, qrlCNPJ, qrdCNPJ);
    par(QStringLiteral("Sequencial:"), QStringLiteral("DescTipo"), 230, kSecondLine, 150, qrlSequencial,
        qrdTipo);
    par(QStringLiteral("Mês:"), QStringLiteral("ME_REFERENCIA"), 480, kSecondLine, 24, qrlMes, qrdMes);
    par(QStringLiteral("Ano:"), QStringLiteral("AN_REFERENCIA"), 560, kSecondLine, 40, qrlAno, qrdAno);
    qrdInscricao->SetName(QStringLiteral("qrdInscricao"));
    qrdTipo->SetName(QStringLiteral("qrdTipo"));
}

TIBQuery* MirrorSectionReport::Query(const QString& name, const QStringList& sql,
                                     const std::vector<const char*>& campos) {
    auto* query = Make<TIBQuery>(this, name);
    query->SetDatabase(DMDefGeral->ibDBDef);
    query->SetTransaction(m_transaction);
    query->SetSQL(sql);
    if (query->Params().FindParam(kKeyParam))
        query->ParamByName(kKeyParam)->SetDataType(ftFloat);
    for (const char* campo : campos)
        MakeFields(query, {campo});
    m_queries.push_back(query);
    return query;
}

TIBQuery* MirrorSectionReport::OccurrenceQuery(const QString& name, const QString& tabela,
                                               const QString& valor, char apuracao) {
    QStringList sql{QStringLiteral("SELECT *"),
                    QStringLiteral("  FROM FUNDAMENTACAO_LEGAL_DEF_HIST  FH,"),
                    QStringLiteral("       FUNDAMENTACAO_LEGAL_DEF       F,"),
                    QStringLiteral("       ") + tabela + QStringLiteral(" O"),
                    QStringLiteral(" WHERE F.SQ_OCORRENCIA_DEF = FH.SQ_OCORRENCIA_DEF"),
                    QStringLiteral("   AND O.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF"),
                    QStringLiteral("   AND FH.DT_INICIO in"),
                    QStringLiteral("       ( SELECT MAX(FH1.DT_INICIO)"),
                    QStringLiteral("           FROM FUNDAMENTACAO_LEGAL_DEF_HIST  FH1"),
                    QStringLiteral("          WHERE FH1.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF")};
    sql << ValidInPeriodConditions(QStringLiteral("FH1"), QStringLiteral("            "));
    sql.last() += QStringLiteral(" )");
    sql << ValidInPeriodConditions(QStringLiteral("FH"), QStringLiteral("   "));
    if (apuracao)
        sql << QStringLiteral("   AND F.TP_APURACAO  = '%1'").arg(QChar::fromLatin1(apuracao));
    sql << QStringLiteral("   AND SQ_DECLARACAO = :sq_declaracao");
    if (apuracao)
        sql << QStringLiteral("   ORDER BY F.tp_ocorrencia , F.nu_ocorrencia");

    TIBQuery* query = Query(name, sql,
                            {"SQ_OCORRENCIA_DEF:I", "DS_OCORRENCIA:S200", "TP_DADO_COMPLEMENTAR_1:S10",
                             "TP_DADO_COMPLEMENTAR_2:S10", "TP_DADO_COMPLEMENTAR_3:S10",
                             "TP_DADO_COMPLEMENTAR_4:S10", "TP_DADO_COMPLEMENTAR_5:S10",
                             "DS_COMPLEMENTAR:S150", "VL_COMPLEMENTO_1:S120", "VL_COMPLEMENTO_2:S120",
                             "VL_COMPLEMENTO_3:S120", "VL_COMPLEMENTO_4:S120", "VL_COMPLEMENTO_5:S120"});
    MakeMoneyField(query, valor);
    MakeLookupField(query, QStringLiteral("Ocorrencia"), 10, DMDefBasica->cdsFundamentos,
                    QStringLiteral("SQ_OCORRENCIA_DEF"), QStringLiteral("SQ_OCORRENCIA_DEF"),
                    QStringLiteral("Codigo"));
    MakeCalculatedField(query, QStringLiteral("DS_OCORRENCIA_35"), 600);
    query->ParamByName(kPeriodParam)->SetDataType(ftInteger);
    query->BeforeOpen = TDataSetNotifyEvent(this, &MirrorSectionReport::ibqOcorrenciaBeforeOpen);
    query->OnCalcFields = TDataSetNotifyEvent(this, &MirrorSectionReport::ibqOcorrenciaCalcFields);
    return query;
}

void MirrorSectionReport::OccurrenceGroup(const QString& stem, const QString& titulo, TIBQuery* query,
                                          const char* valor, const char* rotuloValor, const char* descricao) {
    MirrorGroup(this, stem, titulo, query,
                {{"Ocorrencia", "Ocorrência", 64},
                 {valor, rotuloValor, 84, true},
                 {"DS_OCORRENCIA_35", descricao, 340},
                 {"DS_COMPLEMENTAR", "Descrição Complementar", 212}});
}

std::vector<const char*> MirrorSectionReport::OperationFields() {
    return {"SQ_DECLARACAO:F",       "CO_FISCAL_OPERACAO:H", "VL_CONTABIL:M",
            "VL_BASE_CALCULO:M",     "VL_IMPOSTO:M",         "VL_OPERACOES_ISENTAS:M",
            "VL_OUTRAS_OPERACOES:M", "VL_BASE_CALCULO_ST:M", "VL_IMPOSTO_RETIDO_ST:M"};
}

std::array<TIBQuery*, 6> MirrorSectionReport::ComputationGroups(char apuracao, const QString& sufixo,
                                                                const char* descricaoDebitos) {
    struct Tabela {
        const char* stem;
        const char* titulo;
        const char* tabela;
        const char* valor;
    };
    static constexpr Tabela kTabelas[6] = {
        {"OutCreditos", "Outros Créditos", "OUTRO_CREDITO_DECLARADO", "VL_OUTRO_CREDITO"},
        {"OutDebitos", "Outros Débitos", "OUTRO_DEBITO_DECLARADO", "VL_OUTRO_DEBITO"},
        {"EstCreditos", "Estornos Créditos", "ESTORNO_CREDITO_DECLARADO", "VL_ESTORNO_CREDITO"},
        {"EstDebitos", "Estornos Débitos", "ESTORNO_DEBITO_DECLARADO", "VL_ESTORNO_DEBITO"},
        {"Deducoes", "Deduções", "DEDUCAO_DECLARADA", "VL_DEDUCAO"},
        {"PrazoEspecial", "Prazos Especiais", "PRAZO_ESPECIAL_DECLARADO", "VL_PRAZO_ESPECIAL"}};
    std::array<TIBQuery*, 6> consultas{};
    for (std::size_t i = 0; i < consultas.size(); ++i) {
        const Tabela& t = kTabelas[i];
        const QString stem = QString::fromLatin1(t.stem) + sufixo;
        consultas[i] = OccurrenceQuery(QStringLiteral("ibq") + stem, QString::fromLatin1(t.tabela),
                                       QString::fromLatin1(t.valor), apuracao);
        OccurrenceGroup(stem, QString::fromUtf8(t.titulo), consultas[i], t.valor, "Valor",
                        i == 1 ? descricaoDebitos : "Descrição");
    }
    return consultas;
}

TReportChildBand* MirrorSectionReport::PageTitleBand(const QString& titulo) {
    auto* band = Make<TReportChildBand>(this, QStringLiteral("qrbTitulo"));
    band->SetParentBand(qrb_CabPag);
    band->SetHeight(kTitleHeight);
    band->Frame().DrawBottom = true;
    TReportLabel* label = MirrorLabel(this, band, titulo, 0, 6, band->Width(), taCenter,
                                      MirrorFont(kTitlePoints, TFontStyle::fsBold));
    label->SetName(QStringLiteral("qrlTitulo"));
    return band;
}

void MirrorSectionReport::DeclarationLine(const QString& caption, const QString& field, double top,
                                          double captionWidth, double width, bool money) {
    MirrorLabel(this, qrbDeclaracao, caption, 0, top, captionWidth, taLeftJustify,
                MirrorFont(8, TFontStyle::fsBold));
    MirrorText(this, qrbDeclaracao, ibqDeclaracao, field, captionWidth + kCaptionGap, top, width,
               money ? taRightJustify : taLeftJustify, !money);
    qrbDeclaracao->SetHeight(std::max(qrbDeclaracao->Height(), top + MirrorFont().TextHeight() + kDetailGap));
}

QString MirrorSectionReport::ProcessText(TDataSet* dataSet) {
    auto texto = [dataSet](const char* campo) {
        return dataSet->FieldByName(QString::fromLatin1(campo))->AsString();
    };
    if (texto("CO_PREF_PROCESSO").isEmpty() && texto("NU_PROCESSO").isEmpty() &&
        texto("NU_ANO_PROCESSO").isEmpty())
        return QString();
    return texto("CO_PREF_PROCESSO") + QLatin1Char('-') + texto("NU_PROCESSO") + QLatin1Char('/') +
           texto("NU_ANO_PROCESSO");
}

void MirrorSectionReport::ibqDeclaracaoCalcFields(TDataSet* dataSet) {
    const QString tipo =
        dataSet->FieldByName(QStringLiteral("IN_RETIFICADORA"))->AsString() == QLatin1String("N")
            ? QStringLiteral("Normal")
            : QStringLiteral("Retificadora [") +
                  dataSet->FieldByName(QStringLiteral("NU_RETIFICADORA"))->AsString() + QLatin1Char(']');
    dataSet->FieldByName(QStringLiteral("DescTipo"))->SetAsString(tipo);
}

int MirrorSectionReport::ReferencePeriodKey() const {
    if (!ibqDeclaracao->Active() || ibqDeclaracao->IsEmpty())
        return 0;
    return StrToInt(
        ibqDeclaracao->FieldByName(QStringLiteral("AN_REFERENCIA"))->AsString() +
        TDMDefAux::FormataMes(ibqDeclaracao->FieldByName(QStringLiteral("ME_REFERENCIA"))->AsString()));
}

void MirrorSectionReport::ibqOcorrenciaBeforeOpen(TDataSet* dataSet) {
    static_cast<TIBQuery*>(dataSet)->ParamByName(kPeriodParam)->SetAsInteger(ReferencePeriodKey());
}

void MirrorSectionReport::ibqOcorrenciaCalcFields(TDataSet* dataSet) {
    dataSet->FieldByName(QStringLiteral("DS_OCORRENCIA_35"))
        ->SetAsString(DMDefAux->DescricaoOcorrencia(dataSet, QString()));
}
