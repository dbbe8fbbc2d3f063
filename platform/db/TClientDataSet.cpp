#include "platform/db/TClientDataSet.h"

#include "platform/db/TDataSetField.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TMasterDataLink.h"

#include <algorithm>
#include <map>
#include <unordered_set>

namespace {

const QString MissingProvider = QStringLiteral("%1: Missing data provider or data packet");

bool IsCurrency(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<Currency>();
}

bool SameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (IsCurrency(a) && IsCurrency(b))
        return a.value<Currency>() == b.value<Currency>();
    if (IsCurrency(a) || IsCurrency(b)) {
        const Currency left = IsCurrency(a) ? a.value<Currency>() : Currency::fromDouble(a.toDouble());
        const Currency right = IsCurrency(b) ? b.value<Currency>() : Currency::fromDouble(b.toDouble());
        return left == right;
    }
    return a == b;
}

bool IsNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return IsCurrency(value);
    }
}

// Orders two values of one column: nulls first, numbers by value, texts
// case-sensitively, dates by time.
int CompareValues(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() ? (b.isNull() ? 0 : -1) : 1;
    if (IsCurrency(a) && IsCurrency(b)) {
        const Currency left = a.value<Currency>();
        const Currency right = b.value<Currency>();
        return left < right ? -1 : (right < left ? 1 : 0);
    }
    if (IsNumber(a) && IsNumber(b)) {
        const double left = IsCurrency(a) ? a.value<Currency>().toDouble() : a.toDouble();
        const double right = IsCurrency(b) ? b.value<Currency>().toDouble() : b.toDouble();
        return left < right ? -1 : (right < left ? 1 : 0);
    }
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return a.toString().compare(b.toString());
    const QPartialOrdering order = QVariant::compare(a, b);
    if (order == QPartialOrdering::Less)
        return -1;
    return order == QPartialOrdering::Greater ? 1 : 0;
}

} // namespace

TClientDataSet::TClientDataSet(TComponent* owner) : TDataSet(owner) {}

TClientDataSet::~TClientDataSet() {
    Close();
    if (m_dataSetField)
        m_dataSetField->m_nestedDataSet = nullptr;
    m_masterLink.reset();
}

int TClientDataSet::ChangeCount() const {
    int count = static_cast<int>(m_log.size());
    for (const TClientDataSet* set : NestedSets())
        count += set->ChangeCount();
    return count;
}

TField* TClientDataSet::CreateField(const TFieldDef& def) {
    if (def.DataType() == ftDataSet)
        return new TDataSetField(this);
    return TDataSet::CreateField(def);
}

// ---- nested sets ---------------------------------------------------------------------

void TClientDataSet::SetDataSetField(TDataSetField* field) {
    if (field == m_dataSetField)
        return;
    if (Active())
        throw EDatabaseError(QStringLiteral("Não é possível executar esta operação com os dados abertos."));
    if (field && field->DataSet() == this)
        throw EDatabaseError(QStringLiteral("%1: a data set cannot be nested in itself").arg(Name()));
    if (field && field->m_nestedDataSet)
        throw EDatabaseError(QStringLiteral("%1: %2 is already shown by %3")
                                 .arg(Name(), field->FieldName(), field->m_nestedDataSet->Name()));
    if (m_dataSetField) {
        m_dataSetField->m_nestedDataSet = nullptr;
        RemoveFreeNotification(m_dataSetField);
    }
    m_dataSetField = field;
    if (field) {
        field->m_nestedDataSet = this;
        FreeNotification(field);
        if (!m_masterLink) {
            m_masterSource = std::make_unique<TDataSource>();
            m_masterLink = std::make_unique<TMasterDataLink>(this);
            m_masterLink->SetDataSource(m_masterSource.get());
            m_masterLink->OnActiveChange = [this] {
                if (m_followSuspended > 0)
                    return;
                if (!m_masterLink->Active()) {
                    Close();
                    return;
                }
                const TClientDataSet* master = Master();
                if (!Active() && master && m_dataSetField &&
                    master->m_nested.contains(m_dataSetField->FieldName().toUpper()))
                    Open();
            };
            m_masterLink->OnMasterChange = [this](TField* changed) {
                if (!changed && m_followSuspended == 0)
                    SyncToMaster();
            };
            m_masterLink->OnCheckBrowseMode = [this] {
                if (m_followSuspended == 0 && (State() == dsEdit || State() == dsInsert))
                    CheckBrowseMode();
            };
        }
    }
    FollowMasterField();
}

