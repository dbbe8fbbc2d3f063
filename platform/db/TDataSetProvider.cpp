#include "platform/db/TDataSetProvider.h"

#include "platform/db/EIBError.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TMasterDataLink.h"
#include "platform/db/TParams.h"
#include "platform/db/TransactionScope.h"

#include <QRegularExpression>
#include <QSet>

#include <memory>
#include <vector>

namespace {

constexpr std::size_t MaxCachedStatements = 64;
const QString RecordNotFound = QStringLiteral("Registro não encontrado ou alterado por outro usuário.");
// The lead of the engine's text when it refuses a change.
const QString EngineRefusal = QStringLiteral("O banco de dados recusou a operação:\n%1");

QString OriginTable(const QString& origin) {
    const int dot = origin.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? origin.left(dot) : QString();
}

QString OriginColumn(const QString& origin) {
    const int dot = origin.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? origin.mid(dot + 1) : QString();
}

// Plain upper-case names go as they are; any other name is quoted.
QString Identifier(const QString& name) {
    static const QRegularExpression plain(QStringLiteral("^[A-Z][A-Z0-9_$]*$"));
    if (plain.match(name).hasMatch())
        return name;
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Runs `work` in the transaction, starting and committing it when it was not active.
template <typename Work> auto InTransaction(TIBTransaction* transaction, Work work) {
    TransactionScope scope(*transaction);
    if constexpr (std::is_void_v<decltype(work())>) {
        work();
        scope.Commit();
    } else {
        auto result = work();
        scope.Commit();
        return result;
    }
}

} // namespace

TDataSetProvider::TDataSetProvider(TComponent* owner) : TComponent(owner) {}

TDataSetProvider::~TDataSetProvider() = default;

void TDataSetProvider::SetDataSet(TDataSet* dataSet) {
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet)
        m_dataSet->RemoveFreeNotification(this);
    m_dataSet = dataSet;
    m_primaryKeys.clear();
    m_statements.clear();
    if (m_dataSet)
        m_dataSet->FreeNotification(this);
}

void TDataSetProvider::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_dataSet) {
        m_dataSet = nullptr;
        m_statements.clear();
    }
}

TIBQuery* TDataSetProvider::Query() const {
    if (!m_dataSet)
        throw EDatabaseError(QStringLiteral("%1: missing DataSet property").arg(Name()));
    auto* query = dynamic_cast<TIBQuery*>(m_dataSet);
    if (!query)
        throw EDatabaseError(
            QStringLiteral("%1: the data set %2 is not a query").arg(Name(), m_dataSet->Name()));
    if (!query->Transaction())
        throw EDatabaseError(
            QStringLiteral("%1: the query %2 has no transaction").arg(Name(), query->Name()));
    return query;
}

std::vector<TIBQuery*> TDataSetProvider::DetailQueries() const {
    std::vector<TIBQuery*> details;
    if (!m_dataSet)
        return details;
    for (const TDataSource* source : m_dataSet->DataSources())
        for (TDataLink* link : source->DataLinks())
            if (auto* masterLink = dynamic_cast<TMasterDataLink*>(link))
                if (auto* detail = dynamic_cast<TIBQuery*>(masterLink->Detail()))
                    if (std::find(details.begin(), details.end(), detail) == details.end())
                        details.push_back(detail);
    return details;
}

TIBQuery* TDataSetProvider::FindDetailQuery(const QString& name) const {
    for (TIBQuery* detail : DetailQueries())
        if (detail->Name().compare(name, Qt::CaseInsensitive) == 0)
            return detail;
    return nullptr;
}

TDataPacket TDataSetProvider::GetRecords(const TParams& params, const QString& commandText,
                                         QVariant& ownerData) {
    BeforeGetRecords(this, ownerData);
    TIBQuery* query = Query();
    query->Close();
    if (!commandText.isEmpty()) {
        if (!m_options.testFlag(poAllowCommandText))
            throw EDatabaseError(QStringLiteral("%1: CommandText changes are not allowed").arg(Name()));
        if (commandText != query->SQLText())
            query->SetSQLText(commandText);
    }
    query->Params().AssignValues(params);
    query->Open();
    TDataPacket packet;
    try {
        packet = ReadRows(*query);
    } catch (...) {
        query->Close();
        throw;
    }
    AfterGetRecords(this, ownerData);
    return packet;
}

