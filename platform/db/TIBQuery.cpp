#include "platform/db/TIBQuery.h"

#include "platform/db/SqlParamParser.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TMasterDataLink.h"
#include "platform/db/TParam.h"

#include <QSet>

namespace {

TFieldType FieldTypeOf(const TIBXSQLVAR& column) {
    switch (column.SqlType()) {
    case TIBSqlType::Char:
    case TIBSqlType::VarChar:
        return ftString;
    case TIBSqlType::SmallInt:
    case TIBSqlType::Integer:
    case TIBSqlType::BigInt:
        if (column.Scale() < 0)
            return ftFloat;
        if (column.SqlType() == TIBSqlType::SmallInt)
            return ftSmallint;
        return column.SqlType() == TIBSqlType::Integer ? ftInteger : ftLargeint;
    case TIBSqlType::Float:
    case TIBSqlType::Double:
        return ftFloat;
    case TIBSqlType::Date:
        return ftDate;
    case TIBSqlType::Time:
    case TIBSqlType::TimeStamp:
        return ftDateTime;
    case TIBSqlType::TextBlob:
    case TIBSqlType::Blob:
        return ftMemo;
    case TIBSqlType::Boolean:
        return ftSmallint;
    case TIBSqlType::Unknown:
        break;
    }
    throw EDatabaseError(QStringLiteral("Column '%1' has a type the program cannot read").arg(column.Name()));
}

QVariant ValueOf(const TIBXSQLVAR& column, TFieldType type) {
    if (column.IsNull())
        return QVariant();
    switch (type) {
    case ftMemo:
        return column.AsString();
    case ftSmallint:
        return column.SqlType() == TIBSqlType::Boolean ? QVariant(column.AsBoolean() ? 1 : 0)
                                                       : QVariant(column.AsInteger());
    case ftDateTime:
        if (column.SqlType() == TIBSqlType::Time)
            return QDateTime(QDate(1899, 12, 30), column.AsTime());
        return column.AsDateTime();
    default:
        return column.AsVariant();
    }
}

} // namespace

TIBQuery::TIBQuery(TComponent* owner)
    : TDataSet(owner), m_masterLink(std::make_unique<TMasterDataLink>(this)) {
    UseStatement({});
    m_masterLink->OnActiveChange = [this] {
        if (!m_masterLink->Active())
            Close();
    };
    m_masterLink->OnMasterChange = [this](TField* field) { MasterChanged(field); };
}

TIBQuery::~TIBQuery() {
    m_masterLink.reset();
    Close();
}

TDataSource* TIBQuery::DataSource() const {
    return m_masterLink->DataSource();
}

void TIBQuery::SetDataSource(TDataSource* source) {
    if (source == DataSource())
        return;
    if (source && source->DataSet() == this)
        throw EDatabaseError(QStringLiteral("%1: circular data link").arg(Name()));
    m_masterLink->SetDataSource(source);
}

QStringList TIBQuery::MasterFieldNames() const {
    QStringList names;
    const TDataSet* master = m_masterLink->DataSet();
    if (!master)
        return names;
    for (int i = 0; i < m_params.Count(); ++i)
        if (master->FindField(m_params[i].Name()))
            names << m_params[i].Name();
    return names;
}

bool TIBQuery::TakeMasterValues() {
    const TDataSet* master = m_masterLink->DataSet();
    if (!master || !master->Active())
        return false;
    bool changed = false;
    for (int i = 0; i < m_params.Count(); ++i) {
        TParam& param = m_params[i];
        const TField* field = master->FindField(param.Name());
        if (!field)
            continue;
        const QVariant value = field->Value();
        if (param.Value() == value && param.Value().isNull() == value.isNull())
            continue;
        param.SetValue(value);
        changed = true;
    }
    return changed;
}

void TIBQuery::MasterChanged(TField* field) {
    if (!Active())
        return;
    if (field && m_params.FindParam(field->FieldName()) == nullptr)
        return;
    if (!TakeMasterValues())
        return;
    Close();
    Open();
}

TIBDatabase* TIBQuery::Database() const {
    return m_statement->Database();
}

void TIBQuery::SetDatabase(TIBDatabase* database) {
    if (database == Database())
        return;
    Close();
    for (const auto& [text, statement] : m_statements)
        statement->SetDatabase(database);
}

TIBTransaction* TIBQuery::Transaction() const {
    return m_statement->Transaction();
}

