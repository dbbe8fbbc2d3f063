#include "core/data/TDMDef.h"

#include "core/data/FieldRules.h"
#include "core/data/ModuleComponents.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/CheckDigits.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "core/util/StringRoutines.h"
#include "platform/base/SysUtils.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TFloatField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TIntegerField.h"
#include "platform/db/TStringField.h"

#include <QHash>

TDMDef* DMDef = nullptr;
bool DeclaracaoAlterada = false;
Currency ValorMaximo;

namespace {

// Counters of PARAMETROS_DEF behind the row keys.
constexpr int OtherCreditCounter = 4;
constexpr int OtherDebitCounter = 5;
constexpr int CreditReversalCounter = 6;
constexpr int DebitReversalCounter = 7;
constexpr int SpecialTermCounter = 8;
constexpr int DeductionCounter = 9;
constexpr int OtherIcmsCounter = 10;
constexpr int TransferredBalanceCounter = 11;
constexpr int OffsetBalanceCounter = 12;
constexpr int ReceivedBalanceCounter = 13;
constexpr int OwnOffsetBalanceCounter = 14;
constexpr int NoCounter = 0;

const QString RegistrationFormat = QStringLiteral("00.000.000");
const QString CnpjFormat = QStringLiteral("00.000.000/0000-00");
const QString AreaCodeMask = QStringLiteral("999;0; ");
const QString TelephoneMask = QStringLiteral("0000-0000;0; ");
const QString KeyField = QStringLiteral("SQ_DECLARACAO");

QString L(const char* texto) {
    return QString::fromUtf8(texto);
}

// The table each declaration query writes, by the query's name.
const QHash<QString, QString>& TablesByQuery() {
    static const QHash<QString, QString> tabelas{{L("ibqDeclaracao"), L("DECLARACAO_ECONOMICO_FISCAL")},
                                                 {L("ibqEntradas"), L("ENTRADA_DECLARADA")},
                                                 {L("ibqEntradasI"), L("ENTRADA_DECLARADA")},
                                                 {L("ibqSaidas"), L("SAIDA_DECLARADA")},
                                                 {L("ibqSaidasI"), L("SAIDA_DECLARADA")},
                                                 {L("ibqOutCreditos"), L("OUTRO_CREDITO_DECLARADO")},
                                                 {L("ibqOutCreditosI"), L("OUTRO_CREDITO_DECLARADO")},
                                                 {L("ibqOutDebitos"), L("OUTRO_DEBITO_DECLARADO")},
                                                 {L("ibqOutDebitosI"), L("OUTRO_DEBITO_DECLARADO")},
                                                 {L("ibqEstCreditos"), L("ESTORNO_CREDITO_DECLARADO")},
                                                 {L("ibqEstCreditosI"), L("ESTORNO_CREDITO_DECLARADO")},
                                                 {L("ibqEstDebitos"), L("ESTORNO_DEBITO_DECLARADO")},
                                                 {L("ibqEstDebitosI"), L("ESTORNO_DEBITO_DECLARADO")},
                                                 {L("ibqDeducoes"), L("DEDUCAO_DECLARADA")},
                                                 {L("ibqDeducoesI"), L("DEDUCAO_DECLARADA")},
                                                 {L("ibqPrazosEsp"), L("PRAZO_ESPECIAL_DECLARADO")},
                                                 {L("ibqPrazosEspI"), L("PRAZO_ESPECIAL_DECLARADO")},
                                                 {L("ibqSCCompensado"), L("SALDO_CREDOR_COMPENSADO")},
                                                 {L("ibqSCTransferido"), L("SALDO_CREDOR_TRANSFERIDO")},
                                                 {L("ibqSCRecebido"), L("SALDO_CREDOR_RECEBIDO")},
                                                 {L("ibqOutICMS"), L("OUTRO_ICMS_DEVIDO")},
                                                 {L("ibqSCCompProprio"), L("SALDO_CREDOR_COMP_PROPRIO")},
                                                 {L("ibqALC"), L("SAIDA_ALC_DECLARADA")},
                                                 {L("ibqEntradasInt"), L("ENTRADA_IE_DECLARADA")},
                                                 {L("ibqSaidasInt"), L("SAIDA_IE_DECLARADA")}};
    return tabelas;
}

QStringList OccurrenceQuery(const QString& tabela, char apuracao) {
    QStringList sql{L("select O.*, F.TP_APURACAO "),
                    L("from ") + tabela + L(" O,  FUNDAMENTACAO_LEGAL_DEF F"),
                    L("WHERE O.SQ_DECLARACAO = :SQ_DECLARACAO and")};
    if (apuracao == 0) {
        sql << L("               O.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF ");
    } else {
        sql << L("               O.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF  AND")
            << L("               F.TP_APURACAO  = '%1' ").arg(QChar::fromLatin1(apuracao));
    }
    sql << L("order by f.nu_ocorrencia");
    return sql;
}

QStringList Group1Query(const QString& tabela, const QString& apelido) {
    return {L("select * "),
            L("from ") + tabela + L(" ") + apelido + L(","),
            L("       GRUPOS_CFOP                GC,"),
            L("       GRUPAMENTO_CFOP      GT"),
            L("WHERE ") + apelido + L(".SQ_DECLARACAO =  :SQ_DECLARACAO"),
            L("   AND  ") + apelido + L(".CO_FISCAL_OPERACAO = GT.CO_FISCAL_OPERACAO"),
            L("   AND  GT.CO_GRUPO_CFOP = GC.CO_GRUPO_CFOP"),
            L("   AND  GC.CO_GRUPO_CFOP = 1"),
            L("order by ") + apelido + L(".co_fiscal_operacao")};
}

QStringList BalanceProcessQuery(const QString& tabela, const QString& segundaLinha) {
    return {L("select "),
            segundaLinha,
            L("s.CO_PREF_PROCESSO || '-' || s.NU_PROCESSO || '/' || s.NU_ANO_PROCESSO DESC_PROCESSO , "
              "F.TP_APURACAO"),
            L("FROM FUNDAMENTACAO_LEGAL_DEF F, ") + tabela + L(" s"),
            L("WHERE s.SQ_DECLARACAO = :SQ_DECLARACAO and "),
            L("               s.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF ")};
}

// A joined column that is shown but never written.
void MarkReadOnly(TDataSet* dataSet, const char* campo) {
    dataSet->FieldByName(L(campo))->SetProviderFlags({});
}

} // namespace

