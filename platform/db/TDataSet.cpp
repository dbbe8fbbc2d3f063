#include "platform/db/TDataSet.h"

#include "platform/db/TBCDField.h"
#include "platform/db/TCurrencyField.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TDateField.h"
#include "platform/db/TField.h"
#include "platform/db/TFilterExpression.h"
#include "platform/db/TFloatField.h"
#include "platform/db/TIntegerField.h"
#include "platform/db/TLargeintField.h"
#include "platform/db/TMemoField.h"
#include "platform/db/TSmallintField.h"
#include "platform/db/TStringField.h"

#include <QDate>
#include <QHash>
#include <algorithm>

namespace {

// A text that is equal for equal values of any representation: 5, 5LL,
// 5.0 and Currency 5 all give "5"; a date and a date-time at midnight agree.
QString canonicalText(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        const Currency amount = value.value<Currency>();
        if (amount.raw() % Currency::Scale == 0)
            return QString::number(amount.raw() / Currency::Scale);
        QString text = amount.toString();
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        return text;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return canonicalText(QVariant::fromValue(Currency::fromDouble(value.toDouble())));
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime: {
        const QDateTime dateTime = value.toDateTime();
        if (dateTime.time() == QTime(0, 0))
            return dateTime.date().toString(Qt::ISODate);
        return dateTime.toString(Qt::ISODateWithMs);
    }
    default:
        return value.toString();
    }
}

bool valuesMatch(const QVariant& recordValue, const QVariant& key, TLocateOptions options) {
    if (recordValue.isNull() || key.isNull())
        return recordValue.isNull() && key.isNull();
    const QString recordText = canonicalText(recordValue);
    const QString keyText = canonicalText(key);
    const bool isText = recordValue.typeId() == QMetaType::QString || key.typeId() == QMetaType::QString;
    const Qt::CaseSensitivity cs =
        isText && options.testFlag(loCaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (isText && options.testFlag(loPartialKey))
        return recordText.startsWith(keyText, cs);
    return recordText.compare(keyText, cs) == 0;
}

QVariantList keyList(const QVariant& keyValues, std::size_t count) {
    if (count == 1)
        return {keyValues};
    const bool isList =
        keyValues.typeId() == QMetaType::QVariantList || keyValues.typeId() == QMetaType::QStringList;
    const QVariantList values = isList ? keyValues.toList() : QVariantList{keyValues};
    if (static_cast<std::size_t>(values.size()) != count)
        throw EDatabaseError(QStringLiteral("Expected %1 key values, got %2").arg(count).arg(values.size()));
    return values;
}

} // namespace

// Sets a temporary state (dsCalcFields, dsFilter) around a handler without
// telling the data links, and puts the previous one back.
class TempStateScope {
public:
    TempStateScope(TDataSetState& state, TRecordBuffer*& temp, TDataSetState newState, TRecordBuffer* record)
        : m_state(state), m_temp(temp), m_oldState(state), m_oldTemp(temp) {
        state = newState;
        temp = record;
    }
    ~TempStateScope() {
        m_state = m_oldState;
        m_temp = m_oldTemp;
    }
    TempStateScope(const TempStateScope&) = delete;
    TempStateScope& operator=(const TempStateScope&) = delete;

private:
    TDataSetState& m_state;
    TRecordBuffer*& m_temp;
    TDataSetState m_oldState;
    TRecordBuffer* m_oldTemp;
};

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

TDataSet::~TDataSet() {
    m_state = dsInactive;
    const std::vector<TField*> fields(m_fields.begin(), m_fields.end());
    for (TField* field : fields) {
        field->m_dataSet = nullptr;
        field->m_slot = -1;
        if (field->m_dynamic)
            delete field;
    }
    m_fields.Clear();
}

// ---- open and close -----------------------------------------------------------

void TDataSet::SetActive(bool active) {
    if (active == Active())
        return;
    if (active)
        DoOpen();
    else
        DoClose();
}

void TDataSet::DoOpen() {
    BeforeOpen(this);
    try {
        InternalOpen();
        BindFields();
        CalculateAll();
        RebuildView();
    } catch (...) {
        ClearRecords();
        UnbindFields();
        InternalClose();
        throw;
    }
    m_current = m_view.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_view.empty();
    SetState(dsBrowse);
    AfterOpen(this);
    AfterScroll(this);
}

