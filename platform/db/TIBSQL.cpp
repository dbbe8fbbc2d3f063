#include "platform/db/TIBSQL.h"

#include "platform/db/ConnectionRegistry.h"
#include "platform/db/EIBError.h"
#include "platform/db/FbClient.h"
#include "platform/db/SqlParamParser.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBTransaction.h"

#include <QSet>

#include <algorithm>
#include <cstring>

static_assert(sizeof(TIBSQL::Handle) == sizeof(isc_stmt_handle));

namespace {

constexpr ISC_STATUS EndOfCursor = 100;
constexpr short NullIndicator = -1;

void AllocateArea(std::vector<std::max_align_t>& area, int count) {
    const std::size_t bytes = XSQLDA_LENGTH(std::max(count, 1));
    area.assign((bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t), std::max_align_t{});
    auto* da = reinterpret_cast<XSQLDA*>(area.data());
    da->version = SQLDA_VERSION1;
    da->sqln = static_cast<ISC_SHORT>(std::max(count, 1));
}

XSQLDA* Area(std::vector<std::max_align_t>& area) {
    return area.empty() ? nullptr : reinterpret_cast<XSQLDA*>(area.data());
}

TIBSQLStatementType StatementTypeFromInfo(int value) {
    switch (value) {
    case isc_info_sql_stmt_select:
        return TIBSQLStatementType::Select;
    case isc_info_sql_stmt_insert:
        return TIBSQLStatementType::Insert;
    case isc_info_sql_stmt_update:
        return TIBSQLStatementType::Update;
    case isc_info_sql_stmt_delete:
        return TIBSQLStatementType::Delete;
    case isc_info_sql_stmt_ddl:
        return TIBSQLStatementType::DDL;
    case isc_info_sql_stmt_get_segment:
        return TIBSQLStatementType::GetSegment;
    case isc_info_sql_stmt_put_segment:
        return TIBSQLStatementType::PutSegment;
    case isc_info_sql_stmt_exec_procedure:
        return TIBSQLStatementType::ExecProcedure;
    case isc_info_sql_stmt_start_trans:
        return TIBSQLStatementType::StartTransaction;
    case isc_info_sql_stmt_commit:
        return TIBSQLStatementType::Commit;
    case isc_info_sql_stmt_rollback:
        return TIBSQLStatementType::Rollback;
    case isc_info_sql_stmt_select_for_upd:
        return TIBSQLStatementType::SelectForUpdate;
    case isc_info_sql_stmt_set_generator:
        return TIBSQLStatementType::SetGenerator;
    case isc_info_sql_stmt_savepoint:
        return TIBSQLStatementType::SavePoint;
    default:
        return TIBSQLStatementType::Unknown;
    }
}

} // namespace

TIBSQL::TIBSQL(TComponent* owner) : TComponent(owner) {}

TIBSQL::~TIBSQL() {
    try {
        DropHandle();
    } catch (const std::exception&) {
        // Freeing a statement of a broken connection: nothing left to free.
    }
}

TIBDatabase* TIBSQL::Database() const {
    if (m_database)
        return m_database;
    return m_transaction ? m_transaction->DefaultDatabase() : nullptr;
}

TIBTransaction* TIBSQL::Transaction() const {
    if (m_transaction)
        return m_transaction;
    return m_database ? m_database->DefaultTransaction() : nullptr;
}

void TIBSQL::SetDatabase(TIBDatabase* database) {
    if (database == m_database)
        return;
    DropHandle();
    if (m_database)
        RemoveFreeNotification(m_database);
    m_database = database;
    if (m_database)
        FreeNotification(m_database);
}

void TIBSQL::SetTransaction(TIBTransaction* transaction) {
    if (transaction == m_transaction)
        return;
    Close();
    if (m_transaction)
        RemoveFreeNotification(m_transaction);
    m_transaction = transaction;
    if (m_transaction)
        FreeNotification(m_transaction);
}

void TIBSQL::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_database)
        m_database = nullptr;
    if (component == m_transaction)
        m_transaction = nullptr;
}

void TIBSQL::SetSQLText(const QString& text) {
    m_sql = text.split(QLatin1Char('\n'));
}

// ---- parameters -------------------------------------------------------------