TDMDef::TDMDef(TComponent* owner) : TComponent(owner) {
    SetName(L("DMDef"));
    TIBDatabase* database = DMDefGeral->ibDBDef;
    ibtContribuintes = MakeTransaction(this, L("ibtContribuintes"), database);
    ibtSelDeclaracao = MakeTransaction(this, L("ibtSelDeclaracao"), database);
    ibtDeclaracao = MakeTransaction(this, L("ibtDeclaracao"), database);
    BuildTaxpayers();
    BuildDeclaration();
    BuildEntriesAndExits();
    BuildInterstate();
    cdsOutCreditos =
        BuildOccurrenceSet(L("OutCreditos"), L("OUTRO_CREDITO_DECLARADO"), L("SQ_OUTRO_CREDITO_DECLARADO"),
                           L("VL_OUTRO_CREDITO"), 'N', &TDMDef::cdsOutCreditosNewRecord);
    cdsOutDebitos =
        BuildOccurrenceSet(L("OutDebitos"), L("OUTRO_DEBITO_DECLARADO"), L("SQ_OUTRO_DEBITO_DECLARADO"),
                           L("VL_OUTRO_DEBITO"), 'N', &TDMDef::cdsOutDebitosNewRecord);
    cdsEstCreditos = BuildOccurrenceSet(L("EstCreditos"), L("ESTORNO_CREDITO_DECLARADO"),
                                        L("SQ_ESTORNO_CREDITO_DECLARADO"), L("VL_ESTORNO_CREDITO"), 'N',
                                        &TDMDef::cdsEstCreditosNewRecord);
    cdsEstDebitos =
        BuildOccurrenceSet(L("EstDebitos"), L("ESTORNO_DEBITO_DECLARADO"), L("SQ_ESTORNO_DEBITO_DECLARADO"),
                           L("VL_ESTORNO_DEBITO"), 'N', &TDMDef::cdsEstDebitosNewRecord);
    cdsDeducoes = BuildOccurrenceSet(L("Deducoes"), L("DEDUCAO_DECLARADA"), L("SQ_DEDUCAO_DECLARADA"),
                                     L("VL_DEDUCAO"), 'N', &TDMDef::cdsDeducoesNewRecord);
    cdsPrazosEsp =
        BuildOccurrenceSet(L("PrazosEsp"), L("PRAZO_ESPECIAL_DECLARADO"), L("SQ_PRAZO_ESPECIAL_DECLARADO"),
                           L("VL_PRAZO_ESPECIAL"), 'N', &TDMDef::cdsPrazosEspNewRecord);
    cdsOutCreditosI =
        BuildOccurrenceSet(L("OutCreditosI"), L("OUTRO_CREDITO_DECLARADO"), L("SQ_OUTRO_CREDITO_DECLARADO"),
                           L("VL_OUTRO_CREDITO"), 'S', &TDMDef::cdsOutCreditosNewRecord);
    cdsOutDebitosI =
        BuildOccurrenceSet(L("OutDebitosI"), L("OUTRO_DEBITO_DECLARADO"), L("SQ_OUTRO_DEBITO_DECLARADO"),
                           L("VL_OUTRO_DEBITO"), 'S', &TDMDef::cdsOutDebitosNewRecord);
    cdsEstCreditosI = BuildOccurrenceSet(L("EstCreditosI"), L("ESTORNO_CREDITO_DECLARADO"),
                                         L("SQ_ESTORNO_CREDITO_DECLARADO"), L("VL_ESTORNO_CREDITO"), 'S',
                                         &TDMDef::cdsEstCreditosNewRecord);
    cdsEstDebitosI =
        BuildOccurrenceSet(L("EstDebitosI"), L("ESTORNO_DEBITO_DECLARADO"), L("SQ_ESTORNO_DEBITO_DECLARADO"),
                           L("VL_ESTORNO_DEBITO"), 'S', &TDMDef::cdsEstDebitosNewRecord);
    cdsDeducoesI = BuildOccurrenceSet(L("DeducoesI"), L("DEDUCAO_DECLARADA"), L("SQ_DEDUCAO_DECLARADA"),
                                      L("VL_DEDUCAO"), 'S', &TDMDef::cdsDeducoesNewRecord);
    cdsPrazosEspI =
        BuildOccurrenceSet(L("PrazosEspI"), L("PRAZO_ESPECIAL_DECLARADO"), L("SQ_PRAZO_ESPECIAL_DECLARADO"),
                           L("VL_PRAZO_ESPECIAL"), 'S', &TDMDef::cdsPrazosEspNewRecord);
    cdsOutICMS = BuildOccurrenceSet(L("OutICMS"), L("OUTRO_ICMS_DEVIDO"), L("SQ_OUTRO_ICMS_DEVIDO"),
                                    L("VL_LANCAMENTO"), 0, &TDMDef::cdsOutICMSNewRecord);
    BuildCreditBalances();
    BuildFreeTradeArea();
    if (!DMDef)
        DMDef = this;
}

TDMDef::~TDMDef() {
    if (DMDef == this)
        DMDef = nullptr;
}

// ---- construction ------------------------------------------------------------------

TClientDataSet* TDMDef::Chain(TIBTransaction* transaction, const QString& stem, const QStringList& sql) {
    return MakeDataChain(this, DMDefGeral->ibDBDef, transaction, stem, sql).cds;
}

TClientDataSet* TDMDef::DetailSet(const QString& stem, const QStringList& sql) {
    const TDataChain cadeia = MakeDataChain(this, DMDefGeral->ibDBDef, ibtDeclaracao, stem, sql);
    cadeia.provider->OnGetTableName = TGetTableNameEvent(this, &TDMDef::dspDeclaracaoGetTableName);
    cadeia.provider->AfterApplyUpdates = TRemoteEvent(this, &TDMDef::dspDeclaracaoAfterApplyUpdates);
    cadeia.cds->Params().CreateParam(ftInteger, KeyField);
    return cadeia.cds;
}

void TDMDef::AttachMoneyRules(TField* field) {
    field->OnSetText = TFieldSetTextEvent(this, &TDMDef::cdsEntradasVL_CONTABILSetText);
    field->OnValidate = TFieldNotifyEvent(this, &TDMDef::cdsDeclaracaoVL_SALDO_ANTERIORValidate);
}

void TDMDef::BuildTaxpayers() {
    cdsContribuintes = Chain(ibtContribuintes, L("Contribuintes"), {L("select * from CONTRIBUINTE")});
    cdsContribuintes->SetIndexFieldNames(L("NU_INSCRICAO"));
    auto* inscricao = MakeField<TIntegerField>(cdsContribuintes, L("NU_INSCRICAO"), true, L("Nº Inscrição"));
    inscricao->SetDisplayFormat(RegistrationFormat);
    inscricao->OnValidate = TFieldNotifyEvent(this, &TDMDef::cdsContribuintesNU_INSCRICAOValidate);
    auto* cnpj = MakeField<TFloatField>(cdsContribuintes, L("NU_CGC_CPF"), true, L("CNPJ"));
    cnpj->SetDisplayFormat(CnpjFormat);
    cnpj->OnValidate = TFieldNotifyEvent(this, &TDMDef::cdsContribuintesNU_CGC_CPFValidate);
    TField* razao = MakeTextField(cdsContribuintes, L("NO_RAZAO"), 64, true, L("Razão Social"));
    TField* correio = MakeTextField(cdsContribuintes, L("NO_CORREIO_ELETRONICO"), 40, false, L("E-Mail"));
    TField* ddd = MakeTextField(cdsContribuintes, L("NU_DDD"), 4);
    TField* tel = MakeTextField(cdsContribuintes, L("NU_TEL"), 8);
    TField* dddFax = MakeTextField(cdsContribuintes, L("NU_DDD_FAX"), 4);
    TField* fax = MakeTextField(cdsContribuintes, L("NU_FAX"), 8);
    TField* tipo = MakeTextField(cdsContribuintes, L("IN_CGC_CPF"), 1, false, L("CGC/CPF"));
    TField* raiz = MakeField<TIntegerField>(cdsContribuintes, L("NU_RAIZ_CNPJ"), false, L("Raiz"));
    for (TField* field : {ddd, dddFax})
        field->SetEditMask(AreaCodeMask);
    for (TField* field : {tel, fax})
        field->SetEditMask(TelephoneMask);
    ddd->OnValidate = TFieldNotifyEvent(this, &TDMDef::cdsContribuintesNU_DDDValidate);
    dddFax->OnValidate = TFieldNotifyEvent(this, &TDMDef::cdsContribuintesNU_DDD_FAXValidate);
    tel->OnValidate = TFieldNotifyEvent(this, &TDMDef::cdsContribuintesNU_TELValidate);
    fax->OnValidate = TFieldNotifyEvent(this, &TDMDef::cdsContribuintesNU_FAXValidate);
    const TFieldSetTextEvent texto(this, &TDMDef::cdsContribuintesNU_CGC_CPFSetText);
    for (TField* field : {static_cast<TField*>(cnpj), razao, correio, ddd, tel, dddFax, fax, tipo, raiz})
        field->OnSetText = texto;
    cdsContribuintes->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsContribuintesNewRecord);
    cdsContribuintes->BeforePost = TDataSetNotifyEvent(this, &TDMDef::cdsContribuintesBeforePost);
}