void TDataSet::DoClose() {
    BeforeClose(this);
    m_editBuffer.reset();
    m_modified = false;
    m_displayRow = -1;
    SetState(dsInactive);
    InternalClose();
    ClearRecords();
    UnbindFields();
    AfterClose(this);
}

TField* TDataSet::CreateField(const TFieldDef& def) {
    switch (def.DataType()) {
    case ftString:
    case ftWideString:
        return new TStringField(this);
    case ftSmallint:
        return new TSmallintField(this);
    case ftInteger:
    case ftWord:
        return new TIntegerField(this);
    case ftLargeint:
        return new TLargeintField(this);
    case ftFloat:
        return new TFloatField(this);
    case ftCurrency:
        return new TCurrencyField(this);
    case ftBCD: {
        auto* field = new TBCDField(this);
        field->SetPrecision(def.Precision() > 0 ? def.Precision() : field->Precision());
        return field;
    }
    case ftDate:
        return new TDateField(this);
    case ftDateTime:
        return new TDateTimeField(this);
    case ftMemo:
        return new TMemoField(this);
    case ftDataSet:
    case ftUnknown:
        break;
    }
    return nullptr;
}

void TDataSet::BindFields() {
    const bool dynamic = m_fields.Count() == 0;
    if (dynamic) {
        for (int i = 0; i < m_fieldDefs.Count(); ++i) {
            const TFieldDef& def = m_fieldDefs[i];
            TField* field = CreateField(def);
            if (!field)
                continue;
            field->m_dynamic = true;
            field->m_fieldName = def.Name();
            field->SetSize(def.Size());
            field->SetRequired(def.Required());
            field->m_dataSet = this;
            m_fields.Add(field);
        }
    }
    m_calcFields.clear();
    const int dataSlots = m_fieldDefs.Count();
    for (TField* field : m_fields) {
        if (field->FieldKind() == fkData) {
            const int index = m_fieldDefs.IndexOf(field->FieldName());
            if (index < 0)
                throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(field->FieldName()));
            field->m_slot = index;
            if (field->Size() == 0 && m_fieldDefs[index].Size() > 0 &&
                (field->DataType() == ftString || field->DataType() == ftWideString))
                field->SetSize(m_fieldDefs[index].Size());
        } else {
            field->m_slot = dataSlots + static_cast<int>(m_calcFields.size());
            m_calcFields.push_back(field);
        }
    }
    const std::size_t slotCount = static_cast<std::size_t>(dataSlots) + m_calcFields.size();
    for (auto& record : m_records) {
        if (record->values.size() != slotCount)
            record->values.resize(slotCount);
    }
}

void TDataSet::UnbindFields() {
    m_calcFields.clear();
    m_filterFields.clear();
    const std::vector<TField*> fields(m_fields.begin(), m_fields.end());
    for (TField* field : fields) {
        field->m_slot = -1;
        if (field->m_dynamic) {
            field->m_dataSet = nullptr;
            m_fields.Remove(field);
            delete field;
        }
    }
}

void TDataSet::AddField(TField* field) {
    CheckInactive();
    if (m_fields.IndexOf(field) < 0)
        m_fields.Add(field);
    DataEvent(deLayoutChange);
}

void TDataSet::RemoveField(TField* field) {
    m_fields.Remove(field);
    std::erase(m_calcFields, field);
    std::erase(m_filterFields, field);
    field->m_slot = -1;
    if (!IsDestroying())
        DataEvent(deLayoutChange);
}

void TDataSet::CheckActive() const {
    if (!Active())
        throw EDatabaseError(QStringLiteral("Não é possível executar esta operação com os dados fechados."));
}

void TDataSet::CheckInactive() const {
    if (Active())
        throw EDatabaseError(QStringLiteral("Não é possível executar esta operação com os dados abertos."));
}

std::vector<TField*> TDataSet::GetFieldList(const QString& names) const {
    std::vector<TField*> fields;
    for (const QString& name : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = name.trimmed();
        if (!trimmed.isEmpty())
            fields.push_back(FieldByName(trimmed));
    }
    return fields;
}

// ---- records --------------------------------------------------------------------

TRecordBuffer& TDataSet::AppendLoadedRecord(const std::vector<QVariant>& values) {
    const std::size_t slotCount = static_cast<std::size_t>(m_fieldDefs.Count()) + m_calcFields.size();
    if (values.size() == slotCount)
        return AppendLoadedRecord(TRecordValues(values));
    std::vector<QVariant> resized = values;
    resized.resize(slotCount);
    return AppendLoadedRecord(TRecordValues(resized));
}

