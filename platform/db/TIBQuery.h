#pragma once
// A data set over one SQL statement of a Firebird database.
//
// SQL is the statement text; setting it closes the query and rebuilds Params
// from the ":NAME" markers of the text (values of names that stay are kept).
// Open runs the statement with the parameters and reads every row into
// memory; the fields are typed from the result columns:
//   CHAR, VARCHAR            ftString (Size: characters)
//   SMALLINT, INTEGER, BIGINT ftSmallint, ftInteger, ftLargeint
//   NUMERIC, DECIMAL         ftFloat holding exact Currency (up to four
//                            decimals; more decimals read as double)
//   FLOAT, DOUBLE PRECISION  ftFloat
//   DATE                     ftDate;  TIME, TIMESTAMP ftDateTime
//   BLOB SUB_TYPE TEXT       ftMemo
// A column name that repeats in the result arrives with a suffix
// (NU_INSCRICAO, NU_INSCRICAO1). Each field's Origin is "TABLE.COLUMN" when
// the column comes from a table. Persistent fields given before Open select
// and shape the fields the query shows.
//
// Master link: with DataSource set, each parameter named after a field of the
// data source's data set takes that field's value from the master's current
// record whenever the query opens, and an open query fetches its rows again
// when the master moves to a record with other values; it closes with the
// master. A provider over the master packs these rows into nested data sets.
//
// Transactions: Open and ExecSQL start the transaction when it is not active
// and, in that case, commit it once the statement has run, so a query never
// leaves behind a transaction it started (an open read transaction would
// keep showing an old snapshot). Open starts it read-only: reading writes
// nothing to the database file. A transaction already active is left as it is.
//
// Statements: each SQL text the query is given is prepared once and kept
// prepared (up to 32 texts; past that the kept ones are let go), so a query
// that goes back to a text it ran before runs it without preparing it again.

#include "platform/db/TDataSet.h"
#include "platform/db/TParams.h"
#include "platform/db/TransactionScope.h"

#include <QHash>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class TDataSource;
class TIBDatabase;
class TIBSQL;
class TIBTransaction;
class TMasterDataLink;

class TIBQuery : public TDataSet {
public:
    explicit TIBQuery(TComponent* owner = nullptr);
    ~TIBQuery() override;

    TIBDatabase* Database() const;
    void SetDatabase(TIBDatabase* database);
    TIBTransaction* Transaction() const;
    void SetTransaction(TIBTransaction* transaction);

    const QStringList& SQL() const { return m_sql; }
    void SetSQL(const QStringList& lines);
    QString SQLText() const { return m_sql.join(QLatin1Char('\n')); }
    void SetSQLText(const QString& text);

    // The master's data source (nullptr: none).
    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* source);
    // The parameters of this query named after fields of the master.
    QStringList MasterFieldNames() const;

    TParams& Params() { return m_params; }
    const TParams& Params() const { return m_params; }
    // Raises EDatabaseError "Parameter '%s' not found".
    TParam* ParamByName(const QString& name) const { return m_params.ParamByName(name); }

    // Prepares the statement (the transaction is started when needed).
    void Prepare();
    bool Prepared() const;

    // Runs a statement that returns no rows (INSERT, UPDATE, DELETE, DDL).
    void ExecSQL();
    // Rows touched by the last ExecSQL, or read by the last Open.
    int RowsAffected() const { return m_rowsAffected; }

    // "TABLE.COLUMN" of a result column of the last Open (empty when unknown).
    QString ColumnOrigin(const QString& columnName) const { return m_origins.value(columnName.toUpper()); }

    // Closes the query as Close does and hands over, instead of dropping
    // them, the values of `fields` (data fields of this query) of every
    // record it held, in the order of its records: the rows move, they are
    // not copied.
    std::vector<TRecordValues> CloseTakingRows(const std::vector<TField*>& fields);

protected:
    void InternalOpen() override;
    void InternalClose() override;
    void InternalRefresh() override;
    TField* CreateField(const TFieldDef& def) override;

private:
    // Runs the statement with the current parameters inside `work`, starting
    // and then committing the transaction when it was not active.
    void RunStatement(const std::function<void()>& work,
                      TransactionScope::Access access = TransactionScope::Access::ReadWrite);
    // Makes the statement of `lines` the current one, kept or new.
    void UseStatement(const QStringList& lines);
    void BindParams();
    void DefineFieldDefs();
    void LoadRows();
    void RebuildParams();
    // Copies the master's values into the linked parameters; true when one changed.
    bool TakeMasterValues();
    void MasterChanged(TField* field);

    std::map<QString, std::unique_ptr<TIBSQL>> m_statements; // by SQL text
    TIBSQL* m_statement = nullptr;                           // the current text's
    std::unique_ptr<TMasterDataLink> m_masterLink;
    QStringList m_sql;
    TParams m_params;
    QHash<QString, QString> m_origins; // upper-case column name -> TABLE.COLUMN
    int m_rowsAffected = 0;
    // While CloseTakingRows runs: the slots taken and where the rows go.
    std::vector<int> m_takenSlots;
    std::vector<TRecordValues>* m_takenRows = nullptr;
};
