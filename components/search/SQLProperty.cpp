#include "components/search/SQLProperty.h"

#include "components/search/TCustomSQLParse.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"

namespace {
const QString kSQL = QStringLiteral("SQL");
const QString kCommandText = QStringLiteral("CommandText");

[[noreturn]] void RaiseNoSQL(const TDataSet* dataSet) {
    throw Exception(QStringLiteral("Não há propriedade SQL neste DataSet (%1)").arg(dataSet->Name()));
}
} // namespace

QString GetSQLProperty(const TDataSet* dataSet) {
    if (dynamic_cast<const TIBQuery*>(dataSet))
        return kSQL;
    if (dynamic_cast<const TClientDataSet*>(dataSet))
        return kCommandText;
    return QString();
}

void CheckSQLProperty(const TDataSet* dataSet) {
    if (dataSet && GetSQLProperty(dataSet).isEmpty())
        RaiseNoSQL(dataSet);
}

QString GetDataSetSQL(const TDataSet* dataSet) {
    if (const auto* query = dynamic_cast<const TIBQuery*>(dataSet))
        return query->SQL().join(QStringLiteral("\r\n"));
    if (const auto* client = dynamic_cast<const TClientDataSet*>(dataSet))
        return client->CommandText();
    return QString();
}

void SetDataSetSQL(TDataSet* dataSet, const QString& text) {
    if (!dataSet)
        return;
    if (auto* query = dynamic_cast<TIBQuery*>(dataSet))
        query->SetSQL(TCustomSQLParse::TextLines(text));
    else if (auto* client = dynamic_cast<TClientDataSet*>(dataSet))
        client->SetCommandText(text);
    else
        RaiseNoSQL(dataSet);
}
