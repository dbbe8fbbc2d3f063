#pragma once
// The template of every register and lookup window: the client-data-set
// navigator on top (fsnCadastro) under which the window's fields lie, the
// state in the status bar, the reconcile dialog for refused changes, and a
// one-click listing of the data set (rptCadastro). Besides a pending insert
// or edit, changes not yet applied also keep the window open.
//
// A window sets fsnCadastro, rdCadastro and rptCadastro on the same client
// data set, chooses the navigator's features and binds its search.

#include "components/forms/TfrmModCadastroCustom.h"

class TBevel;
class TClientDataSet;
class TDataSetReport;
class TfraMidasNavigator;
class TReconcileDialog;

class TfrmModCadastroMidas : public TfrmModCadastroCustom {
    Q_OBJECT
public:
    TfrmModCadastroMidas(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void fsnCadastroPrint(TObject* sender);

    TfraMidasNavigator* fsnCadastro;
    TBevel* bvCadastro;
    TReconcileDialog* rdCadastro;
    TDataSetReport* rptCadastro;

protected:
    // The navigator (every button, Sair included), the reconcile dialog and
    // the listing on the window's data set, with its search and print.
    void ShowDataSet(TClientDataSet* dataSet, TNotifyEvent onSearch, TNotifyEvent onPrint);
};