void TClientDataSet::FollowMasterField() {
    if (!m_masterSource)
        return;
    TDataSet* master = m_dataSetField ? m_dataSetField->DataSet() : nullptr;
    if (m_masterSource->DataSet() == master)
        return;
    ++m_followSuspended;
    m_masterSource->SetDataSet(master);
    --m_followSuspended;
}

void TClientDataSet::Notification(TComponent* component, TOperation operation) {
    TDataSet::Notification(component, operation);
    if (operation != TOperation::opRemove || !m_dataSetField || component != m_dataSetField)
        return;
    // The field is going away: nothing is handed back to it.
    m_dataSetField = nullptr;
    FollowMasterField();
    Close();
}

TClientDataSet* TClientDataSet::Master() const {
    return m_dataSetField ? dynamic_cast<TClientDataSet*>(m_dataSetField->DataSet()) : nullptr;
}

std::vector<TClientDataSet*> TClientDataSet::NestedSets() const {
    std::vector<TClientDataSet*> sets;
    for (TField* field : Fields())
        if (const auto* nested = dynamic_cast<const TDataSetField*>(field))
            if (nested->m_nestedDataSet && nested->m_nestedDataSet->Active())
                sets.push_back(nested->m_nestedDataSet);
    return sets;
}

void TClientDataSet::OpenNested() {
    FollowMasterField();
    TClientDataSet* master = Master();
    if (!master || !master->Active())
        throw EDatabaseError(QStringLiteral("%1: the master data set is not open").arg(Name()));
    const auto found = master->m_nested.constFind(m_dataSetField->FieldName().toUpper());
    if (found == master->m_nested.constEnd())
        throw EDatabaseError(
            QStringLiteral("%1: %2 holds no nested rows").arg(Name(), m_dataSetField->FieldName()));
    FieldDefs().Clear();
    for (const TDataPacket::Column& column : found->columns)
        FieldDefs().Add(column.name, column.dataType, column.size, column.required);
    m_columns = found->columns;
    m_masterFields = found->masterFields;
    for (const NestedRow& row : found->rows)
        AppendLoadedRecord(row.values).masterId = row.master;
    m_shownMaster = master->GetBookmark();
    SortByIndex();
}

void TClientDataSet::ReturnNestedRows() {
    TClientDataSet* master = Master();
    if (!master || !master->Active())
        return;
    const auto found = master->m_nested.find(m_dataSetField->FieldName().toUpper());
    if (found == master->m_nested.end())
        return;
    const bool hadChanges = !m_log.empty();
    for (auto it = m_log.rbegin(); it != m_log.rend(); ++it)
        UndoChange(*it);
    // A set that never finished opening holds nothing: the master keeps its rows.
    if (Records().empty() && !hadChanges)
        return;
    const std::size_t dataSlots = static_cast<std::size_t>(FieldDefs().Count());
    found->rows.clear();
    for (const auto& record : Records())
        found->rows.push_back(NestedRow{record->masterId, record->values.Head(dataSlots)});
}

void TClientDataSet::ReloadNestedRows() {
    const TClientDataSet* master = Master();
    const auto found = master->m_nested.constFind(m_dataSetField->FieldName().toUpper());
    ClearRecords();
    if (found != master->m_nested.constEnd())
        for (const NestedRow& row : found->rows)
            AppendLoadedRecord(row.values).masterId = row.master;
    m_shownMaster = 0;
    SortByIndex();
}

void TClientDataSet::SyncToMaster() {
    const TClientDataSet* master = Master();
    if (!Active() || !master)
        return;
    const TBookmark current = master->GetBookmark();
    if (current == m_shownMaster)
        return;
    if (State() == dsEdit || State() == dsInsert)
        CheckBrowseMode();
    m_shownMaster = current;
    Resync();
    First();
}