TDataPacket TDataSetProvider::ReadRows(TIBQuery& query) {
    TDataPacket packet;
    const std::vector<TField*> fields = DataFields(query);
    for (TField* field : fields)
        packet.columns.push_back(PacketColumn(*field));
    const std::vector<TIBQuery*> details = DetailQueries();
    // The detail queries read inside their transactions, started (read-only)
    // once for the whole walk.
    std::vector<std::unique_ptr<TransactionScope>> scopes;
    try {
        for (TIBQuery* detail : details) {
            if (detail->Name().isEmpty())
                throw EDatabaseError(
                    QStringLiteral("%1: a detail query of %2 has no name").arg(Name(), query.Name()));
            if (TIBTransaction* transaction = detail->Transaction();
                transaction && !transaction->InTransaction())
                scopes.push_back(
                    std::make_unique<TransactionScope>(*transaction, TransactionScope::Access::ReadOnly));
            detail->Close();
            detail->Open(); // for its columns, even when the master holds no rows
            TDataPacket::Column column;
            column.name = detail->Name();
            column.dataType = ftDataSet;
            column.masterFields = detail->MasterFieldNames();
            for (TField* field : DataFields(*detail))
                column.nested.push_back(PacketColumn(*field));
            packet.nestedRows[packet.columns.size()];
            packet.columns.push_back(std::move(column));
        }

        // The rows stay in the query (and each master row's detail rows in
        // the detail query) until it closes, and then move into the packet.
        // The walk keeps the queries' events as a reader of every row sees them.
        query.DisableControls();
        std::size_t rowCount = 0;
        for (query.First(); !query.Eof(); query.Next()) {
            for (std::size_t d = 0; d < details.size(); ++d) {
                std::vector<std::vector<TDataPacket::Row>>& perRow = packet.nestedRows[fields.size() + d];
                if (rowCount == 0)
                    details[d]->Close();
                else
                    perRow.back() = TakeRows(*details[d]);
                details[d]->Open();
                WalkRows(*details[d]);
                perRow.emplace_back();
            }
            ++rowCount;
        }
        query.EnableControls();
        for (std::size_t d = 0; d < details.size(); ++d) {
            if (rowCount == 0)
                details[d]->Close();
            else
                packet.nestedRows[fields.size() + d].back() = TakeRows(*details[d]);
        }
    } catch (...) {
        query.EnableControls();
        throw;
    }
    for (const auto& scope : scopes)
        scope->Commit();
    packet.rows = query.CloseTakingRows(fields);
    if (!details.empty())
        for (TDataPacket::Row& row : packet.rows)
            row.resize(packet.columns.size()); // the nested columns hold no value
    return packet;
}

std::vector<TField*> TDataSetProvider::DataFields(const TIBQuery& query) {
    std::vector<TField*> fields;
    for (TField* field : query.Fields())
        if (field->FieldKind() == fkData)
            fields.push_back(field);
    return fields;
}

TDataPacket::Column TDataSetProvider::PacketColumn(const TField& field) {
    TDataPacket::Column column;
    column.name = field.FieldName();
    column.dataType = field.DataType();
    column.size = field.Size();
    column.required = field.Required();
    column.origin = field.Origin();
    column.providerFlags = field.ProviderFlags();
    return column;
}

void TDataSetProvider::WalkRows(TIBQuery& detail) {
    detail.DisableControls();
    for (detail.First(); !detail.Eof(); detail.Next()) {
    }
    detail.EnableControls();
}

std::vector<TDataPacket::Row> TDataSetProvider::TakeRows(TIBQuery& detail) {
    return detail.CloseTakingRows(DataFields(detail));
}

QString TDataSetProvider::ResolveTableName(const std::vector<TDeltaRecord::Field>& fields,
                                           TDataSet* dataSet) {
    QSet<QString> tables;
    for (const TDeltaRecord::Field& field : fields)
        if (!OriginTable(field.origin).isEmpty())
            tables.insert(OriginTable(field.origin).toUpper());
    QString table = tables.size() == 1 ? *tables.begin() : QString();
    OnGetTableName(this, dataSet, table);
    return table.trimmed();
}

QString TDataSetProvider::TableOf(const TDeltaRecord& delta) {
    if (delta.dataSetField.isEmpty()) {
        if (m_table.isEmpty())
            return ResolveTableName(delta.fields, m_dataSet);
        return m_table;
    }
    const QString key = delta.dataSetField.toUpper();
    auto found = m_nestedTables.constFind(key);
    if (found == m_nestedTables.constEnd()) {
        const QString table = ResolveTableName(delta.fields, FindDetailQuery(delta.dataSetField));
        if (table.isEmpty())
            throw EDatabaseError(QStringLiteral("%1: unable to find the table to update for %2")
                                     .arg(Name(), delta.dataSetField));
        found = m_nestedTables.insert(key, table);
    }
    return *found;
}