TRecordBuffer& TDataSet::AppendLoadedRecord(TRecordValues values) {
    auto record = std::make_unique<TRecordBuffer>();
    record->values = std::move(values);
    const std::size_t slotCount = static_cast<std::size_t>(m_fieldDefs.Count()) + m_calcFields.size();
    if (record->values.size() != slotCount)
        record->values.resize(slotCount);
    record->id = m_nextId++;
    m_records.push_back(std::move(record));
    return *m_records.back();
}

void TDataSet::ClearRecords() {
    m_view.clear();
    m_records.clear();
    m_current = -1;
    m_bof = true;
    m_eof = true;
}

TRecordBuffer* TDataSet::CurrentRecord() const {
    if (m_state == dsInsert || m_current < 0 || m_current >= static_cast<int>(m_view.size()))
        return nullptr;
    return m_view[static_cast<std::size_t>(m_current)];
}

TRecordBuffer* TDataSet::ActiveBuffer() const {
    switch (m_state) {
    case dsCalcFields:
    case dsFilter:
        return m_tempRecord;
    case dsEdit:
    case dsInsert:
        return m_displayRow >= 0 ? RowBuffer(m_displayRow) : m_editBuffer.get();
    case dsBrowse:
        return m_displayRow >= 0 ? RowBuffer(m_displayRow) : CurrentRecord();
    case dsInactive:
        break;
    }
    return nullptr;
}

TRecordBuffer* TDataSet::RowBuffer(int row) const {
    if (row < 0 || row >= RowCount())
        return nullptr;
    if (row == CurrentRow() && m_editBuffer)
        return m_editBuffer.get();
    if (m_state == dsInsert && row > m_insertIndex)
        --row;
    return m_view[static_cast<std::size_t>(row)];
}

int TDataSet::RowCount() const {
    return static_cast<int>(m_view.size()) + (m_state == dsInsert ? 1 : 0);
}

int TDataSet::CurrentRow() const {
    if (m_state == dsInsert)
        return std::min(m_insertIndex, static_cast<int>(m_view.size()));
    return m_current;
}

void TDataSet::SetDisplayRow(int row) {
    m_displayRow = row < 0 ? -1 : row;
}

QVariant TDataSet::FieldValue(const TField* field) const {
    const TRecordBuffer* buffer = ActiveBuffer();
    const int slot = field->m_slot;
    if (!buffer || slot < 0 || slot >= static_cast<int>(buffer->values.size()))
        return QVariant();
    return buffer->values[static_cast<std::size_t>(slot)];
}

void TDataSet::SetFieldValue(TField* field, const QVariant& value) {
    if (m_displayRow >= 0 && m_state != dsCalcFields)
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified while a display row is set")
                                 .arg(field->DisplayName()));
    TRecordBuffer* buffer = ActiveBuffer();
    const int slot = field->m_slot;
    if (!buffer || slot < 0 || slot >= static_cast<int>(buffer->values.size()))
        throw EDatabaseError(
            QStringLiteral("Field '%1' is not bound to an open dataset").arg(field->DisplayName()));
    buffer->values.Set(static_cast<std::size_t>(slot), value);
    if (m_state == dsCalcFields)
        return;
    m_modified = true;
    if (field->FieldKind() == fkData)
        CalculateFields(*buffer);
    DataEvent(deFieldChange, field);
}

QVariant TDataSet::OldFieldValue(const TField* field) const {
    if (m_state == dsInsert)
        return QVariant();
    const TRecordBuffer* record = CurrentRecord();
    const int slot = field->m_slot;
    if (!record || slot < 0)
        return QVariant();
    const auto index = static_cast<std::size_t>(slot);
    if (index < record->originalValues.size())
        return record->originalValues[index];
    return index < record->values.size() ? record->values[index] : QVariant();
}

int TDataSet::ViewIndexOf(const TRecordBuffer* record) const {
    const auto it = std::find(m_view.begin(), m_view.end(), record);
    return it == m_view.end() ? -1 : static_cast<int>(it - m_view.begin());
}

void TDataSet::SortRecords(const std::function<bool(const TRecordBuffer&, const TRecordBuffer&)>& less) {
    const TRecordBuffer* current = CurrentRecord();
    const auto byValue = [&less](const auto& a, const auto& b) { return less(*a, *b); };
    std::stable_sort(m_records.begin(), m_records.end(), byValue);
    std::stable_sort(m_view.begin(), m_view.end(), byValue);
    if (current)
        m_current = ViewIndexOf(current);
}