void TDMDef::BuildDeclaration() {
    cdsSelDeclaracao = Chain(
        ibtSelDeclaracao, L("SelDeclaracao"),
        {L("SELECT C.NU_INSCRICAO, C.NO_RAZAO, D.NU_INSCRICAO, D.ME_REFERENCIA, D.AN_REFERENCIA,  "
           "D.IN_RETIFICADORA, "
           "D.DT_VALIDACAO, D.DT_TRANSMISSAO, D.SQ_DECLARACAO,"),
         L("D.SQ_DECLARACAO_RETIFICA, D.NU_RETIFICADORA, "),
         L("d.IN_BAIXA_CONTRIBUINTE,  d.IN_ALC_ZFM_SEM_MOV, d.IN_OPER_PROP_SEM_MOV, "
           "d.IN_OUTROS_ICMS_SEM_MOV, "
           "d.IN_SUBST_TRIBUT_SEM_MOV,"),
         L("d.IN_PERIODICIDADE, d.VL_ESTOQUE_FINAL, d.VL_IPI_SAIDAS, d.VL_SALDO_ANTERIOR, "
           "d.VL_SALDO_ANTERIOR_ST, "
           "d.NO_REPRESENTANTE_LEGAL,"),
         L("d.NU_DDD_REPRESENTANTE_LEGAL,"), L("d.NU_TEL_REPRESENTANTE_LEGAL,"),
         L("d.NO_CONTABILISTA,  d.NU_DDD_CONTABILISTA,"),
         L("d.NU_TEL_CONTABILISTA,  C.NU_CGC_CPF, D.ComErro,"),
         L("D.VL_SCE_PROVISAO, D.VL_SCE_ESTORNO_PROVISAO, D.VL_SCE_CREDITO_ICMS_ENERGIA, D.VL_SCE_ANTERIOR"),
         L("FROM DECLARACAO_ECONOMICO_FISCAL D, CONTRIBUINTE C"), L("WHERE C.NU_INSCRICAO = D.NU_INSCRICAO"),
         L("ORDER BY D.NU_INSCRICAO, D.AN_REFERENCIA, D.ME_REFERENCIA , D.SQ_DECLARACAO "
           ",D.IN_RETIFICADORA ")});
    MakeFields(cdsSelDeclaracao, {"NU_INSCRICAO:I",
                                  "NO_RAZAO:S64",
                                  "NU_INSCRICAO1:I",
                                  "ME_REFERENCIA:H",
                                  "AN_REFERENCIA:H",
                                  "IN_RETIFICADORA:S1",
                                  "DT_VALIDACAO:D",
                                  "DT_TRANSMISSAO:D",
                                  "SQ_DECLARACAO:I",
                                  "SQ_DECLARACAO_RETIFICA:I",
                                  "NU_RETIFICADORA:I",
                                  "IN_BAIXA_CONTRIBUINTE:S1",
                                  "IN_ALC_ZFM_SEM_MOV:S1",
                                  "IN_OPER_PROP_SEM_MOV:S1",
                                  "IN_OUTROS_ICMS_SEM_MOV:S1",
                                  "IN_SUBST_TRIBUT_SEM_MOV:S1",
                                  "IN_PERIODICIDADE:S1",
                                  "VL_ESTOQUE_FINAL:M",
                                  "VL_IPI_SAIDAS:M",
                                  "VL_SALDO_ANTERIOR:M",
                                  "VL_SALDO_ANTERIOR_ST:M",
                                  "NO_REPRESENTANTE_LEGAL:S64",
                                  "NU_DDD_REPRESENTANTE_LEGAL:S4",
                                  "NU_TEL_REPRESENTANTE_LEGAL:S8",
                                  "NO_CONTABILISTA:S64",
                                  "NU_DDD_CONTABILISTA:S4",
                                  "NU_TEL_CONTABILISTA:S8",
                                  "NU_CGC_CPF:F",
                                  "COMERRO:S1",
                                  "VL_SCE_PROVISAO:M",
                                  "VL_SCE_ESTORNO_PROVISAO:M",
                                  "VL_SCE_CREDITO_ICMS_ENERGIA:M",
                                  "VL_SCE_ANTERIOR:M"});
    cdsSelDeclaracao->FieldByName(L("ME_REFERENCIA"))->SetDisplayLabel(L("Mês"));
    static_cast<TIntegerField*>(cdsSelDeclaracao->FieldByName(L("ME_REFERENCIA")))->SetDisplayFormat(L("00"));
    // Registrations and CNPJ read as the mirror prints them, in the list and
    // in the reports that take them from it.
    for (const char* campo : {"NU_INSCRICAO", "NU_INSCRICAO1"})
        static_cast<TIntegerField*>(cdsSelDeclaracao->FieldByName(L(campo)))
            ->SetDisplayFormat(RegistrationFormat);
    static_cast<TFloatField*>(cdsSelDeclaracao->FieldByName(L("NU_CGC_CPF")))->SetDisplayFormat(CnpjFormat);
    cdsSelDeclaracao->FieldByName(L("AN_REFERENCIA"))->SetDisplayLabel(L("Ano"));
    cdsSelDeclaracao->FieldByName(L("DT_VALIDACAO"))->SetDisplayLabel(L("Validada"));
    cdsSelDeclaracao->FieldByName(L("DT_TRANSMISSAO"))->SetDisplayLabel(L("Gerada"));
    cdsSelDeclaracao->FieldByName(L("COMERRO"))->SetDisplayLabel(L("Com Erro"));
    MakeCalculatedField(cdsSelDeclaracao, L("DescTipo"), 30)->SetDisplayLabel(L("Tipo"));
    cdsSelDeclaracao->OnCalcFields = TDataSetNotifyEvent(this, &TDMDef::cdsSelDeclaracaoCalcFields);

    const TDataChain declaracao = MakeDataChain(this, DMDefGeral->ibDBDef, ibtDeclaracao, L("Declaracao"),
                                                {L("SELECT * FROM DECLARACAO_ECONOMICO_FISCAL")});
    cdsDeclaracao = declaracao.cds;
    declaracao.provider->SetOptions(poCascadeDeletes);
    declaracao.provider->OnGetTableName = TGetTableNameEvent(this, &TDMDef::dspDeclaracaoGetTableName);
    declaracao.provider->AfterApplyUpdates = TRemoteEvent(this, &TDMDef::dspDeclaracaoAfterApplyUpdates);
    cdsDeclaracao->SetIndexFieldNames(KeyField);
    MakeFields(cdsDeclaracao, {"SQ_DECLARACAO:I!",
                               "NU_INSCRICAO:I!",
                               "AN_REFERENCIA:H!",
                               "ME_REFERENCIA:H!",
                               "IN_RETIFICADORA:S1!",
                               "IN_PERIODICIDADE:S1!",
                               "IN_BAIXA_CONTRIBUINTE:S1!",
                               "DT_ENCERRAMENTO_ATIVIDADE:D",
                               "TX_OBSERVACAO:S255",
                               "DT_VALIDACAO:D",
                               "DT_TRANSMISSAO:D",
                               "VL_SALDO_ANTERIOR:M!",
                               "VL_SALDO_ANTERIOR_ST:M!",
                               "VL_IPI_SAIDAS:M!",
                               "VL_ESTOQUE_FINAL:M!",
                               "VL_SCE_PROVISAO:M!",
                               "VL_SCE_ESTORNO_PROVISAO:M!",
                               "VL_SCE_CREDITO_ICMS_ENERGIA:M!",
                               "VL_SCE_ANTERIOR:M!",
                               "SQ_DECLARACAO_RETIFICA:I",
                               "NU_RETIFICADORA:I",
                               "NO_REPRESENTANTE_LEGAL:S64",
                               "NO_CONTABILISTA:S64",
                               "NU_DDD_REPRESENTANTE_LEGAL:S4",
                               "NU_DDD_CONTABILISTA:S4",
                               "NU_TEL_REPRESENTANTE_LEGAL:S8",
                               "NU_TEL_CONTABILISTA:S8",
                               "NO_CORREIO_ELETRONICO:S40",
                               "TX_OBSERVACAO_ST:S227",
                               "COMERRO:S1",
                               "IN_ALC_ZFM_SEM_MOV:S1!",
                               "IN_OUTROS_ICMS_SEM_MOV:S1!",
                               "IN_SUBST_TRIBUT_SEM_MOV:S1!",
                               "IN_OPER_PROP_SEM_MOV:S1!"});
    static_cast<TIntegerField*>(cdsDeclaracao->FieldByName(L("NU_INSCRICAO")))
        ->SetDisplayFormat(RegistrationFormat);
    static_cast<TIntegerField*>(cdsDeclaracao->FieldByName(L("ME_REFERENCIA")))->SetDisplayFormat(L("00"));
    for (const char* campo : {"VL_SALDO_ANTERIOR", "VL_SALDO_ANTERIOR_ST"})
        cdsDeclaracao->FieldByName(L(campo))->SetDisplayLabel(L("Valor Saldo Anterior"));
    for (const char* campo : {"NU_TEL_REPRESENTANTE_LEGAL", "NU_TEL_CONTABILISTA"})
        cdsDeclaracao->FieldByName(L(campo))->SetEditMask(TelephoneMask);
    for (const char* campo :
         {"VL_SALDO_ANTERIOR", "VL_SALDO_ANTERIOR_ST", "VL_IPI_SAIDAS", "VL_ESTOQUE_FINAL", "VL_SCE_PROVISAO",
          "VL_SCE_ESTORNO_PROVISAO", "VL_SCE_CREDITO_ICMS_ENERGIA", "VL_SCE_ANTERIOR"})
        AttachMoneyRules(cdsDeclaracao->FieldByName(L(campo)));
    cdsDeclaracao->FieldByName(L("IN_OPER_PROP_SEM_MOV"))->OnValidate =
        TFieldNotifyEvent(this, &TDMDef::cdsDeclaracaoIN_OPER_PROP_SEM_MOVValidate);
    cdsDeclaracao->FieldByName(L("IN_SUBST_TRIBUT_SEM_MOV"))->OnValidate =
        TFieldNotifyEvent(this, &TDMDef::cdsDeclaracaoIN_SUBST_TRIBUT_SEM_MOVValidate);
    cdsDeclaracao->FieldByName(L("IN_OUTROS_ICMS_SEM_MOV"))->OnValidate =
        TFieldNotifyEvent(this, &TDMDef::cdsDeclaracaoIN_OUTROS_ICMS_SEM_MOVValidate);
    cdsDeclaracao->FieldByName(L("IN_ALC_ZFM_SEM_MOV"))->OnValidate =
        TFieldNotifyEvent(this, &TDMDef::cdsDeclaracaoIN_ALC_ZFM_SEM_MOVValidate);
    MakeCalculatedField(cdsDeclaracao, L("DescTipo"), 30);
    MakeLookupField(cdsDeclaracao, L("Razao"), 64, cdsContribuintes, L("NU_INSCRICAO"), L("NU_INSCRICAO"),
                    L("NO_RAZAO"));
    cdsDeclaracao->OnCalcFields = TDataSetNotifyEvent(this, &TDMDef::cdsSelDeclaracaoCalcFields);
    cdsDeclaracao->AfterApplyUpdates = TRemoteEvent(this, &TDMDef::cdsDeclaracaoAfterApplyUpdates);
}