void TIBSQL::RefreshParams() {
    const QString text = SQLText();
    if (text == m_paramText && m_paramCheck == m_paramTextChecked && !m_params.empty())
        return;
    if (text == m_paramText && m_paramCheck == m_paramTextChecked && m_positionCount == 0 &&
        !m_positionalText.isNull())
        return;
    m_paramText = text;
    m_paramTextChecked = m_paramCheck;
    m_params.clear();
    m_positionOwner.clear();
    if (!m_paramCheck) {
        m_positionalText = text;
        m_positionCount = 0;
        return;
    }
    const SqlParamParser::Result parsed = SqlParamParser::Parse(text);
    m_positionalText = parsed.positionalText;
    m_positionCount = static_cast<int>(parsed.markers.size());
    for (int position = 0; position < m_positionCount; ++position) {
        const QString& name = parsed.markers[position];
        Param* param = nullptr;
        if (!name.isEmpty())
            for (auto& existing : m_params)
                if (existing->name.compare(name, Qt::CaseInsensitive) == 0)
                    param = existing.get();
        if (!param) {
            m_params.push_back(std::make_unique<Param>());
            param = m_params.back().get();
            param->name = name;
            param->var.m_name = name;
            param->var.m_index = static_cast<int>(m_params.size()) - 1;
        }
        param->positions.push_back(position);
        m_positionOwner.push_back(param);
    }
}

TIBXSQLVAR& TIBSQL::Params(int index) {
    RefreshParams();
    if (index < 0 || index >= static_cast<int>(m_params.size()))
        throw EDatabaseError(QStringLiteral("Parameter index %1 out of range (%2 parameters).")
                                 .arg(index)
                                 .arg(m_params.size()));
    return m_params[static_cast<std::size_t>(index)]->var;
}

QStringList TIBSQL::ParamNames() {
    RefreshParams();
    QStringList names;
    for (const auto& param : m_params)
        names << param->name;
    return names;
}

TIBXSQLVAR* TIBSQL::FindParam(const QString& name) {
    RefreshParams();
    if (name.isEmpty())
        return nullptr;
    for (auto& param : m_params)
        if (param->name.compare(name, Qt::CaseInsensitive) == 0)
            return &param->var;
    return nullptr;
}

TIBXSQLVAR& TIBSQL::ParamByName(const QString& name) {
    if (TIBXSQLVAR* var = FindParam(name))
        return *var;
    throw EDatabaseError(QStringLiteral("Parameter %1 not found.").arg(name));
}

// ---- fields -------------------------------------------------------------------

TIBXSQLVAR& TIBSQL::Fields(int index) {
    if (index < 0 || index >= FieldCount())
        throw EDatabaseError(
            QStringLiteral("Field index %1 out of range (%2 fields).").arg(index).arg(FieldCount()));
    return *m_fields[static_cast<std::size_t>(index)];
}

int TIBSQL::FieldIndex(const QString& name) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i]->Name().compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

TIBXSQLVAR& TIBSQL::FieldByName(const QString& name) {
    const int index = FieldIndex(name);
    if (index < 0)
        throw EDatabaseError(QStringLiteral("Field %1 not found.").arg(name));
    return *m_fields[static_cast<std::size_t>(index)];
}

void TIBSQL::RenameDuplicateFields() {
    QSet<QString> used;
    for (auto& field : m_fields) {
        QString name = field->m_name;
        if (used.contains(name.toUpper())) {
            int suffix = 1;
            while (used.contains((field->m_name + QString::number(suffix)).toUpper()))
                ++suffix;
            name = field->m_name + QString::number(suffix);
        }
        field->m_name = name;
        used.insert(name.toUpper());
    }
}

// ---- preparing ----------------------------------------------------------------

void TIBSQL::CheckReady() const {
    TIBDatabase* database = Database();
    if (!database)
        throw EDatabaseError(QStringLiteral("The statement %1 has no database.").arg(Name()));
    database->CheckConnected();
    TIBTransaction* transaction = Transaction();
    if (!transaction)
        throw EDatabaseError(QStringLiteral("The statement %1 has no transaction.").arg(Name()));
    transaction->CheckInTransaction();
}

