#include "platform/db/TField.h"

#include "platform/base/SysUtils.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TEditMask.h"

#include <cmath>
#include <limits>

TField::TField(TComponent* owner) : TField(owner, ftUnknown) {}

TField::TField(TComponent* owner, TFieldType dataType) : TComponent(owner), m_dataType(dataType) {}

TField::~TField() {
    if (m_dataSet)
        m_dataSet->RemoveField(this);
    if (m_lookupDataSet)
        m_lookupDataSet->RemoveFreeNotification(this);
}

void TField::SetDataSet(TDataSet* dataSet) {
    if (dataSet == m_dataSet)
        return;
    if (dataSet)
        dataSet->AddField(this); // raises when open: the field stays where it was
    if (m_dataSet)
        m_dataSet->RemoveField(this);
    m_dataSet = dataSet;
}

void TField::SetFieldName(const QString& name) {
    if (m_dataSet && m_dataSet->Active())
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an open dataset"));
    m_fieldName = name;
}

void TField::SetFieldKind(TFieldKind kind) {
    if (m_dataSet && m_dataSet->Active())
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an open dataset"));
    m_fieldKind = kind;
}

int TField::FieldNo() const {
    return m_fieldKind == fkData && m_slot >= 0 ? m_slot + 1 : 0;
}

int TField::Index() const {
    return m_dataSet ? m_dataSet->Fields().IndexOf(this) : -1;
}

QString TField::DisplayLabel() const {
    return m_displayLabel.isEmpty() ? m_fieldName : m_displayLabel;
}

int TField::DisplayWidth() const {
    return m_displayWidth >= 0 ? m_displayWidth : DefaultWidth();
}

int TField::DefaultWidth() const {
    return m_size > 0 ? m_size : 10;
}

void TField::SetLookupDataSet(TDataSet* dataSet) {
    if (m_lookupDataSet == dataSet)
        return;
    if (m_lookupDataSet)
        m_lookupDataSet->RemoveFreeNotification(this);
    m_lookupDataSet = dataSet;
    if (dataSet)
        dataSet->FreeNotification(this);
}

void TField::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_lookupDataSet)
        m_lookupDataSet = nullptr;
}

// ---- value ------------------------------------------------------------------

QVariant TField::StoredValue() const {
    if (m_validating)
        return *m_validating;
    if (!m_dataSet) {
        static const QVariant null;
        return null;
    }
    return m_dataSet->FieldValue(this);
}

QVariant TField::Value() const {
    return StoredValue();
}

bool TField::IsNull() const {
    return StoredValue().isNull();
}

QVariant TField::OldValue() const {
    return m_dataSet ? m_dataSet->OldFieldValue(this) : QVariant();
}

void TField::CheckCanAssign() const {
    if (!m_dataSet)
        RaiseError(QStringLiteral("Field '%1' has no dataset").arg(DisplayName()));
    const TDataSetState state = m_dataSet->State();
    if (m_fieldKind != fkData) {
        // Calculated and lookup values are only ever written while calculating.
        if (state != dsCalcFields)
            throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(DisplayName()));
        return;
    }
    if (state != dsEdit && state != dsInsert)
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    if (m_readOnly)
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(DisplayName()));
}

void TField::SetValue(const QVariant& value) {
    CheckCanAssign();
    QVariant converted = value.isNull() ? QVariant() : ConvertValue(value);
    if (m_validating) {
        // Assigned from the field's own OnValidate: stored at once and taken
        // as the value under validation, without validating again.
        *const_cast<QVariant*>(m_validating) = converted;
        m_dataSet->SetFieldValue(this, converted);
        return;
    }
    if (OnValidate && m_dataSet->State() != dsCalcFields) {
        QVariant pending = converted;
        m_validating = &pending;
        try {
            OnValidate(this);
        } catch (...) {
            m_validating = nullptr;
            throw;
        }
        m_validating = nullptr;
        converted = std::move(pending);
    }
    m_dataSet->SetFieldValue(this, converted);
    if (OnChange)
        OnChange(this);
}

[[noreturn]] void TField::RaiseError(const QString& message) const {
    throw EDatabaseError(message);
}

QVariant TField::ConvertValue(const QVariant& value) const {
    return value;
}