const QStringList& TDataSetProvider::PrimaryKey(const QString& table) {
    auto found = m_primaryKeys.constFind(table);
    if (found != m_primaryKeys.constEnd())
        return *found;
    TIBSQL& statement =
        Statement(QStringLiteral("SELECT TRIM(S.RDB$FIELD_NAME) FROM RDB$RELATION_CONSTRAINTS C "
                                 "JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = C.RDB$INDEX_NAME "
                                 "WHERE C.RDB$RELATION_NAME = ? AND C.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' "
                                 "ORDER BY S.RDB$FIELD_POSITION"));
    QStringList key = InTransaction(Query()->Transaction(), [&] {
        QStringList columns;
        statement.Params(0).SetString(table);
        statement.ExecQuery();
        for (; !statement.Eof(); statement.Next())
            columns << statement.Fields(0).AsString();
        statement.Close();
        return columns;
    });
    return *m_primaryKeys.insert(table, key);
}

std::vector<TDataSetProvider::Column> TDataSetProvider::TableColumns(const TDeltaRecord& delta,
                                                                     const QString& table) const {
    std::vector<Column> columns;
    for (const TDeltaRecord::Field& field : delta.fields)
        if (OriginTable(field.origin).compare(table, Qt::CaseInsensitive) == 0)
            columns.push_back(Column{OriginColumn(field.origin).toUpper(), &field});
    return columns;
}

std::vector<TDataSetProvider::Column> TDataSetProvider::KeyColumns(const std::vector<Column>& columns,
                                                                   const QString& table) {
    std::vector<Column> key;
    const QStringList& primaryKey = PrimaryKey(table.toUpper());
    for (const QString& name : primaryKey) {
        auto found = std::find_if(columns.begin(), columns.end(),
                                  [&](const Column& column) { return column.column == name; });
        if (found == columns.end())
            return {};
        key.push_back(*found);
    }
    return key;
}

TIBSQL& TDataSetProvider::Statement(const QString& text) {
    auto found = m_statements.find(text);
    TIBQuery* query = Query();
    if (found == m_statements.end()) {
        if (m_statements.size() >= MaxCachedStatements)
            m_statements.clear();
        auto statement = std::make_unique<TIBSQL>();
        statement->SetSQLText(text);
        found = m_statements.emplace(text, std::move(statement)).first;
    }
    TIBSQL& statement = *found->second;
    if (statement.Transaction() != query->Transaction())
        statement.SetTransaction(query->Transaction());
    if (statement.Database() != query->Database())
        statement.SetDatabase(query->Database());
    return statement;
}

int TDataSetProvider::Execute(const QString& text, const std::vector<QVariant>& values) {
    TIBSQL& statement = Statement(text);
    if (!statement.Prepared())
        statement.Prepare();
    for (std::size_t i = 0; i < values.size(); ++i)
        statement.Params(static_cast<int>(i)).SetVariant(values[i]);
    statement.ExecQuery();
    const int rows = statement.RowsAffected();
    statement.Close();
    return rows;
}

void TDataSetProvider::BeginApply(const std::vector<TDeltaRecord::Field>& fields) {
    TIBQuery* query = Query();
    m_nestedTables.clear();
    m_table = ResolveTableName(fields, m_dataSet);
    if (m_table.isEmpty())
        throw EDatabaseError(QStringLiteral("%1: unable to find the table to update").arg(Name()));
    m_applyScope = std::make_unique<TransactionScope>(*query->Transaction(), QStringLiteral("ZEB_APPLY"));
}

void TDataSetProvider::EndApply(bool commit, QVariant& ownerData) {
    const std::unique_ptr<TransactionScope> scope = std::move(m_applyScope);
    if (!scope)
        throw EDatabaseError(QStringLiteral("%1: no apply was begun").arg(Name()));
    if (commit) {
        scope->Commit();
        // Applied inside an outer transaction, the changes are made durable at once all the same.
        TIBTransaction* transaction = Query()->Transaction();
        if (transaction->InTransaction())
            transaction->Commit();
    } else {
        scope->Rollback();
    }
    m_table.clear();
    m_nestedTables.clear();
    if (commit)
        AfterApplyUpdates(this, ownerData);
}

