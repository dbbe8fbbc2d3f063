#pragma once
// The general data module: the program's one database connection and the
// scratch query -> provider -> client-set chains through which the other
// modules run ad-hoc SQL, plus the sequence counters of PARAMETROS_DEF.

#include "platform/db/Currency.h"
#include "platform/os/TComponent.h"

#include <QString>

class TClientDataSet;
class TDataSetProvider;
class TIBDatabase;
class TIBQuery;
class TIBSQL;
class TIBTransaction;

class TDMDefGeral : public TComponent {
public:
    explicit TDMDefGeral(TComponent* owner = nullptr);
    ~TDMDefGeral() override;

    // Runs a statement in its own transaction: committed and true, or rolled
    // back and false. Nothing is shown.
    bool ExecutaSQL(const QString& sql);
    // Opens cdsAuxiliar on the query text; false on any failure (nothing shown).
    // The rows stand in cdsAuxiliar until the next call.
    bool AbreConsulta(const QString& sql);
    // The same on cdsPutErro.
    bool AbreConsultaPutErro(const QString& sql);
    // Takes the next number of the counter row idParametro of PARAMETROS_DEF,
    // stores it and returns it. A failure shows the message of code 300 and
    // aborts silently.
    QString ProximoSequencial(int idParametro);
    // TX_PARAM1 of parameter 1.
    QString LeVersaoDados();
    // VL_PARAM1 of parameter 2: the largest amount a money field accepts.
    Currency LeValorMaximo();

    TIBDatabase* ibDBDef;
    TIBTransaction* ibtSQLAuxiliar;
    TIBTransaction* ibtAuxiliar;
    TIBTransaction* ibtGeracao;
    TIBTransaction* ibtPutErro;
    TIBSQL* ibsqlAuxiliar;
    TIBQuery* ibqAuxiliar;
    TDataSetProvider* dspAuxiliar;
    TClientDataSet* cdsAuxiliar;
    TIBQuery* ibqGeracao;
    TDataSetProvider* dspGeracao;
    TClientDataSet* cdsGeracao;
    TIBQuery* ibqPutErro;
    TDataSetProvider* dspPutErro;
    TClientDataSet* cdsPutErro;

private:
    bool AbreEm(TClientDataSet* dataSet, const QString& sql);
    void MostraErroConsulta();
};

// The module of the run (the last one created).
extern TDMDefGeral* DMDefGeral;