void TDMDef::BuildEntriesAndExits() {
    auto campos = [this](TClientDataSet* set, TClientDataSet* cfops, const char* rotuloImposto) {
        MakeFields(set, {"SQ_DECLARACAO:I!", "CO_FISCAL_OPERACAO:H!", "VL_CONTABIL:M!", "VL_BASE_CALCULO:M!",
                         "VL_IMPOSTO:M!", "VL_OPERACOES_ISENTAS:M!", "VL_OUTRAS_OPERACOES:M!",
                         "VL_BASE_CALCULO_ST:M!", "VL_IMPOSTO_RETIDO_ST:M!"});
        set->FieldByName(L("VL_IMPOSTO"))->SetDisplayLabel(QString::fromUtf8(rotuloImposto));
        for (int i = 2; i < 9; ++i)
            AttachMoneyRules(set->Fields()[i]);
        MakeLookupField(set, L("DescCFOP"), 200, cfops, L("CO_FISCAL_OPERACAO"), L("CO_FISCAL_OPERACAO"),
                        L("DS_CFOP"));
    };
    const auto porCFOP = [](const QString& tabela) {
        return QStringList{L("select * from ") + tabela, L("WHERE SQ_DECLARACAO = :SQ_DECLARACAO"),
                           L("order by co_fiscal_operacao")};
    };
    cdsEntradas = DetailSet(L("Entradas"), porCFOP(L("ENTRADA_DECLARADA")));
    cdsSaidas = DetailSet(L("Saidas"), porCFOP(L("SAIDA_DECLARADA")));
    cdsEntradasI = DetailSet(L("EntradasI"), Group1Query(L("ENTRADA_DECLARADA"), L("ED")));
    cdsSaidasI = DetailSet(L("SaidasI"), Group1Query(L("SAIDA_DECLARADA"), L("SD")));
    for (TClientDataSet* set : {cdsEntradas, cdsSaidas, cdsEntradasI})
        set->SetIndexFieldNames(L("CO_FISCAL_OPERACAO"));
    campos(cdsEntradas, DMDefBasica->cdsCFOPsEntradas, "Imp. Creditado");
    campos(cdsEntradasI, DMDefBasica->cdsCFOPsEntradas, "Imp. Creditado");
    campos(cdsSaidas, DMDefBasica->cdsCFOPsSaidas, "Imp. Debitado");
    campos(cdsSaidasI, DMDefBasica->cdsCFOPsSaidas, "Imp. Debitado");
    cdsEntradas->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsEntradasNewRecord);
    cdsSaidas->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsEntradasNewRecord);
    cdsEntradasI->BeforePost = TDataSetNotifyEvent(this, &TDMDef::cdsEntradasIBeforePost);
    cdsSaidasI->BeforePost = TDataSetNotifyEvent(this, &TDMDef::cdsSaidasIBeforePost);
}