void TIBQuery::SetTransaction(TIBTransaction* transaction) {
    if (transaction == Transaction())
        return;
    Close();
    for (const auto& [text, statement] : m_statements)
        statement->SetTransaction(transaction);
}

void TIBQuery::SetSQL(const QStringList& lines) {
    Close();
    m_sql = lines;
    UseStatement(lines);
    RebuildParams();
}

void TIBQuery::UseStatement(const QStringList& lines) {
    constexpr std::size_t MaxKeptStatements = 32;
    const QString text = lines.join(QLatin1Char('\n'));
    auto found = m_statements.find(text);
    if (found == m_statements.end()) {
        auto statement = std::make_unique<TIBSQL>();
        if (m_statement) {
            statement->SetDatabase(m_statement->Database());
            statement->SetTransaction(m_statement->AssignedTransaction());
        }
        statement->SetSQL(lines);
        if (m_statements.size() >= MaxKeptStatements)
            m_statements.clear();
        found = m_statements.emplace(text, std::move(statement)).first;
    }
    m_statement = found->second.get();
}

void TIBQuery::SetSQLText(const QString& text) {
    SetSQL(text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
}

void TIBQuery::RebuildParams() {
    struct Kept {
        TFieldType type;
        QVariant value;
    };
    QHash<QString, Kept> kept;
    for (int i = 0; i < m_params.Count(); ++i)
        kept.insert(m_params[i].Name().toUpper(), Kept{m_params[i].DataType(), m_params[i].Value()});
    m_params.Clear();

    QSet<QString> seen;
    for (const QString& name : SqlParamParser::Parse(SQLText()).markers) {
        if (name.isEmpty() || seen.contains(name.toUpper()))
            continue;
        seen.insert(name.toUpper());
        const auto old = kept.constFind(name.toUpper());
        TParam& param = m_params.CreateParam(old == kept.constEnd() ? ftUnknown : old->type, name);
        if (old != kept.constEnd())
            param.SetValue(old->value);
    }
}

void TIBQuery::RunStatement(const std::function<void()>& work, TransactionScope::Access access) {
    TIBTransaction* transaction = Transaction();
    if (!transaction)
        throw EDatabaseError(QStringLiteral("%1: no transaction is assigned").arg(Name()));
    TransactionScope scope(*transaction, access);
    work();
    scope.Commit();
}

void TIBQuery::Prepare() {
    if (m_sql.isEmpty())
        throw EDatabaseError(QStringLiteral("%1: SQL is empty").arg(Name()));
    RunStatement([this] { m_statement->Prepare(); });
}

bool TIBQuery::Prepared() const {
    return m_statement->Prepared();
}

void TIBQuery::BindParams() {
    for (const QString& name : m_statement->ParamNames()) {
        if (name.isEmpty())
            continue;
        TIBXSQLVAR* target = m_statement->FindParam(name);
        const TParam* source = m_params.FindParam(name);
        if (!target)
            continue;
        if (!source)
            throw EDatabaseError(QStringLiteral("Parameter '%1' not found").arg(name));
        target->SetVariant(source->Value());
    }
}

void TIBQuery::ExecSQL() {
    if (m_sql.isEmpty())
        throw EDatabaseError(QStringLiteral("%1: SQL is empty").arg(Name()));
    RunStatement([this] {
        BindParams();
        m_statement->ExecQuery();
        m_rowsAffected = m_statement->RowsAffected();
        m_statement->Close();
    });
}

void TIBQuery::InternalOpen() {
    if (m_sql.isEmpty())
        throw EDatabaseError(QStringLiteral("%1: SQL is empty").arg(Name()));
    TakeMasterValues();
    RunStatement(
        [this] {
            BindParams();
            m_statement->ExecQuery();
            DefineFieldDefs();
            LoadRows();
            m_statement->Close();
        },
        TransactionScope::Access::ReadOnly);
}

void TIBQuery::InternalRefresh() {
    ClearRecords();
    TakeMasterValues();
    RunStatement(
        [this] {
            BindParams();
            m_statement->ExecQuery();
            LoadRows();
            m_statement->Close();
        },
        TransactionScope::Access::ReadOnly);
}

std::vector<TRecordValues> TIBQuery::CloseTakingRows(const std::vector<TField*>& fields) {
    std::vector<TRecordValues> rows;
    if (!Active())
        return rows;
    m_takenSlots.clear();
    for (const TField* field : fields) {
        const int slot = FieldDefs().IndexOf(field->FieldName());
        if (field->FieldKind() != fkData || field->DataSet() != this || slot < 0)
            throw EDatabaseError(
                QStringLiteral("%1: %2 is not a data field of the query").arg(Name(), field->FieldName()));
        m_takenSlots.push_back(slot);
    }
    m_takenRows = &rows;
    try {
        Close();
    } catch (...) {
        m_takenRows = nullptr;
        throw;
    }
    m_takenRows = nullptr;
    return rows;
}

void TIBQuery::InternalClose() {
    if (!m_takenRows)
        return;
    const std::size_t count = m_takenSlots.size();
    bool inOrder = true; // the slots are 0, 1, ...: each record's values move as a whole
    for (std::size_t i = 0; i < count; ++i)
        inOrder = inOrder && m_takenSlots[i] == static_cast<int>(i);
    m_takenRows->reserve(Records().size());
    for (const auto& record : Records()) {
        TRecordValues& values = record->values;
        if (inOrder && values.size() == count) {
            m_takenRows->push_back(std::move(values));
            continue;
        }
        std::vector<QVariant> row;
        row.reserve(count);
        for (int slot : m_takenSlots)
            row.push_back(static_cast<std::size_t>(slot) < values.size()
                              ? values[static_cast<std::size_t>(slot)]
                              : QVariant());
        m_takenRows->push_back(TRecordValues(row));
    }
}

void TIBQuery::DefineFieldDefs() {
    TFieldDefs& defs = FieldDefs();
    defs.Clear();
    m_origins.clear();
    for (int i = 0; i < m_statement->FieldCount(); ++i) {
        const TIBXSQLVAR& column = m_statement->Fields(i);
        const TFieldType type = FieldTypeOf(column);
        const bool isString = type == ftString;
        TFieldDef& def = defs.Add(column.Name(), type, isString ? column.Size() : 0, false);
        if (!column.RelationName().isEmpty() && !column.SqlName().isEmpty())
            m_origins.insert(def.Name().toUpper(),
                             column.RelationName() + QLatin1Char('.') + column.SqlName());
    }
    // Persistent fields learn where their column comes from.
    for (TField* field : Fields())
        if (field->FieldKind() == fkData && field->Origin().isEmpty())
            field->SetOrigin(ColumnOrigin(field->FieldName()));
}

void TIBQuery::LoadRows() {
    const int count = m_statement->FieldCount();
    // How each column goes into the record, decided once for the statement:
    // texts and exact money from the engine's buffers straight into the
    // record, other values through their QVariant.
    enum class Route { Money, Text, Value };
    struct Column {
        const TIBXSQLVAR* column;
        TFieldType type;
        Route route;
        bool padded;
    };
    std::vector<Column> columns;
    columns.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const TIBXSQLVAR& column = m_statement->Fields(i);
        const TFieldType type = FieldDefs()[i].DataType();
        const Route route = type == ftFloat && column.ExactMoney() ? Route::Money
                            : type == ftString                     ? Route::Text
                                                                   : Route::Value;
        columns.push_back({&column, type, route, column.PaddedText()});
    }
    int rows = 0;
    TRecordValues::Builder row(static_cast<std::size_t>(count));
    while (!m_statement->Eof()) {
        for (std::size_t slot = 0; slot < columns.size(); ++slot) {
            const Column& plan = columns[slot];
            const TIBXSQLVAR& column = *plan.column;
            if (column.IsNull())
                continue; // the builder's slots start null
            switch (plan.route) {
            case Route::Money:
                row.SetMoney(slot, column.AsCurrency().raw());
                break;
            case Route::Text:
                if (const std::optional<QByteArrayView> text = column.Utf8Text()) {
                    row.SetUtf8(slot, *text, plan.padded);
                    break;
                }
                [[fallthrough]];
            case Route::Value:
                row.SetValue(slot, ValueOf(column, plan.type));
                break;
            }
        }
        AppendLoadedRecord(row.Take());
        ++rows;
        m_statement->Next();
    }
    m_rowsAffected = rows;
}

TField* TIBQuery::CreateField(const TFieldDef& def) {
    TField* field = TDataSet::CreateField(def);
    if (field)
        field->SetOrigin(ColumnOrigin(def.Name()));
    return field;
}