void TDataSet::RemoveRecord(const TRecordBuffer* record) {
    const int viewIndex = ViewIndexOf(record);
    if (viewIndex >= 0) {
        m_view.erase(m_view.begin() + viewIndex);
        if (viewIndex < m_current)
            --m_current;
        if (m_current >= static_cast<int>(m_view.size()))
            m_current = static_cast<int>(m_view.size()) - 1;
    }
    const auto it = std::find_if(m_records.begin(), m_records.end(),
                                 [record](const auto& stored) { return stored.get() == record; });
    if (it != m_records.end())
        m_records.erase(it);
    if (m_view.empty()) {
        m_bof = true;
        m_eof = true;
    }
}

TRecordBuffer& TDataSet::RestoreRecord(std::unique_ptr<TRecordBuffer> record, std::size_t position) {
    const std::size_t slotCount = static_cast<std::size_t>(m_fieldDefs.Count()) + m_calcFields.size();
    if (record->values.size() != slotCount)
        record->values.resize(slotCount);
    position = std::min(position, m_records.size());
    TRecordBuffer& restored = *record;
    m_records.insert(m_records.begin() + static_cast<std::ptrdiff_t>(position), std::move(record));
    return restored;
}

void TDataSet::Resync() {
    const TRecordBuffer* current = CurrentRecord();
    const int oldIndex = m_current;
    CalculateAll();
    RebuildView();
    m_current = current ? ViewIndexOf(current) : -1;
    if (m_current < 0 && !m_view.empty())
        m_current = std::clamp(oldIndex, 0, static_cast<int>(m_view.size()) - 1);
    if (m_view.empty()) {
        m_bof = true;
        m_eof = true;
    } else {
        m_bof = m_bof && m_current == 0;
        m_eof = m_eof && m_current == static_cast<int>(m_view.size()) - 1;
    }
    DataEvent(deDataSetChange);
}

// ---- calculated and lookup fields ------------------------------------------------

void TDataSet::CalculateFields(TRecordBuffer& record) {
    if (m_calcFields.empty())
        return;
    TempStateScope scope(m_state, m_tempRecord, dsCalcFields, &record);
    for (TField* field : m_calcFields) {
        QVariant value;
        if (field->FieldKind() == fkLookup) {
            TDataSet* lookupSet = field->LookupDataSet();
            if (lookupSet && lookupSet->Active()) {
                QVariantList keys;
                bool anyNull = false;
                for (TField* keyField : GetFieldList(field->KeyFields())) {
                    keys.append(keyField->Value());
                    anyNull = anyNull || keys.last().isNull();
                }
                // A record without a key has no lookup value.
                if (!anyNull)
                    value = lookupSet->Lookup(field->LookupKeyFields(),
                                              keys.size() == 1 ? keys.first() : QVariant(keys),
                                              field->LookupResultField());
            }
        }
        record.values.Set(static_cast<std::size_t>(field->m_slot), value);
    }
    OnCalcFields(this);
}

void TDataSet::CalculateAll() {
    if (m_calcFields.empty())
        return;
    // Lookups over the whole set go through one table per lookup field
    // instead of one search per record.
    struct LookupTable {
        TField* field;
        std::vector<TField*> keyFields;
        QHash<QString, QVariant> results;
    };
    std::vector<LookupTable> tables;
    for (TField* field : m_calcFields) {
        TDataSet* lookupSet = field->LookupDataSet();
        if (field->FieldKind() != fkLookup || !lookupSet || !lookupSet->Active())
            continue;
        LookupTable table{field, GetFieldList(field->KeyFields()), {}};
        const std::vector<TField*> lookupKeys = lookupSet->GetFieldList(field->LookupKeyFields());
        const TField* result = lookupSet->FieldByName(field->LookupResultField());
        for (const TRecordBuffer* record : lookupSet->m_view) {
            QString key;
            for (const TField* keyField : lookupKeys)
                key +=
                    canonicalText(record->values[static_cast<std::size_t>(keyField->m_slot)]) + QChar(0x1F);
            if (!table.results.contains(key))
                table.results.insert(key, record->values[static_cast<std::size_t>(result->m_slot)]);
        }
        tables.push_back(std::move(table));
    }
    for (auto& record : m_records) {
        TempStateScope scope(m_state, m_tempRecord, dsCalcFields, record.get());
        for (TField* field : m_calcFields)
            record->values.Set(static_cast<std::size_t>(field->m_slot), QVariant());
        for (const LookupTable& table : tables) {
            QString key;
            bool anyNull = false;
            for (const TField* keyField : table.keyFields) {
                const QVariant value = record->values[static_cast<std::size_t>(keyField->m_slot)];
                anyNull = anyNull || value.isNull();
                key += canonicalText(value) + QChar(0x1F);
            }
            if (!anyNull)
                record->values.Set(static_cast<std::size_t>(table.field->m_slot), table.results.value(key));
        }
        OnCalcFields(this);
    }
}

