#pragma once
// The dialog that creates a declaration: the taxpayer's registration (typed
// or found with a search), the reference month and year, checked in their
// order; the balances of the previous month's declaration are carried over
// and the declaration row is inserted. OK only once the row is stored.

#include "core/forms/TfrmModDialogo.h"

#include "platform/base/Currency.h"

#include <QVariant>

class TAction;
class TActionList;
class TButton;
class TDataSetSearch;
class TDataSource;
class TEdit;
class TIBQuery;
class TIBTransaction;
class TMaskEdit;
class TReconcileDialog;
class TSpeedButton;

class TfrmIncDeclaracao : public TfrmModDialogo {
    Q_OBJECT
public:
    explicit TfrmIncDeclaracao(TComponent* owner);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnConfirmarClick(TObject* sender);
    void btnCancelarClick(TObject* sender);
    void acProcurarExecute(TObject* sender);
    void medtInscricaoExit(TObject* sender);
    void medtEnter(TObject* sender);

    // The previous month's balances of the registration and period typed.
    void BuscaSaldosAnteriores();
    // The company name of a registration; empty when no taxpayer has it.
    QString BuscaRazaoSocial(const QString& inscricao) const;

    Currency OpeningBalance() const { return m_openingBalance; }
    Currency OpeningBalanceST() const { return m_openingBalanceST; }
    // The key of the declaration the dialog stored; null until one is.
    QVariant InsertedKey() const { return m_insertedKey; }

    TMaskEdit* medtInscricao;
    TSpeedButton* sbtnLocContribuinte;
    TMaskEdit* medtMes;
    TMaskEdit* medtAno;
    TEdit* edtRazao;
    TButton* btnConfirmar;
    TButton* btnCancelar;
    TActionList* alIncDeclaracao;
    TAction* acProcurar;
    TDataSource* dsIncDeclaracao;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;
    TDataSetSearch* dssIncDeclaracao;
    TReconcileDialog* ReconcileDialog1;

private:
    void BuildFields();
    void BuildButtons();
    void BuildSearch();
    // Shows message `texto`, focuses the control and aborts.
    [[noreturn]] void Refuse(const QString& texto, class TWinControl* controle);

    Currency m_openingBalance;
    Currency m_openingBalanceST;
    QVariant m_insertedKey;
};