void TIBSQL::Prepare() {
    CheckReady();
    if (Prepared() && m_handleDatabase == Database())
        return;
    DropHandle();
    RefreshParams();
    if (m_positionalText.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("The statement %1 has no SQL text.").arg(Name()));

    TIBDatabase* database = Database();
    TIBTransaction* transaction = Transaction();
    const FbClient& fb = FbClient::Instance();
    ISC_STATUS_ARRAY status{};
    fb.dsql_allocate_statement(status, database->HandlePtr(), &m_handle);
    EIBError::Check(status);
    m_handleDatabase = database;
    database->AttachStatement(this);

    try {
        AllocateArea(m_outputArea, 1);
        const QByteArray text = m_positionalText.toUtf8();
        fb.dsql_prepare(status, transaction->HandlePtr(), &m_handle, 0, text.constData(),
                        static_cast<unsigned short>(database->SQLDialect()), Area(m_outputArea));
        EIBError::Check(status);
        ReadStatementInfo();
        DescribeOutput();
        DescribeInput();
    } catch (...) {
        DropHandle();
        throw;
    }
    m_preparedText = SQLText();
}

void TIBSQL::ReadStatementInfo() {
    const char items[] = {isc_info_sql_stmt_type};
    char answer[16] = {};
    ISC_STATUS_ARRAY status{};
    const FbClient& fb = FbClient::Instance();
    fb.dsql_sql_info(status, &m_handle, sizeof items, items, sizeof answer, answer);
    EIBError::Check(status);
    m_statementType = TIBSQLStatementType::Unknown;
    if (answer[0] == isc_info_sql_stmt_type) {
        const int length = static_cast<int>(fb.vax_integer(answer + 1, 2));
        m_statementType =
            StatementTypeFromInfo(static_cast<int>(fb.vax_integer(answer + 3, static_cast<short>(length))));
    }
}

void TIBSQL::DescribeOutput() {
    const FbClient& fb = FbClient::Instance();
    const auto dialect = static_cast<unsigned short>(Database()->SQLDialect());
    XSQLDA* da = Area(m_outputArea);
    if (da->sqld > da->sqln) {
        AllocateArea(m_outputArea, da->sqld);
        da = Area(m_outputArea);
        ISC_STATUS_ARRAY status{};
        fb.dsql_describe(status, &m_handle, dialect, da);
        EIBError::Check(status);
    }
    m_fields.clear();
    for (int i = 0; i < da->sqld; ++i) {
        auto field = std::make_unique<TIBXSQLVAR>();
        XSQLVAR& var = da->sqlvar[i];
        field->Describe(&var, i, false);
        field->m_statement = this;
        var.sqldata = field->m_data.data();
        var.sqlind = &field->m_indicator;
        var.sqltype = static_cast<ISC_SHORT>(var.sqltype | 1);
        m_fields.push_back(std::move(field));
    }
    RenameDuplicateFields();
}

void TIBSQL::DescribeInput() {
    const FbClient& fb = FbClient::Instance();
    AllocateArea(m_inputArea, std::max(m_positionCount, 1));
    XSQLDA* da = Area(m_inputArea);
    ISC_STATUS_ARRAY status{};
    fb.dsql_describe_bind(status, &m_handle, 1, da);
    EIBError::Check(status);
    if (da->sqld > da->sqln) {
        AllocateArea(m_inputArea, da->sqld);
        da = Area(m_inputArea);
        fb.dsql_describe_bind(status, &m_handle, 1, da);
        EIBError::Check(status);
    }
    if (!m_paramCheck && da->sqld > 0 && m_params.empty()) {
        // Without the scan, every "?" the engine found is a positional parameter.
        m_positionCount = da->sqld;
        for (int position = 0; position < m_positionCount; ++position) {
            m_params.push_back(std::make_unique<Param>());
            m_params.back()->var.m_index = position;
            m_params.back()->positions.push_back(position);
            m_positionOwner.push_back(m_params.back().get());
        }
    }
    if (da->sqld != m_positionCount)
        throw EDatabaseError(QStringLiteral("The statement has %1 parameters but its text marks %2.")
                                 .arg(da->sqld)
                                 .arg(m_positionCount));
    m_inputDescription.clear();
    for (int i = 0; i < da->sqld; ++i) {
        const XSQLVAR& var = da->sqlvar[i];
        m_inputDescription.push_back({var.sqltype, var.sqlscale, var.sqlsubtype, var.sqllen});
    }
    for (auto& param : m_params)
        param->var.Describe(&da->sqlvar[param->positions.front()], param->var.m_index, true);
    // Keep the names the text gave the parameters.
    for (auto& param : m_params)
        param->var.m_name = param->name;
}