// ---- filter -----------------------------------------------------------------------

void TDataSet::SetFilter(const QString& text) {
    if (text == m_filterText && (m_filterExpression || text.trimmed().isEmpty()))
        return;
    auto expression = std::make_unique<TFilterExpression>(text);
    if (Active()) {
        for (const QString& name : expression->FieldNames())
            FieldByName(name);
    }
    m_filterText = text;
    m_filterExpression = std::move(expression);
    m_filterFields.clear();
    if (Active() && m_filtered)
        Refilter();
}

void TDataSet::SetFiltered(bool filtered) {
    if (filtered == m_filtered)
        return;
    m_filtered = filtered;
    if (Active())
        Refilter();
}

void TDataSet::Refilter() {
    CheckBrowseMode();
    RebuildView();
    First();
}

void TDataSet::RebuildView() {
    // Built aside, so that a failing filter handler leaves the old view.
    std::vector<TField*> filterFields;
    if (m_filtered && m_filterExpression) {
        for (const QString& name : m_filterExpression->FieldNames())
            filterFields.push_back(FieldByName(name));
    }
    m_filterFields = std::move(filterFields);
    std::vector<TRecordBuffer*> view;
    view.reserve(m_records.size());
    for (auto& record : m_records) {
        if (PassesFilter(*record))
            view.push_back(record.get());
    }
    m_view = std::move(view);
}

bool TDataSet::PassesFilter(TRecordBuffer& record) {
    if (!RecordInRange(record))
        return false;
    if (!m_filtered)
        return true;
    if (m_filterExpression && !m_filterText.trimmed().isEmpty()) {
        const bool pass = m_filterExpression->Evaluate([this, &record](int index) -> QVariant {
            const int slot = m_filterFields[static_cast<std::size_t>(index)]->m_slot;
            return slot < 0 ? QVariant() : record.values[static_cast<std::size_t>(slot)];
        });
        if (!pass)
            return false;
    }
    if (OnFilterRecord) {
        TempStateScope scope(m_state, m_tempRecord, dsFilter, &record);
        bool accept = true;
        OnFilterRecord(this, accept);
        return accept;
    }
    return true;
}

// ---- navigation -------------------------------------------------------------------

int TDataSet::RecordCount() const {
    return static_cast<int>(m_view.size());
}

bool TDataSet::IsEmpty() const {
    return m_state != dsInsert && m_view.empty();
}

int TDataSet::RecNo() const {
    if (m_state == dsInsert || m_current < 0)
        return 0;
    return m_current + 1;
}

void TDataSet::SetRecNo(int recNo) {
    CheckBrowseMode();
    if (m_view.empty())
        return;
    recNo = std::clamp(recNo, 1, static_cast<int>(m_view.size()));
    if (recNo != RecNo())
        MoveTo(recNo - 1);
}

void TDataSet::NotifyScroll(int distance) {
    if (TRecordBuffer* record = CurrentRecord())
        CalculateFields(*record);
    DataEvent(deDataSetScroll, &distance);
}

void TDataSet::First() {
    CheckBrowseMode();
    BeforeScroll(this);
    m_current = m_view.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_view.empty();
    if (TRecordBuffer* record = CurrentRecord())
        CalculateFields(*record);
    DataEvent(deDataSetChange);
    AfterScroll(this);
}

void TDataSet::Last() {
    CheckBrowseMode();
    BeforeScroll(this);
    m_current = static_cast<int>(m_view.size()) - 1;
    m_bof = m_view.empty();
    m_eof = true;
    if (TRecordBuffer* record = CurrentRecord())
        CalculateFields(*record);
    DataEvent(deDataSetChange);
    AfterScroll(this);
}