void TClientDataSet::PostMaster() {
    TClientDataSet* master = Master();
    if (!master || !master->Active())
        throw EDatabaseError(QStringLiteral("%1: the master data set is not open").arg(Name()));
    if (master->State() != dsEdit && master->State() != dsInsert)
        return;
    ++m_followSuspended;
    try {
        master->Post();
    } catch (...) {
        --m_followSuspended;
        throw;
    }
    --m_followSuspended;
}

void TClientDataSet::InternalEdit() {
    if (m_dataSetField)
        PostMaster();
}

void TClientDataSet::InternalInitRecord(TRecordBuffer& record) {
    if (!m_dataSetField)
        return;
    PostMaster();
    TClientDataSet* master = Master();
    const TBookmark current = master->GetBookmark();
    if (current == 0)
        throw EDatabaseError(QStringLiteral("%1: the master data set has no current record").arg(Name()));
    m_shownMaster = current;
    record.masterId = current;
    for (const QString& name : m_masterFields) {
        const int index = FieldDefs().IndexOf(name);
        const TField* source = master->FindField(name);
        if (index >= 0 && source)
            record.values.Set(static_cast<std::size_t>(index), source->Value());
    }
}

bool TClientDataSet::RecordInRange(const TRecordBuffer& record) const {
    return !m_dataSetField || record.masterId == m_shownMaster;
}

void TClientDataSet::CascadeDelete(TBookmark masterId) {
    if (State() == dsEdit || State() == dsInsert)
        Cancel();
    std::vector<TRecordBuffer*> rows;
    for (const auto& record : Records())
        if (record->masterId == masterId)
            rows.push_back(record.get());
    for (TRecordBuffer* record : rows) {
        LogDeletion(*record, masterId);
        RemoveRecord(record);
    }
    if (!rows.empty())
        Resync();
}

void TClientDataSet::UndoCascade(TBookmark masterId) {
    std::vector<std::uint64_t> undone;
    for (auto it = m_log.rbegin(); it != m_log.rend(); ++it) {
        if (it->deleted && it->cascadeOf == masterId) {
            UndoChange(*it);
            undone.push_back(it->serial);
        }
    }
    for (std::uint64_t serial : undone)
        RemoveChange(serial);
    if (!undone.empty()) {
        SortByIndex();
        Resync();
    }
}

void TClientDataSet::DiscardRowsOf(TBookmark masterId) {
    if (State() == dsEdit || State() == dsInsert)
        Cancel();
    std::vector<TRecordBuffer*> rows;
    for (const auto& record : Records())
        if (record->masterId == masterId)
            rows.push_back(record.get());
    for (TRecordBuffer* record : rows) {
        const auto logged = m_logged.constFind(record);
        if (logged != m_logged.constEnd())
            RemoveChange(*logged);
        RemoveRecord(record);
    }
    if (!rows.empty())
        Resync();
}

void TClientDataSet::SetProviderName(const QString& name) {
    if (name == m_providerName)
        return;
    if (Active())
        throw EDatabaseError(QStringLiteral("Não é possível executar esta operação com os dados abertos."));
    m_providerName = name;
}

void TClientDataSet::SetCommandText(const QString& text) {
    m_commandText = text;
}

TDataSetProvider* TClientDataSet::Provider() const {
    TComponent* found =
        (m_providerName.isEmpty() || !Owner()) ? nullptr : Owner()->FindComponent(m_providerName);
    auto* provider = dynamic_cast<TDataSetProvider*>(found);
    if (!provider)
        throw EDatabaseError(MissingProvider.arg(Name()));
    return provider;
}

// ---- opening ---------------------------------------------------------------------

void TClientDataSet::CreateDataSet() {
    Close();
    m_creating = true;
    try {
        Open();
    } catch (...) {
        m_creating = false;
        throw;
    }
    m_creating = false;
}

