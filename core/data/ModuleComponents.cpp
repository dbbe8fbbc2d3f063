#include "core/data/ModuleComponents.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TDateField.h"
#include "platform/db/TFloatField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TIntegerField.h"
#include "platform/db/TLargeintField.h"
#include "platform/db/TSmallintField.h"
#include "platform/db/TStringField.h"

TDataChain MakeDataChain(TComponent* owner, TIBDatabase* database, TIBTransaction* transaction,
                         const QString& stem, const QStringList& sql) {
    TDataChain cadeia{};
    cadeia.query = new TIBQuery(owner);
    cadeia.query->SetName(QStringLiteral("ibq") + stem);
    cadeia.query->SetDatabase(database);
    cadeia.query->SetTransaction(transaction);
    cadeia.query->SetSQL(sql);
    cadeia.provider = new TDataSetProvider(owner);
    cadeia.provider->SetName(QStringLiteral("dsp") + stem);
    cadeia.provider->SetDataSet(cadeia.query);
    cadeia.cds = new TClientDataSet(owner);
    cadeia.cds->SetName(QStringLiteral("cds") + stem);
    cadeia.cds->SetProviderName(cadeia.provider->Name());
    return cadeia;
}

TIBTransaction* MakeTransaction(TComponent* owner, const QString& name, TIBDatabase* database) {
    auto* transaction = new TIBTransaction(owner);
    transaction->SetName(name);
    transaction->SetDefaultDatabase(database);
    return transaction;
}

void SetUpField(TField* field, TDataSet* dataSet, const QString& fieldName, bool required,
                const QString& label) {
    field->SetName(dataSet->Name() + fieldName);
    field->SetFieldName(fieldName);
    field->SetRequired(required);
    if (!label.isEmpty())
        field->SetDisplayLabel(label);
    field->SetDataSet(dataSet);
}

TFloatField* MakeMoneyField(TDataSet* dataSet, const QString& fieldName, bool required,
                            const QString& label) {
    auto* field = MakeField<TFloatField>(dataSet, fieldName, required, label);
    field->SetCurrency(true);
    field->SetDisplayFormat(QStringLiteral("#,##0.00"));
    return field;
}

TStringField* MakeTextField(TDataSet* dataSet, const QString& fieldName, int size, bool required,
                            const QString& label) {
    auto* field = MakeField<TStringField>(dataSet, fieldName, required, label);
    field->SetSize(size);
    return field;
}

TStringField* MakeCalculatedField(TDataSet* dataSet, const QString& fieldName, int size) {
    auto* field = new TStringField(dataSet->Owner());
    field->SetFieldKind(fkCalculated);
    field->SetSize(size);
    SetUpField(field, dataSet, fieldName, false, {});
    return field;
}

TStringField* MakeLookupField(TDataSet* dataSet, const QString& fieldName, int size, TDataSet* lookupSet,
                              const QString& keyFields, const QString& lookupKey,
                              const QString& resultField) {
    auto* field = new TStringField(dataSet->Owner());
    field->SetFieldKind(fkLookup);
    field->SetSize(size);
    field->SetLookupDataSet(lookupSet);
    field->SetKeyFields(keyFields);
    field->SetLookupKeyFields(lookupKey);
    field->SetLookupResultField(resultField);
    SetUpField(field, dataSet, fieldName, false, {});
    return field;
}

void MakeFields(TDataSet* dataSet, std::initializer_list<const char*> declaracoes) {
    for (const char* declaracao : declaracoes) {
        const QString texto = QString::fromLatin1(declaracao);
        const QString nome = texto.section(QLatin1Char(':'), 0, 0);
        QString tipo = texto.section(QLatin1Char(':'), 1);
        const bool required = tipo.endsWith(QLatin1Char('!'));
        if (required)
            tipo.chop(1);
        switch (tipo.isEmpty() ? '?' : tipo.at(0).toLatin1()) {
        case 'I':
            MakeField<TIntegerField>(dataSet, nome, required);
            break;
        case 'H':
            MakeField<TSmallintField>(dataSet, nome, required);
            break;
        case 'L':
            MakeField<TLargeintField>(dataSet, nome, required);
            break;
        case 'F':
            MakeField<TFloatField>(dataSet, nome, required);
            break;
        case 'M':
            MakeMoneyField(dataSet, nome, required);
            break;
        case 'D':
            MakeField<TDateField>(dataSet, nome, required);
            break;
        case 'S':
            MakeTextField(dataSet, nome, tipo.mid(1).toInt(), required);
            break;
        default:
            throw Exception(QStringLiteral("Unknown field declaration '%1'").arg(texto));
        }
    }
}