int TDataSet::MoveBy(int distance) {
    CheckBrowseMode();
    if (distance == 0 || (distance > 0 && m_eof) || (distance < 0 && m_bof))
        return 0;
    BeforeScroll(this);
    const int last = static_cast<int>(m_view.size()) - 1;
    const long long wanted = static_cast<long long>(m_current) + distance;
    const int target = static_cast<int>(std::clamp<long long>(wanted, last < 0 ? -1 : 0, last));
    const int moved = target - m_current;
    m_current = target;
    m_bof = distance < 0 && wanted < 0;
    m_eof = distance > 0 && wanted > last;
    if (m_view.empty()) {
        m_bof = true;
        m_eof = true;
    }
    NotifyScroll(moved);
    AfterScroll(this);
    return moved;
}

void TDataSet::MoveTo(int viewIndex) {
    BeforeScroll(this);
    const int distance = viewIndex - m_current;
    m_current = viewIndex;
    m_bof = false;
    m_eof = false;
    NotifyScroll(distance);
    AfterScroll(this);
}

// ---- editing ----------------------------------------------------------------------

void TDataSet::SetState(TDataSetState state) {
    if (m_state == state)
        return;
    m_state = state;
    DataEvent(deUpdateState);
}

void TDataSet::CheckBrowseMode() {
    CheckActive();
    DataEvent(deCheckBrowseMode);
    if (m_state == dsEdit || m_state == dsInsert) {
        UpdateRecord();
        if (m_modified)
            Post();
        else
            Cancel();
    }
}

void TDataSet::UpdateRecord() {
    if (m_state != dsEdit && m_state != dsInsert)
        throw EDatabaseError(QStringLiteral("Os dados não estão em edição nem em inclusão."));
    DataEvent(deUpdateRecord);
}

void TDataSet::Insert() {
    BeginInsertAppend(false);
}

void TDataSet::Append() {
    BeginInsertAppend(true);
}

void TDataSet::BeginInsertAppend(bool append) {
    CheckBrowseMode();
    if (!CanModify())
        throw EDatabaseError(
            QStringLiteral("Estes dados são somente para leitura e não podem ser alterados."));
    BeforeInsert(this);
    BeforeScroll(this);
    const int savedCurrent = m_current;
    const bool savedBof = m_bof;
    const bool savedEof = m_eof;
    auto buffer = std::make_unique<TRecordBuffer>();
    buffer->values.resize(static_cast<std::size_t>(m_fieldDefs.Count()) + m_calcFields.size());
    buffer->updateStatus = usInserted;
    buffer->id = m_nextId++;
    m_editBuffer = std::move(buffer);
    m_insertIndex = append || m_current < 0 ? static_cast<int>(m_view.size()) : m_current;
    m_bof = false;
    m_eof = false;
    SetState(dsInsert);
    try {
        InternalInitRecord(*m_editBuffer);
        OnNewRecord(this);
    } catch (...) {
        m_editBuffer.reset();
        m_insertIndex = -1;
        m_current = savedCurrent;
        m_bof = savedBof;
        m_eof = savedEof;
        m_modified = false;
        SetState(dsBrowse);
        DataEvent(deDataSetChange);
        throw;
    }
    CalculateFields(*m_editBuffer);
    m_modified = false;
    DataEvent(deDataSetChange);
    AfterInsert(this);
    AfterScroll(this);
}

void TDataSet::Edit() {
    if (m_state == dsEdit || m_state == dsInsert)
        return;
    CheckActive();
    if (m_view.empty()) {
        Insert();
        return;
    }
    if (!CanModify())
        throw EDatabaseError(
            QStringLiteral("Estes dados são somente para leitura e não podem ser alterados."));
    BeforeEdit(this);
    RunChecked(OnEditError, [this] { InternalEdit(); });
    m_editBuffer = std::make_unique<TRecordBuffer>(*CurrentRecord());
    m_modified = false;
    SetState(dsEdit);
    DataEvent(deRecordChange);
    AfterEdit(this);
}

void TDataSet::RunChecked(const TDataSetErrorEvent& handler, const std::function<void()>& operation) {
    for (;;) {
        try {
            operation();
            return;
        } catch (EDatabaseError& error) {
            if (!handler)
                throw;
            TDataAction action = daFail;
            handler(this, error, action);
            if (action == daFail)
                throw;
            if (action == daAbort)
                Abort();
        }
    }
}

void TDataSet::CheckRequiredFields() {
    for (TField* field : m_fields) {
        if (field->FieldKind() == fkData && field->Required() && field->IsNull()) {
            field->FocusControl();
            throw EDatabaseError(
                QStringLiteral("O campo \"%1\" deve ser preenchido.").arg(field->DisplayName()));
        }
    }
}