void TClientDataSet::InternalOpen() {
    if (m_creating) {
        m_columns.clear();
        if (FieldDefs().Count() == 0)
            for (TField* field : Fields())
                if (field->FieldKind() == fkData)
                    FieldDefs().Add(field->FieldName(), field->DataType(), field->Size(), field->Required());
        if (FieldDefs().Count() == 0)
            throw EDatabaseError(QStringLiteral("%1: no fields defined").arg(Name()));
        return;
    }
    if (m_dataSetField) {
        OpenNested();
        return;
    }
    TDataSetProvider* provider = Provider();
    QVariant ownerData;
    BeforeGetRecords(this, ownerData);
    TDataPacket packet = provider->GetRecords(m_params, m_commandText, ownerData);
    AfterGetRecords(this, ownerData);
    LoadPacket(std::move(packet), true);
}

void TClientDataSet::LoadPacket(TDataPacket packet, bool defineFields) {
    if (defineFields) {
        FieldDefs().Clear();
        for (const TDataPacket::Column& column : packet.columns)
            FieldDefs().Add(column.name, column.dataType, column.size, column.required);
        m_columns = packet.columns;
        m_nested.clear();
    }
    for (auto& [index, perRow] : packet.nestedRows) {
        Q_UNUSED(perRow);
        const TDataPacket::Column& column = packet.columns[index];
        NestedData& nested = m_nested[column.name.toUpper()];
        nested.columns = column.nested;
        nested.masterFields = column.masterFields;
        nested.rows.clear();
    }
    for (std::size_t i = 0; i < packet.rows.size(); ++i) {
        const TBookmark id = AppendLoadedRecord(std::move(packet.rows[i])).id;
        for (auto& [index, perRow] : packet.nestedRows) {
            if (i >= perRow.size())
                continue;
            NestedData& nested = m_nested[packet.columns[index].name.toUpper()];
            for (TRecordValues& values : perRow[i])
                nested.rows.push_back(NestedRow{id, std::move(values)});
        }
    }
    SortByIndex();
}

void TClientDataSet::InternalClose() {
    if (m_dataSetField)
        ReturnNestedRows();
    m_nested.clear();
    m_log.clear();
    m_logged.clear();
    ++m_logVersion;
}

void TClientDataSet::InternalRefresh() {
    if (ChangeCount() > 0)
        throw EDatabaseError(
            QStringLiteral("Grave ou cancele as alterações pendentes antes de atualizar os dados."));
    if (m_providerName.isEmpty())
        return; // an in-memory set holds nothing else to fetch
    TDataSetProvider* provider = Provider();
    QVariant ownerData;
    BeforeGetRecords(this, ownerData);
    TDataPacket packet = provider->GetRecords(m_params, m_commandText, ownerData);
    AfterGetRecords(this, ownerData);
    ClearRecords();
    LoadPacket(std::move(packet), false);
    for (TClientDataSet* set : NestedSets())
        set->ReloadNestedRows();
}

// ---- index -------------------------------------------------------------------------

void TClientDataSet::SetIndexFieldNames(const QString& names) {
    m_indexFieldNames = names;
    if (!Active())
        return;
    if (IndexSlots().empty()) {
        // Without an index the records stand in the order they were fetched
        // (the query's own order), those added since after them.
        SortRecords([](const TRecordBuffer& a, const TRecordBuffer& b) { return a.id < b.id; });
    } else {
        SortByIndex();
    }
    Resync();
}

std::vector<int> TClientDataSet::IndexSlots() const {
    std::vector<int> indexSlots;
    for (const QString& name : m_indexFieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int index = FieldDefs().IndexOf(name.trimmed());
        if (index < 0)
            throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name.trimmed()));
        indexSlots.push_back(index);
    }
    return indexSlots;
}

void TClientDataSet::SortByIndex() {
    const std::vector<int> indexSlots = IndexSlots();
    if (indexSlots.empty())
        return;
    SortRecords([&indexSlots](const TRecordBuffer& a, const TRecordBuffer& b) {
        for (int slot : indexSlots) {
            const auto i = static_cast<std::size_t>(slot);
            const int order = CompareValues(a.values[i], b.values[i]);
            if (order != 0)
                return order < 0;
        }
        return false;
    });
}

