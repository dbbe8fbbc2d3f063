#pragma once
// Building blocks of the data modules, created in code the way a module's
// form resource declares them: query -> provider -> client-set chains and
// the persistent fields of a client set.
//
// Every component is owned by the module (the owner of the data set) and
// named as the module names it: chains by their stem ("Entradas" gives
// ibqEntradas, dspEntradas, cdsEntradas), fields by their data set and
// column (cdsEntradasVL_CONTABIL).

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

class TClientDataSet;
class TDataSet;
class TDataSetProvider;
class TFloatField;
class TIBDatabase;
class TIBQuery;
class TIBTransaction;
class TStringField;

struct TDataChain {
    TIBQuery* query;
    TDataSetProvider* provider;
    TClientDataSet* cds;
};

// ibq<stem> on the database and transaction with the SQL lines, dsp<stem>
// over it, cds<stem> reading through it.
TDataChain MakeDataChain(TComponent* owner, TIBDatabase* database, TIBTransaction* transaction,
                         const QString& stem, const QStringList& sql);

// A transaction of the module on the database.
TIBTransaction* MakeTransaction(TComponent* owner, const QString& name, TIBDatabase* database);

// A persistent data field of type F on the (closed) data set.
template <typename F>
F* MakeField(TDataSet* dataSet, const QString& fieldName, bool required = false, const QString& label = {});

// A money field: exact currency shown with "#,##0.00".
TFloatField* MakeMoneyField(TDataSet* dataSet, const QString& fieldName, bool required = false,
                            const QString& label = {});
// A text field of size characters.
TStringField* MakeTextField(TDataSet* dataSet, const QString& fieldName, int size, bool required = false,
                            const QString& label = {});
// A calculated text field.
TStringField* MakeCalculatedField(TDataSet* dataSet, const QString& fieldName, int size);
// A lookup text field: resultField of the lookupSet record whose lookupKey
// equals this set's keyFields.
TStringField* MakeLookupField(TDataSet* dataSet, const QString& fieldName, int size, TDataSet* lookupSet,
                              const QString& keyFields, const QString& lookupKey, const QString& resultField);

// Data fields from compact declarations "NAME:T", T one of I (integer),
// H (small integer), L (64-bit integer), F (float), M (money), D (date) or
// Sn (text of n characters); a trailing "!" makes the field required.
void MakeFields(TDataSet* dataSet, std::initializer_list<const char*> declaracoes);

// Implementation of the template.
void SetUpField(TField* field, TDataSet* dataSet, const QString& fieldName, bool required,
                const QString& label);

template <typename F>
F* MakeField(TDataSet* dataSet, const QString& fieldName, bool required, const QString& label) {
    auto* field = new F(dataSet->Owner());
    SetUpField(field, dataSet, fieldName, required, label);
    return field;
}