void TDMDef::BuildInterstate() {
    cdsEntradasInt = DetailSet(L("EntradasInt"), {L("select *"), L("from  ENTRADA_IE_DECLARADA "),
                                                  L("WHERE  SQ_DECLARACAO= :SQ_DECLARACAO")});
    MakeFields(cdsEntradasInt, {"SQ_DECLARACAO:I!", "CO_UF:H!", "VL_CONTABIL:M!", "VL_BASE_CALCULO:M!",
                                "VL_OUTRAS_OPERACOES:M!", "VL_PETROLEO_ENERGIA:M!", "VL_OUTROS_PRODUTOS:M!"});
    for (int i = 2; i < 7; ++i)
        AttachMoneyRules(cdsEntradasInt->Fields()[i]);
    MakeLookupField(cdsEntradasInt, L("NomeUF"), 40, DMDefBasica->cdsUFs, L("CO_UF"), L("CO_UF"), L("NO_UF"));
    cdsEntradasInt->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsEntradasIntNewRecord);
    cdsEntradasInt->BeforePost = TDataSetNotifyEvent(this, &TDMDef::cdsEntradasIntBeforePost);

    cdsSaidasInt = DetailSet(
        L("SaidasInt"), {L("select *  from SAIDA_IE_DECLARADA"), L("WHERE SQ_DECLARACAO = :SQ_DECLARACAO")});
    MakeFields(cdsSaidasInt, {"SQ_DECLARACAO:I!", "CO_UF:H!", "VL_CONTABIL_NAO_CNTB:M!",
                              "VL_CONTABIL_CNTB:M!", "VL_BASE_CALCULO_NAO_CNTB:M!", "VL_BASE_CALCULO_CNTB:M!",
                              "VL_OUTRAS_OPERACOES:M!", "VL_IMPOSTO_COBRADO_ST:M!"});
    for (int i = 2; i < 8; ++i)
        AttachMoneyRules(cdsSaidasInt->Fields()[i]);
    MakeLookupField(cdsSaidasInt, L("SiglaUF"), 2, DMDefBasica->cdsUFs, L("CO_UF"), L("CO_UF"), L("SG_UF"));
    cdsSaidasInt->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsSaidasIntNewRecord);
    cdsSaidasInt->BeforePost = TDataSetNotifyEvent(this, &TDMDef::cdsSaidasIntBeforePost);
}

TClientDataSet* TDMDef::BuildOccurrenceSet(const QString& stem, const QString& tabela, const QString& chave,
                                           const QString& valor, char apuracao,
                                           void (TDMDef::*novoRegistro)(TDataSet*)) {
    TClientDataSet* set = DetailSet(stem, OccurrenceQuery(tabela, apuracao));
    MakeField<TIntegerField>(set, chave, true);
    MakeField<TIntegerField>(set, KeyField, true);
    MakeField<TIntegerField>(set, L("SQ_OCORRENCIA_DEF"), false, L("Ocorrência"));
    const bool outroICMS = valor == QLatin1String("VL_LANCAMENTO");
    AttachMoneyRules(MakeMoneyField(set, valor, true, outroICMS ? L("Valor Lançamento") : L("Valor")));
    MakeTextField(set, L("DS_COMPLEMENTAR"), 150, false, L("Descrição Complementar"));
    for (int n = 1; n <= 5; ++n)
        MakeTextField(set, L("VL_COMPLEMENTO_%1").arg(n), 120, false, L("Dado %1").arg(n));
    MakeTextField(set, L("TP_APURACAO"), 1);
    MarkReadOnly(set, "TP_APURACAO");
    TClientDataSet* fundamentos = DMDefBasica->cdsConFundamento;
    const QString ocorrencia = L("SQ_OCORRENCIA_DEF");
    MakeLookupField(set, L("Codigo"), 7, fundamentos, ocorrencia, ocorrencia, L("Codigo"));
    // The pages show the legal ground and its complement under these names:
    // DescOcorrencia on both other-credit pages, DescFundamento elsewhere. The
    // tax-substitution twins carry what their pages show, as the others do.
    const QString descricao =
        tabela == QLatin1String("OUTRO_CREDITO_DECLARADO") ? L("DescOcorrencia") : L("DescFundamento");
    MakeLookupField(set, descricao, 200, fundamentos, ocorrencia, ocorrencia, L("DS_LEGISLACAO_OCORRENCIA"));
    MakeLookupField(set, descricao + L("Comp"), 200, fundamentos, ocorrencia, ocorrencia, L("DS_OCORRENCIA"));
    const int tiposDescritos = outroICMS ? 3 : 2;
    for (int n = 1; n <= tiposDescritos; ++n)
        MakeLookupField(set, L("DescTpDadoComp%1").arg(n), outroICMS ? 30 : 25, fundamentos, ocorrencia,
                        ocorrencia, L("DescTpDadoComp%1").arg(n));
    if (outroICMS) {
        const TFieldSetTextEvent complemento(this, &TDMDef::cdsOutICMSVL_COMPLEMENTO_1SetText);
        for (int n = 1; n <= 3; ++n)
            set->FieldByName(L("VL_COMPLEMENTO_%1").arg(n))->OnSetText = complemento;
    }
    set->OnNewRecord = TDataSetNotifyEvent(this, novoRegistro);
    return set;
}