bool TClientDataSet::FindKey(const QVariantList& values) {
    CheckBrowseMode();
    const QStringList names = m_indexFieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.isEmpty())
        throw EDatabaseError(QStringLiteral("%1: no index is active").arg(Name()));
    if (values.isEmpty() || values.size() > names.size())
        throw EDatabaseError(QStringLiteral("%1: FindKey needs one value per index field").arg(Name()));
    const QStringList used = names.mid(0, values.size());
    return Locate(used.join(QLatin1Char(';')), values.size() == 1 ? values.first() : QVariant(values));
}

// ---- change log --------------------------------------------------------------------

void TClientDataSet::AddChange(TRecordBuffer* record) {
    if (m_logged.contains(record))
        return;
    Change change;
    change.serial = m_nextSerial++;
    change.record = record;
    m_logged.insert(record, change.serial);
    m_log.push_back(std::move(change));
}

TClientDataSet::Change* TClientDataSet::FindChange(std::uint64_t serial) {
    auto found =
        std::find_if(m_log.begin(), m_log.end(), [serial](const Change& c) { return c.serial == serial; });
    return found == m_log.end() ? nullptr : &*found;
}

void TClientDataSet::RemoveChange(std::uint64_t serial) {
    auto found =
        std::find_if(m_log.begin(), m_log.end(), [serial](const Change& c) { return c.serial == serial; });
    if (found == m_log.end())
        return;
    if (found->record)
        m_logged.remove(found->record);
    m_log.erase(found);
}

void TClientDataSet::InternalPost(TRecordBuffer& record, bool inserting) {
    Q_UNUSED(inserting);
    AddChange(&record);
    SortByIndex();
}

void TClientDataSet::InternalDelete(TRecordBuffer& record) {
    for (TClientDataSet* set : NestedSets())
        set->CascadeDelete(record.id);
    LogDeletion(record, 0);
}

void TClientDataSet::LogDeletion(TRecordBuffer& record, TBookmark cascadeOf) {
    const auto logged = m_logged.constFind(&record);
    if (logged != m_logged.constEnd()) {
        const std::uint64_t serial = *logged;
        RemoveChange(serial);
        if (record.updateStatus == usInserted)
            return; // inserted and deleted again: nothing to send
    }
    auto kept = std::make_unique<TRecordBuffer>(record);
    if (record.updateStatus == usModified)
        kept->values.AssignFirst(record.originalValues);
    kept->originalValues.clear();
    kept->updateStatus = usUnmodified;
    const auto& records = Records();
    const auto it = std::find_if(records.begin(), records.end(),
                                 [&record](const auto& stored) { return stored.get() == &record; });
    Change change;
    change.serial = m_nextSerial++;
    change.deleted = std::move(kept);
    change.position = static_cast<std::size_t>(it - records.begin());
    change.cascadeOf = cascadeOf;
    m_log.push_back(std::move(change));
}

TRecordBuffer& TClientDataSet::RestoreDeleted(Change& change) {
    ++m_logVersion;
    const TBookmark id = change.deleted->id;
    TRecordBuffer& restored = RestoreRecord(std::move(change.deleted), change.position);
    for (TClientDataSet* set : NestedSets())
        set->UndoCascade(id);
    return restored;
}

void TClientDataSet::UndoChange(Change& change) {
    ++m_logVersion;
    if (change.deleted) {
        RestoreDeleted(change);
        return;
    }
    TRecordBuffer* record = change.record;
    m_logged.remove(record);
    change.record = nullptr;
    if (record->updateStatus == usInserted) {
        const TBookmark id = record->id;
        RemoveRecord(record);
        for (TClientDataSet* set : NestedSets())
            set->DiscardRowsOf(id);
        return;
    }
    record->values.AssignFirst(record->originalValues);
    record->originalValues.clear();
    record->updateStatus = usUnmodified;
}

void TClientDataSet::AcceptChange(Change& change) {
    if (!change.record)
        return;
    change.record->originalValues.clear();
    change.record->updateStatus = usUnmodified;
}

