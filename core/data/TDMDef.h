#pragma once
// The declaration data module: the taxpayer register, the declaration list,
// the declaration and one client set per detail table (each with its own
// provider and the parameter SQ_DECLARACAO; the ...I sets are the tax-
// substitution twins), with the rules that guard single records.
//
// A rule that fails shows its message (MsgErro) and aborts silently, which
// cancels the post or the field change under way.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"
#include "platform/base/TComponent.h"

#include <QString>
#include <QVariant>

class TClientDataSet;
class TDataSet;
class TDataSetProvider;
class TDMDefAux;
class TField;
class TIBQuery;
class TIBTransaction;

class TDMDef : public TComponent {
public:
    explicit TDMDef(TComponent* owner = nullptr);
    ~TDMDef() override;

    // Taxpayers.
    void cdsContribuintesNewRecord(TDataSet* dataSet);
    void cdsContribuintesBeforePost(TDataSet* dataSet);
    void cdsContribuintesNU_INSCRICAOValidate(TField* sender);
    void cdsContribuintesNU_CGC_CPFValidate(TField* sender);
    void cdsContribuintesNU_DDDValidate(TField* sender);
    void cdsContribuintesNU_DDD_FAXValidate(TField* sender);
    void cdsContribuintesNU_TELValidate(TField* sender);
    void cdsContribuintesNU_FAXValidate(TField* sender);
    void cdsContribuintesNU_CGC_CPFSetText(TField* sender, const QString& text);
    // Declarations.
    void cdsSelDeclaracaoCalcFields(TDataSet* dataSet);
    void cdsDeclaracaoVL_SALDO_ANTERIORValidate(TField* sender);
    void cdsEntradasVL_CONTABILSetText(TField* sender, const QString& text);
    void cdsDeclaracaoIN_OPER_PROP_SEM_MOVValidate(TField* sender);
    void cdsDeclaracaoIN_SUBST_TRIBUT_SEM_MOVValidate(TField* sender);
    void cdsDeclaracaoIN_OUTROS_ICMS_SEM_MOVValidate(TField* sender);
    void cdsDeclaracaoIN_ALC_ZFM_SEM_MOVValidate(TField* sender);
    void cdsDeclaracaoAfterApplyUpdates(TObject* sender, QVariant& ownerData);
    void dspDeclaracaoAfterApplyUpdates(TObject* sender, QVariant& ownerData);
    void dspDeclaracaoGetTableName(TObject* sender, TDataSet* dataSet, QString& tableName);
    // New detail rows.
    void cdsEntradasNewRecord(TDataSet* dataSet);
    void cdsEntradasIntNewRecord(TDataSet* dataSet);
    void cdsSaidasIntNewRecord(TDataSet* dataSet);
    void cdsOutCreditosNewRecord(TDataSet* dataSet);
    void cdsOutDebitosNewRecord(TDataSet* dataSet);
    void cdsEstCreditosNewRecord(TDataSet* dataSet);
    void cdsEstDebitosNewRecord(TDataSet* dataSet);
    void cdsPrazosEspNewRecord(TDataSet* dataSet);
    void cdsDeducoesNewRecord(TDataSet* dataSet);
    void cdsOutICMSNewRecord(TDataSet* dataSet);
    void cdsSCCompensadoNewRecord(TDataSet* dataSet);
    void cdsSCTransferidoNewRecord(TDataSet* dataSet);
    void cdsSCRecebidoNewRecord(TDataSet* dataSet);
    void cdsSCCompProprioNewRecord(TDataSet* dataSet);
    void cdsALCNewRecord(TDataSet* dataSet);
    // Detail rules.
    void cdsEntradasIntBeforePost(TDataSet* dataSet);
    void cdsSaidasIntBeforePost(TDataSet* dataSet);
    void cdsEntradasIBeforePost(TDataSet* dataSet);
    void cdsSaidasIBeforePost(TDataSet* dataSet);
    void cdsSCCompProprioBeforePost(TDataSet* dataSet);
    void cdsOutICMSVL_COMPLEMENTO_1SetText(TField* sender, const QString& text);

    TIBTransaction* ibtContribuintes;
    TIBTransaction* ibtSelDeclaracao;
    TIBTransaction* ibtDeclaracao;
    TClientDataSet* cdsContribuintes;
    TClientDataSet* cdsSelDeclaracao;
    TClientDataSet* cdsDeclaracao;
    TClientDataSet* cdsEntradas;
    TClientDataSet* cdsSaidas;
    TClientDataSet* cdsEntradasInt;
    TClientDataSet* cdsSaidasInt;
    TClientDataSet* cdsOutCreditos;
    TClientDataSet* cdsOutDebitos;
    TClientDataSet* cdsEstCreditos;
    TClientDataSet* cdsEstDebitos;
    TClientDataSet* cdsDeducoes;
    TClientDataSet* cdsPrazosEsp;
    TClientDataSet* cdsOutCreditosI;
    TClientDataSet* cdsOutDebitosI;
    TClientDataSet* cdsEstCreditosI;
    TClientDataSet* cdsEstDebitosI;
    TClientDataSet* cdsDeducoesI;
    TClientDataSet* cdsPrazosEspI;
    TClientDataSet* cdsEntradasI;
    TClientDataSet* cdsSaidasI;
    TClientDataSet* cdsSCCompensado;
    TClientDataSet* cdsSCTransferido;
    TClientDataSet* cdsSCRecebido;
    TClientDataSet* cdsSCCompProprio;
    TClientDataSet* cdsOutICMS;
    TClientDataSet* cdsALC;

private:
    TClientDataSet* Chain(TIBTransaction* transaction, const QString& stem, const QStringList& sql);
    TClientDataSet* DetailSet(const QString& stem, const QStringList& sql);
    void BuildTaxpayers();
    void BuildDeclaration();
    void BuildEntriesAndExits();
    void BuildInterstate();
    TClientDataSet* BuildOccurrenceSet(const QString& stem, const QString& tabela, const QString& chave,
                                       const QString& valor, char apuracao,
                                       void (TDMDef::*novoRegistro)(TDataSet*));
    void BuildCreditBalances();
    void BuildFreeTradeArea();
    // The money-field handlers on a money field.
    void AttachMoneyRules(TField* field);
    // Key, declaration and zero values of a new detail row.
    void NewDetailRow(TDataSet* dataSet, int contador, const QString& chave,
                      std::initializer_list<const char*> valores);
    void NewOccurrenceRow(TDataSet* dataSet, int contador, const char* chave);
    void CheckNoMovement(TField* sender, int (TDMDefAux::*conta)(DeclarationKey), int mensagem);
    void RequireValue(TDataSet* dataSet, std::initializer_list<const char*> campos, int mensagem);
};

extern TDMDef* DMDef;
// Set whenever a declaration provider has applied updates; the editor clears it.
extern bool DeclaracaoAlterada;
// The largest amount a money field accepts (PARAMETROS_DEF parameter 2).
extern Currency ValorMaximo;