void TIBSQL::BindInput() {
    XSQLDA* da = Area(m_inputArea);
    if (!da)
        return;
    da->sqld = static_cast<ISC_SHORT>(m_positionCount);
    std::size_t largest = 8;
    for (const InputDescription& described : m_inputDescription)
        largest = std::max<std::size_t>(largest, static_cast<std::size_t>(described.length) + 2);
    m_nullBuffer.assign(largest, '\0');
    for (int position = 0; position < m_positionCount; ++position) {
        XSQLVAR& var = da->sqlvar[position];
        const InputDescription& described = m_inputDescription[static_cast<std::size_t>(position)];
        TIBXSQLVAR& value = m_positionOwner[static_cast<std::size_t>(position)]->var;
        if (value.IsNull() || value.m_storage.type == 0) {
            var.sqltype = static_cast<ISC_SHORT>(described.type | 1);
            var.sqlscale = described.scale;
            var.sqlsubtype = described.subType;
            var.sqllen = described.length;
            var.sqldata = m_nullBuffer.data();
            var.sqlind = const_cast<short*>(&NullIndicator);
            continue;
        }
        const auto& storage = value.m_storage;
        if (storage.length > 32767)
            throw EDatabaseError(
                QStringLiteral("O valor do parâmetro %1 é longo demais (%2 bytes).")
                    .arg(value.Name().isEmpty() ? QString::number(position + 1) : value.Name())
                    .arg(storage.length));
        var.sqltype = static_cast<ISC_SHORT>(storage.type | 1);
        var.sqlscale = storage.scale;
        var.sqlsubtype = storage.subType;
        var.sqllen = static_cast<ISC_SHORT>(storage.length);
        var.sqldata = value.m_data.data();
        var.sqlind = &value.m_indicator;
    }
}

// ---- running ------------------------------------------------------------------

void TIBSQL::ExecQuery() {
    CheckReady();
    Close();
    Prepare();
    BindInput();

    TIBTransaction* transaction = Transaction();
    const FbClient& fb = FbClient::Instance();
    const auto dialect = static_cast<unsigned short>(Database()->SQLDialect());
    XSQLDA* input = m_positionCount > 0 ? Area(m_inputArea) : nullptr;
    ISC_STATUS_ARRAY status{};
    m_bof = true;
    m_eof = true;
    switch (m_statementType) {
    case TIBSQLStatementType::Select:
    case TIBSQLStatementType::SelectForUpdate:
        fb.dsql_execute(status, transaction->HandlePtr(), &m_handle, dialect, input);
        EIBError::Check(status);
        m_cursorOpen = true;
        m_cursorTransaction = transaction;
        transaction->AttachStatement(this);
        m_eof = false;
        Fetch();
        break;
    case TIBSQLStatementType::ExecProcedure:
        if (!m_fields.empty()) {
            fb.dsql_execute2(status, transaction->HandlePtr(), &m_handle, dialect, input, Area(m_outputArea));
            EIBError::Check(status);
            m_eof = false;
            break;
        }
        [[fallthrough]];
    default:
        fb.dsql_execute(status, transaction->HandlePtr(), &m_handle, dialect, input);
        EIBError::Check(status);
        break;
    }
    ConnectionRegistry::Instance().NotifyActivity(Database());
}

void TIBSQL::Fetch() {
    ISC_STATUS_ARRAY status{};
    const ISC_STATUS result = FbClient::Instance().dsql_fetch(
        status, &m_handle, static_cast<unsigned short>(Database()->SQLDialect()), Area(m_outputArea));
    if (result == EndOfCursor) {
        m_eof = true;
        return;
    }
    EIBError::Check(status);
}

bool TIBSQL::Next() {
    if (m_eof)
        return false;
    m_bof = false;
    if (!m_cursorOpen) {
        // The single row of an executed procedure has been read.
        m_eof = true;
        return false;
    }
    Fetch();
    return !m_eof;
}

