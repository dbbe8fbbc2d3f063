#pragma once
// Gives a client data set the rows of its source data set (a TIBQuery) and
// writes the client set's change log back to the database.
//
// Reading: GetRecords sets the client's parameters on the query (and its
// CommandText as the query's SQL when poAllowCommandText is set), opens the
// query, walks its rows and closes it again; the columns go into a packet and
// the rows move into it as the query closes (never copied).
//
// Nested detail sets: every TIBQuery whose DataSource points at the source
// query is a detail of it. GetRecords packs, for each source row, the rows the
// detail query returns for it, as a column of type ftDataSet named after the
// detail query (see TDataPacket); a client data set shows them through a
// nested set (TClientDataSet::SetDataSetField).
//
// Resolving: each change becomes one statement on one table: the table
// OnGetTableName names, else the single table the columns come from. Rows of
// a nested set go to the detail query's table (OnGetTableName is asked with
// the detail query as DataSet), in the same transaction as the master's.
//  - INSERT writes the columns of that table with pfInUpdate that hold a value;
//  - UPDATE writes only the columns whose value changed;
//  - DELETE removes the row.
// UPDATE and DELETE find the row by the table's primary key (read from the
// database's metadata) with the values as fetched. When the data set does not
// hold every key column, every written column's fetched value (pfInWhere)
// locates the row instead. A change fails unless exactly one row is affected
// ("Registro não encontrado ou alterado por outro usuário."); a statement
// that touched several rows is undone. Values always travel as statement
// parameters. Failures reach the caller as EReconcileError with the engine's
// error code and a message that says in Portuguese that the database refused
// the change, the engine's own text below it.
//
// BeginApply starts the query's transaction when needed; EndApply(true)
// commits it (what was applied is durable and visible to every other
// transaction at once), EndApply(false) undoes everything since BeginApply.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "platform/db/EReconcileError.h"
#include "platform/db/ProviderTypes.h"
#include "platform/db/TDataPacket.h"
#include "platform/db/TDeltaRecord.h"
#include "platform/db/TransactionScope.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <optional>

class TDataSet;
class TField;
class TIBQuery;
class TIBSQL;
class TParams;

// (Sender, DataSet, TableName)
using TGetTableNameEvent = TEvent<TObject*, TDataSet*, QString&>;
// (Sender, OwnerData)
using TRemoteEvent = TEvent<TObject*, QVariant&>;

class TDataSetProvider : public TComponent {
public:
    explicit TDataSetProvider(TComponent* owner = nullptr);
    ~TDataSetProvider() override;

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    TProviderOptions Options() const { return m_options; }
    void SetOptions(TProviderOptions options) { m_options = options; }

    // The rows of the source data set for `params` (values by name) and,
    // with poAllowCommandText, `commandText` as its SQL when not empty.
    TDataPacket GetRecords(const TParams& params, const QString& commandText, QVariant& ownerData);
    // The detail queries linked to the source query (see above).
    std::vector<TIBQuery*> DetailQueries() const;

    // Resolving, for TClientDataSet::ApplyUpdates. `fields` names the
    // columns of the changes that follow (to find the table to write).
    void BeginApply(const std::vector<TDeltaRecord::Field>& fields);
    // Raises EReconcileError when the change cannot be written.
    void ApplyRecord(const TDeltaRecord& delta);
    void EndApply(bool commit, QVariant& ownerData);
    // The row a change refers to as it stands in the database, by primary
    // key (values by field name, columns of the written table only); empty
    // when the row is gone or the table has no key the data set holds.
    std::optional<QHash<QString, QVariant>> FetchCurrentRow(const TDeltaRecord& delta);

    TGetTableNameEvent OnGetTableName;
    TRemoteEvent BeforeGetRecords, AfterGetRecords, AfterApplyUpdates;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct Column {
        QString column; // in the written table
        const TDeltaRecord::Field* field;
    };
    TIBQuery* Query() const;
    TIBQuery* FindDetailQuery(const QString& name) const;
    TDataPacket ReadRows(TIBQuery& query);
    static TDataPacket::Column PacketColumn(const TField& field);
    static std::vector<TField*> DataFields(const TIBQuery& query);
    // Moves through every row of an open detail query (its events as a reader sees them).
    static void WalkRows(TIBQuery& detail);
    // Closes a detail query, its rows moving out.
    static std::vector<TDataPacket::Row> TakeRows(TIBQuery& detail);
    QString ResolveTableName(const std::vector<TDeltaRecord::Field>& fields, TDataSet* dataSet);
    // The table a change is written to.
    QString TableOf(const TDeltaRecord& delta);
    const QStringList& PrimaryKey(const QString& table);
    // The delta's columns that belong to the table.
    std::vector<Column> TableColumns(const TDeltaRecord& delta, const QString& table) const;
    // The primary-key columns among them, or empty when one is missing.
    std::vector<Column> KeyColumns(const std::vector<Column>& columns, const QString& table);
    TIBSQL& Statement(const QString& text);
    int Execute(const QString& text, const std::vector<QVariant>& values);

    TDataSet* m_dataSet = nullptr;
    TProviderOptions m_options;
    QString m_table;                                // while applying
    QHash<QString, QString> m_nestedTables;         // while applying: upper-case nested field -> table
    std::unique_ptr<TransactionScope> m_applyScope; // while applying
    QHash<QString, QStringList> m_primaryKeys;
    std::map<QString, std::unique_ptr<TIBSQL>> m_statements;
};