void TDMDef::BuildCreditBalances() {
    TClientDataSet* fundamentos = DMDefBasica->cdsConFundamento;
    const QString ocorrencia = L("SQ_OCORRENCIA_DEF");
    auto lookups = [&](TClientDataSet* set, bool tipoDoDestino) {
        MakeLookupField(set, L("DescFundamentoComp"), 200, fundamentos, ocorrencia, ocorrencia,
                        L("DS_OCORRENCIA"));
        if (tipoDoDestino)
            MakeLookupField(set, L("DescTpDadoComp1"), 25, DMDefBasica->cdsConFundamentoDest,
                            L("SQ_OCORRENCIA_DEF_DESTINO"), ocorrencia, L("DescTpDadoComp1"));
        else
            MakeLookupField(set, L("DescTpDadoComp1"), 25, fundamentos, ocorrencia, ocorrencia,
                            L("DescTpDadoComp1"));
        MakeLookupField(set, L("DescFundamento"), 200, fundamentos, ocorrencia, ocorrencia,
                        L("DS_LEGISLACAO_OCORRENCIA"));
        MakeLookupField(set, L("Codigo"), 7, fundamentos, ocorrencia, ocorrencia, L("Codigo"));
    };

    cdsSCCompensado =
        DetailSet(L("SCCompensado"), {L("select "), L(" s.*,F.TP_APURACAO "),
                                      L("from  SALDO_CREDOR_COMPENSADO s,  FUNDAMENTACAO_LEGAL_DEF F"),
                                      L("WHERE s.SQ_DECLARACAO = :SQ_DECLARACAO and"),
                                      L("               s.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF ")});
    MakeFields(cdsSCCompensado,
               {"SQ_SALDO_CREDOR_COMPENSADO:I!", "SQ_DECLARACAO:I!", "SQ_OCORRENCIA_DEF:I",
                "NU_SERIE_NOTA_FISCAL:S3", "NU_SUBSERIE_NOTA_FISCAL:S2", "NU_NOTA_FISCAL:I", "NU_INSCRICAO:I",
                "VL_COMPENSADO:M!", "TX_OBSERVACAO:S100", "TP_APURACAO:S1"});
    cdsSCCompensado->FieldByName(L("VL_COMPENSADO"))->SetDisplayLabel(L("Valor Compensado"));
    cdsSCCompensado->FieldByName(L("NU_INSCRICAO"))->SetDisplayLabel(L("Nº Insc. Destinatário"));
    lookups(cdsSCCompensado, false);

    cdsSCTransferido =
        DetailSet(L("SCTransferido"), BalanceProcessQuery(L("SALDO_CREDOR_TRANSFERIDO"), L(" s.*,")));
    MakeFields(cdsSCTransferido,
               {"SQ_SALDO_CREDOR_TRANSFERIDO:I!", "SQ_OCORRENCIA_DEF:I", "SQ_DECLARACAO:I!",
                "DESC_PROCESSO:S38", "NU_PROCESSO:S20", "NU_ANO_PROCESSO:H", "CO_PREF_PROCESSO:S10",
                "NU_SERIE_NOTA_FISCAL:S3", "NU_SUBSERIE_NOTA_FISCAL:S2", "NU_NOTA_FISCAL:I",
                "VL_SALDO_TRANSFERIDO:M!", "NU_INSCRICAO:I", "SQ_OCORRENCIA_DEF_DESTINO:I",
                "TX_OBSERVACAO_DESTINO:S100", "TX_OBSERVACAO:S100", "TP_APURACAO:S1"});
    cdsSCTransferido->FieldByName(L("VL_SALDO_TRANSFERIDO"))->SetDisplayLabel(L("Valor Transferido"));
    cdsSCTransferido->FieldByName(L("NU_INSCRICAO"))->SetDisplayLabel(L("Nº Insc. Destinatário"));
    cdsSCTransferido->FieldByName(L("SQ_OCORRENCIA_DEF_DESTINO"))
        ->SetDisplayLabel(L("Finalidade do Destinatário"));
    cdsSCTransferido->FieldByName(L("TX_OBSERVACAO_DESTINO"))->SetDisplayLabel(L("Obs. do Transferido"));
    cdsSCTransferido->FieldByName(L("TX_OBSERVACAO"))->SetDisplayLabel(L("Dado Complementar"));
    cdsSCTransferido->FieldByName(L("DESC_PROCESSO"))->SetEditMask(L("E\\04-999999/9999;1; "));
    MarkReadOnly(cdsSCTransferido, "DESC_PROCESSO");
    lookups(cdsSCTransferido, true);

    cdsSCRecebido = DetailSet(L("SCRecebido"), BalanceProcessQuery(L("SALDO_CREDOR_RECEBIDO"), L(" s.*, ")));
    MakeFields(cdsSCRecebido,
               {"SQ_SALDO_CREDOR_RECEBIDO:I!", "SQ_OCORRENCIA_DEF:I", "SQ_DECLARACAO:I!", "DESC_PROCESSO:S38",
                "NU_PROCESSO:S20", "NU_ANO_PROCESSO:H", "CO_PREF_PROCESSO:S10", "NU_SERIE_NOTA_FISCAL:S3",
                "NU_SUBSERIE_NOTA_FISCAL:S2", "NU_NOTA_FISCAL:I", "VL_SALDO_RECEBIDO:M!", "NU_INSCRICAO:I",
                "TX_OBSERVACAO:S100", "TP_APURACAO:S1"});
    cdsSCRecebido->FieldByName(L("VL_SALDO_RECEBIDO"))->SetDisplayLabel(L("Valor Recebido"));
    cdsSCRecebido->FieldByName(L("NU_INSCRICAO"))->SetDisplayLabel(L("Nº Insc. Remetente"));
    cdsSCRecebido->FieldByName(L("DESC_PROCESSO"))->SetEditMask(L("E\\04-999999/9999;1; "));
    MarkReadOnly(cdsSCRecebido, "DESC_PROCESSO");
    lookups(cdsSCRecebido, false);

    cdsSCCompProprio =
        DetailSet(L("SCCompProprio"), {L("select O.* , F.TP_APURACAO "),
                                       L("from  SALDO_CREDOR_COMP_PROPRIO O,  FUNDAMENTACAO_LEGAL_DEF F"),
                                       L("WHERE O.SQ_DECLARACAO = :SQ_DECLARACAO and"),
                                       L("               O.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF ")});
    MakeFields(cdsSCCompProprio,
               {"SQ_SALDO_CREDOR_COMP_PROPRIO:I!", "SQ_DECLARACAO:I!", "SQ_OCORRENCIA_DEF:I",
                "VL_COMPENSACAO:M!", "TX_OBSERVACAO:S100", "TP_APURACAO:S1"});
    cdsSCCompProprio->FieldByName(L("VL_COMPENSACAO"))->SetDisplayLabel(L("Valor Compensado"));
    lookups(cdsSCCompProprio, false);

    for (TClientDataSet* set : {cdsSCCompensado, cdsSCTransferido, cdsSCRecebido, cdsSCCompProprio}) {
        set->FieldByName(L("SQ_OCORRENCIA_DEF"))->SetDisplayLabel(L("Finalidade"));
        MarkReadOnly(set, "TP_APURACAO");
    }
    for (TField* field : {cdsSCCompensado->FieldByName(L("VL_COMPENSADO")),
                          cdsSCTransferido->FieldByName(L("VL_SALDO_TRANSFERIDO")),
                          cdsSCRecebido->FieldByName(L("VL_SALDO_RECEBIDO")),
                          cdsSCCompProprio->FieldByName(L("VL_COMPENSACAO"))})
        AttachMoneyRules(field);
    for (TClientDataSet* set : {cdsSCCompensado, cdsSCTransferido, cdsSCRecebido})
        static_cast<TIntegerField*>(set->FieldByName(L("NU_INSCRICAO")))
            ->SetDisplayFormat(RegistrationFormat);
    cdsSCCompensado->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsSCCompensadoNewRecord);
    cdsSCTransferido->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsSCTransferidoNewRecord);
    cdsSCRecebido->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsSCRecebidoNewRecord);
    cdsSCCompProprio->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsSCCompProprioNewRecord);
    cdsSCCompProprio->BeforePost = TDataSetNotifyEvent(this, &TDMDef::cdsSCCompProprioBeforePost);
}

