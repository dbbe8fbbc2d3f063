#pragma once
// One SQL statement run on a database within a transaction.
//
// SQL holds the text. Parameters are written ":NAME" (a name that appears
// several times is one parameter, set once for all its places) or "?"
// (positional, reached by index only). Params and ParamByName work before the
// statement is prepared; their types are known once it is.
//
// ExecQuery prepares when needed (the text changed since the last prepare),
// binds the parameters and runs the statement. A SELECT opens a cursor and
// fetches its first row: Eof is true at once when there is none; Next fetches
// the following rows. Other statements run to completion (RowsAffected tells
// how many rows they touched). The transaction must be active: a TIBSQL never
// starts, commits or rolls back a transaction itself. A failing statement
// raises EIBError and the caller decides about the transaction.
//
// Database and Transaction default to each other: with only a database set,
// its DefaultTransaction is used; with only a transaction set, its
// DefaultDatabase.

#include "platform/base/TComponent.h"
#include "platform/db/TIBXSQLVAR.h"

#include <QHash>
#include <QStringList>
#include <cstddef>
#include <memory>
#include <vector>

class TIBDatabase;
class TIBTransaction;

enum class TIBSQLStatementType {
    Unknown,
    Select,
    Insert,
    Update,
    Delete,
    DDL,
    GetSegment,
    PutSegment,
    ExecProcedure,
    StartTransaction,
    Commit,
    Rollback,
    SelectForUpdate,
    SetGenerator,
    SavePoint,
};

class TIBSQL : public TComponent {
    Q_OBJECT
public:
    using Handle = unsigned int;

    explicit TIBSQL(TComponent* owner = nullptr);
    ~TIBSQL() override;

    TIBDatabase* Database() const;
    void SetDatabase(TIBDatabase* database);
    TIBTransaction* Transaction() const;
    // The transaction given with SetTransaction (nullptr: none, the database's default serves).
    TIBTransaction* AssignedTransaction() const { return m_transaction; }
    void SetTransaction(TIBTransaction* transaction);

    QStringList& SQL() { return m_sql; }
    const QStringList& SQL() const { return m_sql; }
    void SetSQL(const QStringList& lines) { m_sql = lines; }
    // When false the text goes to the engine as written, with no parameter
    // scan: for PSQL bodies whose ":name" are variables, not parameters.
    void SetParamCheck(bool check) { m_paramCheck = check; }

    // SQL as one text, lines joined with line breaks.
    QString SQLText() const { return m_sql.join(QLatin1Char('\n')); }
    void SetSQLText(const QString& text);

    // Prepares the current text (the database must be connected and the
    // transaction active).
    void Prepare();
    bool Prepared() const { return m_handle != 0 && m_preparedText == SQLText(); }
    // Frees the prepared statement; the next run prepares again.
    void FreeHandle();

    void ExecQuery();
    // Fetches the next row; false (and Eof) when there is none.
    bool Next();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    // A cursor of this statement is open.
    bool Open() const { return m_cursorOpen; }
    // Closes the cursor; the statement stays prepared.
    void Close();

    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    TIBXSQLVAR& Fields(int index);
    // Case-insensitive; -1 when there is no such column.
    int FieldIndex(const QString& name) const;
    // Raises EDatabaseError when there is no such column.
    TIBXSQLVAR& FieldByName(const QString& name);

    TIBXSQLVAR& Params(int index);
    // Named parameters in order of first appearance (positional ones are "").
    QStringList ParamNames();
    // Case-insensitive; nullptr when the text has no such parameter.
    TIBXSQLVAR* FindParam(const QString& name);
    // Raises EDatabaseError when the text has no such parameter.
    TIBXSQLVAR& ParamByName(const QString& name);

    // Rows inserted, updated, deleted (or fetched, for a SELECT) by the last run.
    int RowsAffected() const;
    TIBSQLStatementType SQLType() const { return m_statementType; }

    // Reads a blob of this statement's connection and transaction.
    QByteArray ReadBlob(const void* blobId) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TIBDatabase;
    friend class TIBTransaction;

    // The engine's description of one "?" of the statement.
    struct InputDescription {
        short type = 0; // with the nullable bit
        short scale = 0;
        short subType = 0;
        short length = 0;
    };

    struct Param {
        QString name; // empty for "?"
        TIBXSQLVAR var;
        std::vector<int> positions;
    };

    void RefreshParams();
    void CheckReady() const;
    void DescribeOutput();
    void DescribeInput();
    void BindInput();
    void ReadStatementInfo();
    void Fetch();
    void RenameDuplicateFields();
    void DropHandle();
    // Callbacks of the database and the transaction.
    void DatabaseClosing();
    void DatabaseDestroyed();
    void TransactionEnded();
    void TransactionDestroyed();

    TIBDatabase* m_database = nullptr;
    TIBTransaction* m_transaction = nullptr;
    QStringList m_sql;
    bool m_paramCheck = true;

    QString m_paramText; // text the parameters were parsed from
    bool m_paramTextChecked = true;
    QString m_positionalText; // that text with every parameter as "?"
    std::vector<std::unique_ptr<Param>> m_params;
    std::vector<Param*> m_positionOwner; // the parameter of each "?"
    QString m_preparedText;

    Handle m_handle = 0;
    TIBDatabase* m_handleDatabase = nullptr;       // the connection the handle belongs to
    TIBTransaction* m_cursorTransaction = nullptr; // the transaction of the open cursor
    TIBSQLStatementType m_statementType = TIBSQLStatementType::Unknown;
    std::vector<std::unique_ptr<TIBXSQLVAR>> m_fields;
    std::vector<std::max_align_t> m_inputArea;  // XSQLDA for the parameters
    std::vector<std::max_align_t> m_outputArea; // XSQLDA for the columns
    std::vector<InputDescription> m_inputDescription;
    std::vector<char> m_nullBuffer;
    int m_positionCount = 0;
    bool m_cursorOpen = false;
    bool m_eof = true;
    bool m_bof = true;
};