void TClientDataSet::CancelUpdates() {
    if (State() == dsEdit || State() == dsInsert)
        Cancel();
    for (TClientDataSet* set : NestedSets())
        set->CancelUpdates();
    for (auto it = m_log.rbegin(); it != m_log.rend(); ++it)
        UndoChange(*it);
    m_log.clear();
    m_logged.clear();
    ++m_logVersion;
    if (Active()) {
        SortByIndex();
        Resync();
    }
}

void TClientDataSet::RevertRecord() {
    if (State() == dsEdit || State() == dsInsert)
        Cancel();
    TRecordBuffer* record = CurrentRecord();
    const auto logged = record ? m_logged.constFind(record) : m_logged.constEnd();
    if (logged == m_logged.constEnd())
        return;
    const std::uint64_t serial = *logged;
    UndoChange(*FindChange(serial));
    RemoveChange(serial);
    SortByIndex();
    Resync();
}

void TClientDataSet::MergeChangeLog() {
    CheckBrowseMode();
    for (TClientDataSet* set : NestedSets())
        set->MergeChangeLog();
    for (Change& change : m_log)
        AcceptChange(change);
    m_log.clear();
    m_logged.clear();
    ++m_logVersion;
}

// ---- applying ----------------------------------------------------------------------

std::vector<TDeltaRecord::Field> TClientDataSet::DeltaColumns() const {
    std::vector<TDeltaRecord::Field> columns;
    for (int i = 0; i < FieldDefs().Count(); ++i) {
        const TFieldDef& def = FieldDefs()[i];
        TDeltaRecord::Field column;
        column.name = def.Name();
        column.dataType = def.DataType();
        column.providerFlags = TProviderFlags(pfInUpdate) | pfInWhere;
        if (static_cast<std::size_t>(i) < m_columns.size()) {
            column.origin = m_columns[static_cast<std::size_t>(i)].origin;
            column.providerFlags = m_columns[static_cast<std::size_t>(i)].providerFlags;
        }
        if (const TField* field = FindField(def.Name()); field && field->FieldKind() == fkData) {
            if (!field->Origin().isEmpty())
                column.origin = field->Origin();
            column.providerFlags &= field->ProviderFlags();
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

TDeltaRecord TClientDataSet::Delta(const Change& change,
                                   const std::vector<TDeltaRecord::Field>& columns) const {
    TDeltaRecord delta;
    delta.fields = columns;
    if (m_dataSetField)
        delta.dataSetField = m_dataSetField->FieldName();
    if (change.deleted) {
        delta.updateKind = ukDelete;
        for (std::size_t i = 0; i < delta.fields.size(); ++i)
            delta.fields[i].oldValue = change.deleted->values[i];
        return delta;
    }
    const TRecordBuffer& record = *change.record;
    delta.updateKind = record.updateStatus == usInserted ? ukInsert : ukModify;
    for (std::size_t i = 0; i < delta.fields.size(); ++i) {
        TDeltaRecord::Field& field = delta.fields[i];
        field.newValue = record.values[i];
        if (delta.updateKind == ukModify && i < record.originalValues.size())
            field.oldValue = record.originalValues[i];
        field.changed = !SameValue(field.oldValue, field.newValue);
    }
    return delta;
}

int TClientDataSet::ApplyUpdates(int maxErrors) {
    if (m_dataSetField)
        throw EDatabaseError(
            QStringLiteral("%1: a nested data set is applied through its master").arg(Name()));
    CheckBrowseMode();
    const std::vector<TClientDataSet*> nested = NestedSets();
    for (TClientDataSet* set : nested)
        set->CheckBrowseMode();
    m_unstoredRefusals = 0;
    if (ChangeCount() == 0)
        return 0;
    TDataSetProvider* provider = Provider();
    QVariant ownerData;
    BeforeApplyUpdates(this, ownerData);

    // Nested deletes first, then the master's own changes, then nested
    // inserts and changes: a master row exists before its details are
    // written and has lost them before it is deleted.
    struct Step {
        TClientDataSet* set;
        const Change* change;
    };
    std::vector<Step> steps;
    for (TClientDataSet* set : nested)
        for (const Change& change : set->m_log)
            if (change.deleted)
                steps.push_back(Step{set, &change});
    for (const Change& change : m_log)
        steps.push_back(Step{this, &change});
    for (TClientDataSet* set : nested)
        for (const Change& change : set->m_log)
            if (!change.deleted)
                steps.push_back(Step{set, &change});
    std::map<const TClientDataSet*, std::vector<TDeltaRecord::Field>> columns;
    columns[this] = DeltaColumns();
    for (const TClientDataSet* set : nested)
        columns[set] = set->DeltaColumns();

    std::vector<Failure> failures;
    std::map<TClientDataSet*, std::unordered_set<std::uint64_t>> applied;
    bool commit = true;
    provider->BeginApply(columns[this]);
    try {
        for (const Step& step : steps) {
            const TDeltaRecord delta = step.set->Delta(*step.change, columns[step.set]);
            try {
                provider->ApplyRecord(delta);
                applied[step.set].insert(step.change->serial);
            } catch (const EReconcileError& error) {
                failures.push_back(Failure{step.set, step.change->serial, error, delta.updateKind});
                if (maxErrors >= 0 && static_cast<int>(failures.size()) > maxErrors) {
                    commit = false;
                    break;
                }
            }
        }
    } catch (...) {
        provider->EndApply(false, ownerData);
        throw;
    }
    // The provider reports an apply (AfterApplyUpdates) only when it wrote
    // something: a run whose every record failed commits nothing.
    commit = commit && !applied.empty();
    provider->EndApply(commit, ownerData);

    if (commit)
        for (auto& [set, serials] : applied)
            set->AcceptApplied(serials);
    Reconcile(*provider, failures);
    m_unstoredRefusals = static_cast<int>(
        std::count_if(failures.begin(), failures.end(), [](const Failure& f) { return !f.stored; }));
    AfterApplyUpdates(this, ownerData);
    return static_cast<int>(failures.size());
}

void TClientDataSet::AcceptApplied(const std::unordered_set<std::uint64_t>& serials) {
    for (Change& change : m_log)
        if (serials.count(change.serial))
            AcceptChange(change);
    std::erase_if(m_log, [&](const Change& change) {
        if (!serials.count(change.serial))
            return false;
        if (change.record)
            m_logged.remove(change.record);
        return true;
    });
}

void TClientDataSet::Position(const Change& change) {
    const TRecordBuffer* record = change.record ? change.record : change.deleted.get();
    if (TClientDataSet* master = Master(); master && record) {
        if (master->State() == dsBrowse && master->BookmarkValid(record->masterId) &&
            master->GetBookmark() != record->masterId)
            master->GotoBookmark(record->masterId);
        SyncToMaster();
    }
    if (change.record && BookmarkValid(change.record->id) && GetBookmark() != change.record->id)
        GotoBookmark(change.record->id);
}

void TClientDataSet::Reconcile(TDataSetProvider& provider, std::vector<Failure>& failures) {
    for (Failure& failure : failures)
        if (!failure.set->ReconcileOne(provider, *this, failure))
            return;
}

bool TClientDataSet::ReconcileOne(TDataSetProvider& provider, TClientDataSet& handlerSet, Failure& failure) {
    const std::vector<TDeltaRecord::Field> columns = DeltaColumns();
    std::optional<TDeltaRecord> lastTry;
    for (;;) {
        Change* change = FindChange(failure.serial);
        if (!change)
            return true; // undone by the handler (e.g. CancelUpdates)
        Position(*change);
        TReconcileAction action = raSkip;
        handlerSet.OnReconcileError(this, failure.error, failure.kind, action);
        change = FindChange(failure.serial);
        if (!change)
            return true;
        if (action == raAbort)
            return false;
        if (action == raCancel) {
            UndoChange(*change);
            RemoveChange(failure.serial);
            SortByIndex();
            Resync();
            return true;
        }
        if (action == raRefresh) {
            ShowDatabaseRow(provider, *change);
            return true;
        }
        if (action != raCorrect && action != raMerge)
            return true; // raSkip
        if (action == raMerge)
            MergeDatabaseRow(provider, *change);
        TDeltaRecord attempt = Delta(*change, columns);
        if (lastTry && lastTry->updateKind == attempt.updateKind &&
            std::equal(attempt.fields.begin(), attempt.fields.end(), lastTry->fields.begin(),
                       [](const TDeltaRecord::Field& a, const TDeltaRecord::Field& b) {
                           return SameValue(a.oldValue, b.oldValue) && SameValue(a.newValue, b.newValue);
                       }))
            return true; // nothing was corrected since the last try: keep the change
        std::optional<EReconcileError> error = Retry(provider, *change);
        if (!error) {
            failure.stored = true;
            return true;
        }
        failure.error = *error;
        failure.kind = attempt.updateKind;
        lastTry = std::move(attempt);
    }
}

std::optional<EReconcileError> TClientDataSet::Retry(TDataSetProvider& provider, Change& change) {
    const TClientDataSet* root = Master() ? Master() : this;
    const std::uint64_t serial = change.serial;
    QVariant ownerData;
    provider.BeginApply(root->DeltaColumns());
    try {
        provider.ApplyRecord(Delta(change, DeltaColumns()));
    } catch (const EReconcileError& error) {
        provider.EndApply(false, ownerData);
        return error;
    } catch (...) {
        provider.EndApply(false, ownerData);
        throw;
    }
    provider.EndApply(true, ownerData);
    AcceptChange(change);
    RemoveChange(serial);
    return std::nullopt;
}

void TClientDataSet::ShowDatabaseRow(TDataSetProvider& provider, Change& change) {
    const TDeltaRecord delta = Delta(change, DeltaColumns());
    const std::optional<QHash<QString, QVariant>> row =
        delta.updateKind == ukInsert ? std::nullopt : provider.FetchCurrentRow(delta);
    const std::uint64_t serial = change.serial;
    if (change.deleted && !row) {
        RemoveChange(serial); // the row is gone from the database as well
        Resync();
        return;
    }
    TRecordBuffer* record = change.record;
    TRecordBuffer* restored = nullptr;
    if (change.deleted) {
        restored = &RestoreDeleted(change);
    } else {
        UndoChange(change);
        restored = delta.updateKind == ukInsert ? nullptr : record;
    }
    RemoveChange(serial);
    if (restored) {
        if (row) {
            for (int i = 0; i < FieldDefs().Count(); ++i) {
                const auto value = row->constFind(FieldDefs()[i].Name());
                if (value != row->constEnd())
                    restored->values.Set(static_cast<std::size_t>(i), *value);
            }
        } else {
            RemoveRecord(restored); // changed record that the database no longer holds
        }
    }
    SortByIndex();
    Resync();
}

void TClientDataSet::MergeDatabaseRow(TDataSetProvider& provider, Change& change) {
    const std::optional<QHash<QString, QVariant>> row =
        provider.FetchCurrentRow(Delta(change, DeltaColumns()));
    if (!row)
        return;
    if (change.deleted) {
        for (int i = 0; i < FieldDefs().Count(); ++i) {
            const auto value = row->constFind(FieldDefs()[i].Name());
            if (value != row->constEnd())
                change.deleted->values.Set(static_cast<std::size_t>(i), *value);
        }
        return;
    }
    TRecordBuffer& record = *change.record;
    const std::size_t dataSlots = static_cast<std::size_t>(FieldDefs().Count());
    if (record.updateStatus == usInserted) {
        // The row exists already: the insert becomes a change of that row.
        record.originalValues = record.values.Head(dataSlots);
        record.updateStatus = usModified;
        for (std::size_t i = 0; i < dataSlots; ++i) {
            const auto value = row->constFind(FieldDefs()[static_cast<int>(i)].Name());
            if (value != row->constEnd())
                record.originalValues.Set(i, *value);
        }
    } else {
        for (std::size_t i = 0; i < dataSlots; ++i) {
            const auto value = row->constFind(FieldDefs()[static_cast<int>(i)].Name());
            if (value == row->constEnd())
                continue;
            if (SameValue(record.values[i], record.originalValues[i]))
                record.values.Set(i, *value); // untouched here: take the database's value
            record.originalValues.Set(i, *value);
        }
    }
    Resync();
}