void TDMDef::BuildFreeTradeArea() {
    cdsALC = DetailSet(L("ALC"),
                       {L("select * from SAIDA_ALC_DECLARADA"), L("WHERE SQ_DECLARACAO = :SQ_DECLARACAO")});
    MakeFields(cdsALC, {"CO_LOCALIDADE:I!", "SQ_DECLARACAO:I!", "NU_SERIE_NOTA_FISCAL:S3",
                        "NU_SUBSERIE_NOTA_FISCAL:S2", "NU_NOTA_FISCAL:I", "DT_EMISSAO_NF:D",
                        "VL_NOTA_FISCAL:M!", "VL_ISENTAS:M!", "NU_INSCR_SUFRAMA:I", "NU_CNPJ_DESTINO:F"});
    cdsALC->FieldByName(L("CO_LOCALIDADE"))->SetDisplayLabel(L("Município"));
    cdsALC->FieldByName(L("VL_NOTA_FISCAL"))->SetDisplayLabel(L("Valor Nota Fiscal"));
    cdsALC->FieldByName(L("VL_ISENTAS"))->SetDisplayLabel(L("Valor do ICMS abatido"));
    static_cast<TIntegerField*>(cdsALC->FieldByName(L("NU_INSCR_SUFRAMA")))
        ->SetDisplayFormat(L("00.000.000-0"));
    static_cast<TFloatField*>(cdsALC->FieldByName(L("NU_CNPJ_DESTINO")))->SetDisplayFormat(CnpjFormat);
    AttachMoneyRules(cdsALC->FieldByName(L("VL_NOTA_FISCAL")));
    AttachMoneyRules(cdsALC->FieldByName(L("VL_ISENTAS")));
    MakeLookupField(cdsALC, L("NomeLocalidade"), 28, DMDefBasica->cdsMunicipios, L("CO_LOCALIDADE"),
                    L("CO_LOCALIDADE"), L("NO_LOCALIDADE"));
    MakeLookupField(cdsALC, L("Sigla_UF"), 2, DMDefBasica->cdsMunicipios, L("CO_LOCALIDADE"),
                    L("CO_LOCALIDADE"), L("SG_UF"));
    cdsALC->OnNewRecord = TDataSetNotifyEvent(this, &TDMDef::cdsALCNewRecord);
}

// ---- taxpayers ---------------------------------------------------------------------

void TDMDef::cdsContribuintesNewRecord(TDataSet* dataSet) {
    dataSet->FieldByName(L("IN_CGC_CPF"))->SetAsInteger(1);
}

void TDMDef::cdsContribuintesBeforePost(TDataSet* dataSet) {
    TField* raiz = dataSet->FieldByName(L("NU_RAIZ_CNPJ"));
    if (StrToIntDef(dataSet->FieldByName(L("IN_CGC_CPF"))->AsString(), 0) == 1) {
        // The root is the first eight of the fourteen digits, leading zeros included.
        const QString cnpj =
            CompletaZeros(LeftSide, QString::number(dataSet->FieldByName(L("NU_CGC_CPF"))->AsLargeInt()), 14);
        raiz->SetAsInteger(cnpj.left(8).toInt());
    } else {
        raiz->SetAsInteger(0);
    }
    if (dataSet->State() != dsInsert)
        return;
    const QString sql = L("SELECT NU_INSCRICAO FROM CONTRIBUINTE\nWHERE NU_INSCRICAO = ") +
                        QString::number(dataSet->FieldByName(L("NU_INSCRICAO"))->AsLargeInt());
    if (!DMDefGeral->AbreConsulta(sql))
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    if (!DMDefGeral->cdsAuxiliar->IsEmpty())
        RuleMessages::Refuse(QStringLiteral("Já existe um contribuinte com esse número de inscrição!"));
}

void TDMDef::cdsContribuintesNU_INSCRICAOValidate(TField* sender) {
    if (!ValidaInscricao(sender->AsString()))
        RuleMessages::Refuse(12);
}

void TDMDef::cdsContribuintesNU_CGC_CPFValidate(TField* sender) {
    if (!ValidaCNPJ(QString::number(sender->AsLargeInt())))
        RuleMessages::Refuse(231);
}

void TDMDef::cdsContribuintesNU_DDDValidate(TField* sender) {
    if (AreaCodeInvalid(sender->AsString()))
        RuleMessages::Refuse(QStringLiteral("DDD inválido!"));
}

void TDMDef::cdsContribuintesNU_DDD_FAXValidate(TField* sender) {
    if (AreaCodeInvalid(sender->AsString()))
        RuleMessages::Refuse(QStringLiteral("DDD do fax inválido!"));
}

void TDMDef::cdsContribuintesNU_TELValidate(TField* sender) {
    if (TelephoneInvalid(sender->AsString()))
        RuleMessages::Refuse(QStringLiteral("Telefone inválido!"));
}

void TDMDef::cdsContribuintesNU_FAXValidate(TField* sender) {
    if (TelephoneInvalid(sender->AsString()))
        RuleMessages::Refuse(QStringLiteral("Fax inválido!"));
}

void TDMDef::cdsContribuintesNU_CGC_CPFSetText(TField* sender, const QString& text) {
    SetTextOrNull(sender, text);
}

// ---- declaration -------------------------------------------------------------------

void TDMDef::cdsSelDeclaracaoCalcFields(TDataSet* dataSet) {
    QString tipo = L("Normal");
    if (dataSet->FieldByName(L("IN_RETIFICADORA"))->AsString() != QLatin1String("N"))
        tipo = L("Retificadora [") +
               QString::number(dataSet->FieldByName(L("NU_RETIFICADORA"))->AsInteger()) + L("]");
    dataSet->FieldByName(L("DescTipo"))->SetAsString(tipo);
}

void TDMDef::cdsDeclaracaoVL_SALDO_ANTERIORValidate(TField* sender) {
    VerificaLimiteValor(sender->AsCurrency(), sender->DisplayLabel(), ValorMaximo);
}

void TDMDef::cdsEntradasVL_CONTABILSetText(TField* sender, const QString& text) {
    sender->SetAsCurrency(TypedAmount(text));
}

void TDMDef::CheckNoMovement(TField* sender, int (TDMDefAux::*conta)(DeclarationKey), int mensagem) {
    if (sender->AsString() != QLatin1String("S"))
        return;
    if ((DMDefAux->*conta)(DeclarationKey::Of(*sender->DataSet()->FieldByName(KeyField))) != 1)
        return;
    MsgErro(RuleMessages::Text(mensagem));
    sender->SetAsString(L("N"));
    Abort();
}

void TDMDef::cdsDeclaracaoIN_OPER_PROP_SEM_MOVValidate(TField* sender) {
    CheckNoMovement(sender, &TDMDefAux::ContaMovOperProp, 243);
}

void TDMDef::cdsDeclaracaoIN_SUBST_TRIBUT_SEM_MOVValidate(TField* sender) {
    CheckNoMovement(sender, &TDMDefAux::ContaMovSubstTribut, 245);
}

void TDMDef::cdsDeclaracaoIN_OUTROS_ICMS_SEM_MOVValidate(TField* sender) {
    CheckNoMovement(sender, &TDMDefAux::ContaMovOutrosICMS, 247);
}