void TDataSet::WriteEditBuffer() {
    CalculateFields(*m_editBuffer);
    const std::size_t dataSlots = static_cast<std::size_t>(m_fieldDefs.Count());
    if (m_state == dsInsert) {
        auto record = std::make_unique<TRecordBuffer>(*m_editBuffer);
        TRecordBuffer* posted = record.get();
        const bool visible = PassesFilter(*posted);
        const bool atEnd = m_insertIndex >= static_cast<int>(m_view.size());
        auto storagePos = m_records.end();
        if (!atEnd) {
            const TRecordBuffer* before = m_view[static_cast<std::size_t>(m_insertIndex)];
            storagePos = std::find_if(m_records.begin(), m_records.end(),
                                      [before](const auto& stored) { return stored.get() == before; });
        }
        m_records.insert(storagePos, std::move(record));
        if (visible)
            m_view.insert(m_view.begin() + std::min<std::ptrdiff_t>(m_insertIndex, m_view.size()), posted);
        try {
            InternalPost(*posted, true);
        } catch (...) {
            std::erase(m_view, posted);
            std::erase_if(m_records, [posted](const auto& stored) { return stored.get() == posted; });
            throw;
        }
        m_current =
            visible ? ViewIndexOf(posted) : std::min(m_insertIndex, static_cast<int>(m_view.size()) - 1);
        m_insertIndex = -1;
    } else {
        TRecordBuffer* stored = CurrentRecord();
        const bool visible = PassesFilter(*m_editBuffer);
        const TRecordBuffer before = *stored;
        if (stored->updateStatus == usUnmodified) {
            stored->originalValues = stored->values.Head(dataSlots);
            stored->updateStatus = usModified;
        }
        stored->values = m_editBuffer->values;
        try {
            InternalPost(*stored, false);
        } catch (...) {
            *stored = before;
            throw;
        }
        if (!visible) {
            std::erase(m_view, stored);
            m_current = std::min(m_current, static_cast<int>(m_view.size()) - 1);
        } else {
            m_current = ViewIndexOf(stored);
        }
    }
    m_editBuffer.reset();
    m_bof = m_view.empty();
    m_eof = m_view.empty();
}

void TDataSet::Post() {
    UpdateRecord();
    DataEvent(deCheckBrowseMode);
    BeforePost(this);
    RunChecked(OnPostError, [this] {
        CheckRequiredFields();
        WriteEditBuffer();
    });
    m_modified = false;
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
    AfterPost(this);
}

void TDataSet::Cancel() {
    if (m_state != dsEdit && m_state != dsInsert)
        return;
    DataEvent(deCheckBrowseMode);
    BeforeCancel(this);
    InternalCancel();
    const bool inserting = m_state == dsInsert;
    m_editBuffer.reset();
    m_modified = false;
    if (inserting) {
        m_current = m_view.empty() ? -1 : std::min(m_insertIndex, static_cast<int>(m_view.size()) - 1);
        m_insertIndex = -1;
        m_bof = m_view.empty();
        m_eof = m_view.empty();
    }
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
    AfterCancel(this);
}

void TDataSet::Delete() {
    CheckActive();
    if (m_state == dsInsert) {
        Cancel();
        return;
    }
    if (m_view.empty())
        throw EDatabaseError(QStringLiteral("Não é possível executar esta operação sem registros."));
    if (!CanModify())
        throw EDatabaseError(
            QStringLiteral("Estes dados são somente para leitura e não podem ser alterados."));
    DataEvent(deCheckBrowseMode);
    BeforeDelete(this);
    BeforeScroll(this);
    RunChecked(OnDeleteError, [this] {
        TRecordBuffer* record = m_view[static_cast<std::size_t>(m_current)];
        InternalDelete(*record);
        RemoveRecord(record);
    });
    m_editBuffer.reset();
    m_modified = false;
    m_bof = m_view.empty();
    m_eof = m_view.empty();
    SetState(dsBrowse);
    if (TRecordBuffer* record = CurrentRecord())
        CalculateFields(*record);
    DataEvent(deDataSetChange);
    AfterDelete(this);
    AfterScroll(this);
}

void TDataSet::InternalPost(TRecordBuffer&, bool) {}

void TDataSet::InternalDelete(TRecordBuffer&) {}

TUpdateStatus TDataSet::UpdateStatus() const {
    if (m_state == dsInsert)
        return usInserted;
    const TRecordBuffer* record = CurrentRecord();
    return record ? record->updateStatus : usUnmodified;
}

