#include "declarations/registers/RegisterSearch.h"

#include "components/search/TDataSetSearch.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefGeral.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/ui/Make.h"

TIBTransaction* SearchTransaction(TComponent* owner) {
    return MakeTransaction(owner, QStringLiteral("ibtPesquisa"), DMDefGeral->ibDBDef);
}

TIBQuery* SearchQuery(TComponent* owner, const QString& name, TIBTransaction* transaction,
                      const QStringList& sql) {
    auto* query = Make<TIBQuery>(owner, name);
    query->SetDatabase(DMDefGeral->ibDBDef);
    query->SetTransaction(transaction);
    query->SetSQL(sql);
    return query;
}

TDataSetSearch* SearchComponent(TComponent* owner, const QString& name, TIBQuery* query,
                                const QString& field) {
    auto* search = Make<TDataSetSearch>(owner, name);
    search->SetCaption(QStringLiteral("Pesquisa"));
    search->SetFilterCaption(QStringLiteral("Pesquisar por"));
    search->SetMultiSelect(false);
    search->SetExactSearch(false);
    search->SetDataSet(query);
    search->SetSearchField(field);
    return search;
}

bool SearchAndLocate(TDataSetSearch* search, TDataSet* dataSet, const QString& key) {
    if (search->Execute() <= 0)
        return false;
    return dataSet->Locate(key, search->SubSet().FieldByName(key)->Value());
}