void TDMDef::cdsDeclaracaoIN_ALC_ZFM_SEM_MOVValidate(TField* sender) {
    CheckNoMovement(sender, &TDMDefAux::ContaMovALCZFM, 249);
}

void TDMDef::cdsDeclaracaoAfterApplyUpdates(TObject*, QVariant&) {
    if (ibtDeclaracao->InTransaction())
        ibtDeclaracao->Commit();
}

void TDMDef::dspDeclaracaoAfterApplyUpdates(TObject*, QVariant&) {
    DeclaracaoAlterada = true;
}

void TDMDef::dspDeclaracaoGetTableName(TObject*, TDataSet* dataSet, QString& tableName) {
    const auto tabela = TablesByQuery().constFind(dataSet->Name());
    if (tabela != TablesByQuery().cend())
        tableName = *tabela;
}

// ---- new detail rows ---------------------------------------------------------------

void TDMDef::NewDetailRow(TDataSet* dataSet, int contador, const QString& chave,
                          std::initializer_list<const char*> valores) {
    if (contador != NoCounter)
        dataSet->FieldByName(chave)->SetAsString(DMDefGeral->ProximoSequencial(contador));
    dataSet->FieldByName(KeyField)->SetValue(cdsDeclaracao->FieldByName(KeyField)->Value());
    for (const char* valor : valores)
        dataSet->FieldByName(L(valor))->SetAsCurrency(Currency());
}

void TDMDef::NewOccurrenceRow(TDataSet* dataSet, int contador, const char* chave) {
    NewDetailRow(dataSet, contador, L(chave), {});
    // The row's single money field is its value.
    for (TField* field : dataSet->Fields()) {
        if (auto* moeda = dynamic_cast<TFloatField*>(field); moeda && moeda->Currency())
            moeda->SetAsCurrency(Currency());
    }
}

void TDMDef::cdsEntradasNewRecord(TDataSet* dataSet) {
    NewDetailRow(dataSet, NoCounter, {},
                 {"VL_CONTABIL", "VL_BASE_CALCULO", "VL_BASE_CALCULO_ST", "VL_IMPOSTO",
                  "VL_IMPOSTO_RETIDO_ST", "VL_OPERACOES_ISENTAS", "VL_OUTRAS_OPERACOES"});
}

void TDMDef::cdsEntradasIntNewRecord(TDataSet* dataSet) {
    NewDetailRow(dataSet, NoCounter, {},
                 {"VL_CONTABIL", "VL_BASE_CALCULO", "VL_PETROLEO_ENERGIA", "VL_OUTROS_PRODUTOS",
                  "VL_OUTRAS_OPERACOES"});
}

void TDMDef::cdsSaidasIntNewRecord(TDataSet* dataSet) {
    NewDetailRow(dataSet, NoCounter, {},
                 {"VL_CONTABIL_NAO_CNTB", "VL_CONTABIL_CNTB", "VL_BASE_CALCULO_NAO_CNTB",
                  "VL_BASE_CALCULO_CNTB", "VL_OUTRAS_OPERACOES", "VL_IMPOSTO_COBRADO_ST"});
}

void TDMDef::cdsOutCreditosNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, OtherCreditCounter, "SQ_OUTRO_CREDITO_DECLARADO");
}

void TDMDef::cdsOutDebitosNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, OtherDebitCounter, "SQ_OUTRO_DEBITO_DECLARADO");
}

void TDMDef::cdsEstCreditosNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, CreditReversalCounter, "SQ_ESTORNO_CREDITO_DECLARADO");
}

void TDMDef::cdsEstDebitosNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, DebitReversalCounter, "SQ_ESTORNO_DEBITO_DECLARADO");
}

void TDMDef::cdsPrazosEspNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, SpecialTermCounter, "SQ_PRAZO_ESPECIAL_DECLARADO");
}

void TDMDef::cdsDeducoesNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, DeductionCounter, "SQ_DEDUCAO_DECLARADA");
}

void TDMDef::cdsOutICMSNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, OtherIcmsCounter, "SQ_OUTRO_ICMS_DEVIDO");
}

void TDMDef::cdsSCCompensadoNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, OffsetBalanceCounter, "SQ_SALDO_CREDOR_COMPENSADO");
}

void TDMDef::cdsSCTransferidoNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, TransferredBalanceCounter, "SQ_SALDO_CREDOR_TRANSFERIDO");
}

void TDMDef::cdsSCRecebidoNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, ReceivedBalanceCounter, "SQ_SALDO_CREDOR_RECEBIDO");
}

void TDMDef::cdsSCCompProprioNewRecord(TDataSet* dataSet) {
    NewOccurrenceRow(dataSet, OwnOffsetBalanceCounter, "SQ_SALDO_CREDOR_COMP_PROPRIO");
}

void TDMDef::cdsALCNewRecord(TDataSet* dataSet) {
    NewDetailRow(dataSet, NoCounter, {}, {"VL_NOTA_FISCAL", "VL_ISENTAS"});
}

// ---- detail rules ------------------------------------------------------------------

void TDMDef::RequireValue(TDataSet* dataSet, std::initializer_list<const char*> campos, int mensagem) {
    Currency soma;
    for (const char* campo : campos)
        soma += dataSet->FieldByName(L(campo))->AsCurrency();
    if (soma < Currency::fromRaw(100))
        RuleMessages::Refuse(mensagem);
}

void TDMDef::cdsEntradasIntBeforePost(TDataSet* dataSet) {
    RequireValue(dataSet,
                 {"VL_CONTABIL", "VL_BASE_CALCULO", "VL_PETROLEO_ENERGIA", "VL_OUTROS_PRODUTOS",
                  "VL_OUTRAS_OPERACOES"},
                 228);
}

void TDMDef::cdsSaidasIntBeforePost(TDataSet* dataSet) {
    RequireValue(dataSet,
                 {"VL_CONTABIL_NAO_CNTB", "VL_CONTABIL_CNTB", "VL_BASE_CALCULO_NAO_CNTB",
                  "VL_BASE_CALCULO_CNTB", "VL_OUTRAS_OPERACOES", "VL_IMPOSTO_COBRADO_ST"},
                 228);
}

void TDMDef::cdsEntradasIBeforePost(TDataSet* dataSet) {
    if (dataSet->FieldByName(L("VL_IMPOSTO_RETIDO_ST"))->AsCurrency() >
        dataSet->FieldByName(L("VL_BASE_CALCULO_ST"))->AsCurrency())
        RuleMessages::Refuse(293);
}

void TDMDef::cdsSaidasIBeforePost(TDataSet* dataSet) {
    cdsEntradasIBeforePost(dataSet);
}

void TDMDef::cdsSCCompProprioBeforePost(TDataSet* dataSet) {
    RequireValue(dataSet, {"VL_COMPENSACAO"}, 224);
}

void TDMDef::cdsOutICMSVL_COMPLEMENTO_1SetText(TField* sender, const QString& text) {
    const QString tipo =
        sender->DataSet()->FieldByName(L("DescTpDadoComp") + sender->FieldName().right(1))->AsString();
    if (tipo != QStringLiteral("Base de Cálculo")) {
        sender->SetAsString(text);
        return;
    }
    Currency valor;
    if (!TryStrToCurr(text, valor))
        RuleMessages::Refuse(312);
    sender->SetAsString(FormatFloat(L("#,###,##0.00"), valor));
}