void TDataSet::Refresh() {
    CheckBrowseMode();
    BeforeRefresh(this);
    const int oldIndex = m_current;
    InternalRefresh();
    CalculateAll();
    RebuildView();
    m_current = m_view.empty() ? -1 : std::clamp(oldIndex, 0, static_cast<int>(m_view.size()) - 1);
    m_bof = m_view.empty();
    m_eof = m_view.empty();
    DataEvent(deDataSetChange);
    AfterRefresh(this);
}

// ---- bookmarks and searching -----------------------------------------------------

TBookmark TDataSet::GetBookmark() const {
    const TRecordBuffer* record = CurrentRecord();
    return record ? record->id : 0;
}

void TDataSet::GotoBookmark(TBookmark bookmark) {
    CheckBrowseMode();
    const auto it = std::find_if(m_view.begin(), m_view.end(),
                                 [bookmark](const TRecordBuffer* record) { return record->id == bookmark; });
    if (bookmark == 0 || it == m_view.end())
        throw EDatabaseError(QStringLiteral("Registro não encontrado."));
    MoveTo(static_cast<int>(it - m_view.begin()));
}

bool TDataSet::BookmarkValid(TBookmark bookmark) const {
    return bookmark != 0 &&
           std::any_of(m_view.begin(), m_view.end(),
                       [bookmark](const TRecordBuffer* record) { return record->id == bookmark; });
}

int TDataSet::CompareBookmarks(TBookmark first, TBookmark second) const {
    if (first == second)
        return 0;
    const auto position = [this](TBookmark bookmark) -> long long {
        if (bookmark == 0)
            return -1;
        const auto it = std::find_if(m_records.begin(), m_records.end(),
                                     [bookmark](const auto& record) { return record->id == bookmark; });
        return it == m_records.end() ? -1 : it - m_records.begin();
    };
    const long long a = position(first);
    const long long b = position(second);
    return a < b ? -1 : (a > b ? 1 : 0);
}

int TDataSet::FindRecord(const std::vector<TField*>& fields, const QVariantList& values,
                         TLocateOptions options) const {
    for (std::size_t i = 0; i < m_view.size(); ++i) {
        const TRecordBuffer* record = m_view[i];
        bool match = true;
        for (std::size_t k = 0; k < fields.size() && match; ++k) {
            const int slot = fields[k]->m_slot;
            const QVariant value = slot < 0 ? QVariant() : record->values[static_cast<std::size_t>(slot)];
            match = valuesMatch(value, values[static_cast<qsizetype>(k)], options);
        }
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

bool TDataSet::Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options) {
    CheckBrowseMode();
    const std::vector<TField*> fields = GetFieldList(keyFields);
    const int index = FindRecord(fields, keyList(keyValues, fields.size()), options);
    if (index < 0)
        return false;
    MoveTo(index);
    return true;
}

QVariant TDataSet::Lookup(const QString& keyFields, const QVariant& keyValues, const QString& resultFields) {
    CheckActive();
    const std::vector<TField*> fields = GetFieldList(keyFields);
    const int index = FindRecord(fields, keyList(keyValues, fields.size()), {});
    if (index < 0)
        return QVariant();
    const TRecordBuffer* record = m_view[static_cast<std::size_t>(index)];
    const std::vector<TField*> results = GetFieldList(resultFields);
    QVariantList values;
    for (const TField* field : results)
        values.append(field->m_slot < 0 ? QVariant()
                                        : record->values[static_cast<std::size_t>(field->m_slot)]);
    if (values.size() == 1)
        return values.first();
    return values;
}

// ---- controls ---------------------------------------------------------------------

void TDataSet::DisableControls() {
    if (m_disableCount++ == 0)
        m_stateWhenDisabled = m_state;
}

void TDataSet::EnableControls() {
    if (m_disableCount == 0 || --m_disableCount > 0)
        return;
    if (m_state != m_stateWhenDisabled)
        DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
}

void TDataSet::AddDataSource(TDataSource* source) {
    if (std::find(m_dataSources.begin(), m_dataSources.end(), source) == m_dataSources.end())
        m_dataSources.push_back(source);
}

void TDataSet::RemoveDataSource(TDataSource* source) {
    std::erase(m_dataSources, source);
}

void TDataSet::DataEvent(TDataEvent event, const void* info) {
    if (m_disableCount > 0)
        return;
    const std::vector<TDataSource*> sources = m_dataSources;
    for (TDataSource* source : sources)
        source->DataEvent(event, info);
}