void TIBSQL::Close() {
    m_eof = true;
    if (!m_cursorOpen)
        return;
    m_cursorOpen = false;
    if (m_cursorTransaction) {
        m_cursorTransaction->DetachStatement(this);
        m_cursorTransaction = nullptr;
    }
    if (m_handle && m_handleDatabase && m_handleDatabase->Connected()) {
        ISC_STATUS_ARRAY status{};
        FbClient::Instance().dsql_free_statement(status, &m_handle, DSQL_close);
        EIBError::Check(status);
    }
}

int TIBSQL::RowsAffected() const {
    if (!m_handle)
        return 0;
    const char items[] = {isc_info_sql_records};
    char answer[128] = {};
    ISC_STATUS_ARRAY status{};
    const FbClient& fb = FbClient::Instance();
    Handle handle = m_handle;
    fb.dsql_sql_info(status, &handle, sizeof items, items, sizeof answer, answer);
    EIBError::Check(status);
    if (answer[0] != isc_info_sql_records)
        return 0;
    int selected = 0;
    int changed = 0;
    const char* p = answer + 3;
    const char* end = answer + sizeof answer;
    while (p + 3 <= end && *p != isc_info_end) {
        const char item = *p;
        const int length = static_cast<int>(fb.vax_integer(p + 1, 2));
        if (p + 3 + length > end)
            break;
        const int count = static_cast<int>(fb.vax_integer(p + 3, static_cast<short>(length)));
        if (item == isc_info_req_select_count)
            selected = count;
        else if (item == isc_info_req_insert_count || item == isc_info_req_update_count ||
                 item == isc_info_req_delete_count)
            changed += count;
        p += 3 + length;
    }
    const bool select = m_statementType == TIBSQLStatementType::Select ||
                        m_statementType == TIBSQLStatementType::SelectForUpdate;
    return select ? selected : changed;
}

QByteArray TIBSQL::ReadBlob(const void* blobId) const {
    TIBDatabase* database = m_handleDatabase;
    TIBTransaction* transaction = Transaction();
    if (!database || !database->Connected() || !transaction || !transaction->InTransaction())
        throw EDatabaseError(QStringLiteral("A blob can only be read while its transaction is active."));
    const FbClient& fb = FbClient::Instance();
    ISC_STATUS_ARRAY status{};
    isc_blob_handle blob = 0;
    ISC_QUAD id;
    std::memcpy(&id, blobId, sizeof id);
    fb.open_blob2(status, database->HandlePtr(), transaction->HandlePtr(), &blob, &id, 0, nullptr);
    EIBError::Check(status);
    QByteArray content;
    char buffer[32768];
    for (;;) {
        unsigned short length = 0;
        const ISC_STATUS result = fb.get_segment(status, &blob, &length, sizeof buffer, buffer);
        if (result == isc_segstr_eof)
            break;
        if (result != 0 && result != isc_segment) {
            ISC_STATUS_ARRAY ignored{};
            fb.close_blob(ignored, &blob);
            EIBError::Check(status);
        }
        content.append(buffer, length);
    }
    fb.close_blob(status, &blob);
    EIBError::Check(status);
    return content;
}

// ---- lifetime -----------------------------------------------------------------

void TIBSQL::FreeHandle() {
    DropHandle();
}

void TIBSQL::DropHandle() {
    try {
        Close();
    } catch (const EIBError&) {
        // The statement goes away with its cursor.
    }
    if (m_handle && m_handleDatabase && m_handleDatabase->Connected()) {
        ISC_STATUS_ARRAY status{};
        FbClient::Instance().dsql_free_statement(status, &m_handle, DSQL_drop);
    }
    m_handle = 0;
    if (m_handleDatabase) {
        m_handleDatabase->DetachStatement(this);
        m_handleDatabase = nullptr;
    }
    m_fields.clear();
    m_preparedText.clear();
    m_statementType = TIBSQLStatementType::Unknown;
}

void TIBSQL::DatabaseClosing() {
    DropHandle();
}

void TIBSQL::DatabaseDestroyed() {
    m_handle = 0;
    m_handleDatabase = nullptr;
    m_cursorOpen = false;
    m_eof = true;
}

void TIBSQL::TransactionEnded() {
    // The engine closed the cursor with the transaction.
    m_cursorOpen = false;
    m_eof = true;
    if (m_cursorTransaction) {
        m_cursorTransaction->DetachStatement(this);
        m_cursorTransaction = nullptr;
    }
}

void TIBSQL::TransactionDestroyed() {
    TransactionEnded();
}