// ---- typed access -------------------------------------------------------------

namespace {

bool isCurrency(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<Currency>();
}

} // namespace

QString TField::AsString() const {
    const QVariant value = StoredValue();
    if (value.isNull())
        return QString();
    if (isCurrency(value))
        return CurrToStr(value.value<Currency>());
    switch (value.typeId()) {
    case QMetaType::Double:
        return FloatToStr(value.toDouble());
    case QMetaType::QDate:
        return DateToStr(value.toDate());
    case QMetaType::QDateTime:
        return DateTimeToStr(value.toDateTime());
    default:
        return value.toString();
    }
}

void TField::SetAsString(const QString& text) {
    SetTextValue(text);
}

int TField::AsInteger() const {
    const qint64 value = AsLargeInt();
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        RaiseError(QStringLiteral("Value of field '%1' is out of the integer range").arg(DisplayName()));
    return static_cast<int>(value);
}

void TField::SetAsInteger(int value) {
    SetValue(value);
}

qint64 TField::AsLargeInt() const {
    const QVariant value = StoredValue();
    if (value.isNull())
        return 0;
    if (isCurrency(value))
        return value.value<Currency>().rounded(0).raw() / Currency::Scale;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return value.toLongLong();
    case QMetaType::Double:
        return static_cast<qint64>(std::llround(value.toDouble()));
    case QMetaType::QString:
        return StrToInt64(value.toString());
    default:
        RaiseError(QStringLiteral("Field '%1' cannot be read as an integer").arg(DisplayName()));
    }
}

void TField::SetAsLargeInt(qint64 value) {
    SetValue(value);
}

double TField::AsFloat() const {
    const QVariant value = StoredValue();
    if (value.isNull())
        return 0.0;
    if (isCurrency(value))
        return value.value<Currency>().toDouble();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::QString:
        return StrToFloat(value.toString());
    default:
        RaiseError(QStringLiteral("Field '%1' cannot be read as a number").arg(DisplayName()));
    }
}

void TField::SetAsFloat(double value) {
    SetValue(value);
}

Currency TField::AsCurrency() const {
    const QVariant value = StoredValue();
    if (value.isNull())
        return Currency();
    if (isCurrency(value))
        return value.value<Currency>();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return Currency::fromUnits(value.toLongLong());
    case QMetaType::Double:
        return Currency::fromDouble(value.toDouble());
    case QMetaType::QString:
        return StrToCurr(value.toString());
    default:
        RaiseError(QStringLiteral("Field '%1' cannot be read as a currency amount").arg(DisplayName()));
    }
}

void TField::SetAsCurrency(Currency value) {
    SetValue(QVariant::fromValue(value));
}

QDateTime TField::AsDateTime() const {
    const QVariant value = StoredValue();
    if (value.isNull())
        return QDateTime();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().startOfDay();
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QString:
        return StrToDateTime(value.toString());
    default:
        RaiseError(QStringLiteral("Field '%1' cannot be read as a date").arg(DisplayName()));
    }
}

void TField::SetAsDateTime(const QDateTime& value) {
    SetValue(value.isValid() ? QVariant(value) : QVariant());
}

// ---- texts ----------------------------------------------------------------------

QString TField::GetText(bool displayText) const {
    const QString text = AsString();
    if (displayText && !m_editMask.isEmpty())
        return TEditMask(m_editMask).FormatText(text);
    return text;
}

void TField::SetTextValue(const QString& text) {
    SetValue(text.isEmpty() ? QVariant() : QVariant(text));
}

QString TField::Text() const {
    if (OnGetText) {
        QString text;
        OnGetText(const_cast<TField*>(this), text, false);
        return text;
    }
    return IsNull() ? QString() : GetText(false);
}

void TField::SetText(const QString& text) {
    if (OnSetText)
        OnSetText(this, text);
    else
        SetTextValue(text);
}

QString TField::DisplayText() const {
    if (OnGetText) {
        QString text;
        OnGetText(const_cast<TField*>(this), text, true);
        return text;
    }
    return IsNull() ? QString() : GetText(true);
}

void TField::FocusControl() {
    if (m_dataSet)
        m_dataSet->DataEvent(deFocusControl, this);
}
