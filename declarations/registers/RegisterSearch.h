#pragma once
// The search of register and lookup windows: a query of their own on the
// program's database connection (transaction ibtPesquisa), a search
// component over it ("Pesquisa", "Pesquisar por", one row, not exact), and
// locating the chosen row's key in the window's data set.

#include <QString>
#include <QStringList>

class TComponent;
class TDataSet;
class TDataSetSearch;
class TIBQuery;
class TIBTransaction;

// The transaction ibtPesquisa of the window on DMDefGeral's connection.
TIBTransaction* SearchTransaction(TComponent* owner);
// A query named `name` with the SQL lines, on the transaction.
TIBQuery* SearchQuery(TComponent* owner, const QString& name, TIBTransaction* transaction,
                      const QStringList& sql);
// The search component over the query, searching `field`.
TDataSetSearch* SearchComponent(TComponent* owner, const QString& name, TIBQuery* query,
                                const QString& field);
// Runs the search; when a row was chosen, locates its `key` in `dataSet`.
// True when the data set moved to it.
bool SearchAndLocate(TDataSetSearch* search, TDataSet* dataSet, const QString& key);