void TDataSetProvider::ApplyRecord(const TDeltaRecord& delta) {
    const QString tableName = TableOf(delta);
    const QString table = Identifier(tableName.toUpper());
    const std::vector<Column> columns = TableColumns(delta, tableName);
    QStringList names;
    QStringList conditions;
    std::vector<QVariant> values;
    bool guarded = false; // the row match may hit several rows

    auto addLocate = [&] {
        std::vector<Column> key = KeyColumns(columns, tableName);
        if (key.empty()) {
            guarded = true;
            for (const Column& column : columns)
                if (column.field->providerFlags.testFlag(pfInWhere) && column.field->dataType != ftMemo)
                    key.push_back(column);
        }
        for (const Column& column : key) {
            if (column.field->oldValue.isNull()) {
                conditions << Identifier(column.column) + QStringLiteral(" IS NULL");
            } else {
                conditions << Identifier(column.column) + QStringLiteral(" = ?");
                values.push_back(column.field->oldValue);
            }
        }
        if (conditions.isEmpty())
            throw EReconcileError(QStringLiteral("No column locates the row in %1").arg(tableName), 0,
                                  tableName);
    };

    QString text;
    switch (delta.updateKind) {
    case ukInsert:
        for (const Column& column : columns) {
            if (!column.field->providerFlags.testFlag(pfInUpdate) || column.field->newValue.isNull())
                continue;
            names << Identifier(column.column);
            values.push_back(column.field->newValue);
        }
        if (names.isEmpty())
            text = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
        else
            text = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(table, names.join(QStringLiteral(", ")),
                            QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
        break;
    case ukModify:
        for (const Column& column : columns) {
            if (!column.field->providerFlags.testFlag(pfInUpdate) || !column.field->changed)
                continue;
            names << Identifier(column.column) + QStringLiteral(" = ?");
            values.push_back(column.field->newValue);
        }
        if (names.isEmpty())
            return; // nothing of this table changed
        addLocate();
        text = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                   .arg(table, names.join(QStringLiteral(", ")), conditions.join(QStringLiteral(" AND ")));
        break;
    case ukDelete:
        addLocate();
        text = QStringLiteral("DELETE FROM %1 WHERE %2").arg(table, conditions.join(QStringLiteral(" AND ")));
        break;
    }

    try {
        // A statement that may touch several rows is undone unless it touched exactly one.
        std::optional<TransactionScope> record;
        if (guarded)
            record.emplace(*Query()->Transaction(), QStringLiteral("ZEB_RECORD"));
        if (Execute(text, values) != 1)
            throw EReconcileError(RecordNotFound, 0, text);
        if (record)
            record->Commit();
    } catch (const EReconcileError&) {
        throw;
    } catch (const EIBError& error) {
        throw EReconcileError(EngineRefusal.arg(error.Message()), static_cast<int>(error.IBErrorCode()),
                              text);
    } catch (const Exception& error) {
        throw EReconcileError(error.Message(), 0, text);
    }
}

std::optional<QHash<QString, QVariant>> TDataSetProvider::FetchCurrentRow(const TDeltaRecord& delta) {
    TIBQuery* query = Query();
    const QString table = TableOf(delta);
    const std::vector<Column> columns = TableColumns(delta, table);
    const std::vector<Column> key = table.isEmpty() ? std::vector<Column>() : KeyColumns(columns, table);
    if (key.empty())
        return std::nullopt;
    QStringList names;
    for (const Column& column : columns)
        names << Identifier(column.column);
    QStringList conditions;
    for (const Column& column : key)
        conditions << Identifier(column.column) + QStringLiteral(" = ?");
    TIBSQL& statement = Statement(QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                                      .arg(names.join(QStringLiteral(", ")), Identifier(table.toUpper()),
                                           conditions.join(QStringLiteral(" AND "))));
    return InTransaction(query->Transaction(), [&] {
        std::optional<QHash<QString, QVariant>> row;
        for (std::size_t i = 0; i < key.size(); ++i) {
            const TDeltaRecord::Field& field = *key[i].field;
            statement.Params(static_cast<int>(i))
                .SetVariant(delta.updateKind == ukInsert ? field.newValue : field.oldValue);
        }
        statement.ExecQuery();
        if (!statement.Eof()) {
            row.emplace();
            for (std::size_t i = 0; i < columns.size(); ++i)
                row->insert(columns[i].field->name, statement.Fields(static_cast<int>(i)).AsVariant());
        }
        statement.Close();
        return row;
    });
}
