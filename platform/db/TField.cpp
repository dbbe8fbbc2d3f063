#include "platform/db/TField.h"

#include "platform/base/SysUtils.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TEditMask.h"
#include "platform/os/CodePage1252.h"

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
        throw EDatabaseError(QStringLiteral("Não é possível executar esta operação com os dados abertos."));
    m_fieldName = name;
}

void TField::SetFieldKind(TFieldKind kind) {
    if (m_dataSet && m_dataSet->Active())
        throw EDatabaseError(QStringLiteral("Não é possível executar esta operação com os dados abertos."));
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
            throw EDatabaseError(QStringLiteral("O campo \"%1\" não pode ser alterado.").arg(DisplayName()));
        return;
    }
    if (state != dsEdit && state != dsInsert)
        throw EDatabaseError(QStringLiteral("Os dados não estão em edição nem em inclusão."));
    if (m_readOnly)
        throw EDatabaseError(QStringLiteral("O campo \"%1\" não pode ser alterado.").arg(DisplayName()));
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

[[noreturn]] void TField::RaiseInvalidValue(const QString& value) const {
    if (value.isEmpty())
        RaiseError(QStringLiteral("Valor inválido para o campo \"%1\".").arg(DisplayName()));
    RaiseError(QStringLiteral("%1 não é um valor válido para o campo \"%2\".").arg(value, DisplayName()));
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
        RaiseError(QStringLiteral("O valor do campo \"%1\" passa dos limites de um número inteiro.")
                       .arg(DisplayName()));
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
        RaiseError(
            QStringLiteral("O campo \"%1\" não pode ser lido como número inteiro.").arg(DisplayName()));
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
        RaiseError(QStringLiteral("O campo \"%1\" não pode ser lido como número.").arg(DisplayName()));
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
        RaiseError(
            QStringLiteral("O campo \"%1\" não pode ser lido como valor monetário.").arg(DisplayName()));
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
        RaiseError(QStringLiteral("O campo \"%1\" não pode ser lido como data.").arg(DisplayName()));
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
    // Typed text is refused in the user's language, naming the field: the
    // database keeps text in Windows-1252, and a value must convert. A
    // control character (a pasted tab, an end-of-file mark) has no place in
    // a register; a memo keeps only its line breaks.
    if (m_dataType == ftString || m_dataType == ftWideString || m_dataType == ftMemo) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            const bool lineBreak = c == u'\r' || c == u'\n';
            if (c < 0x20 || c == 0x7f) {
                if (lineBreak && m_dataType == ftMemo)
                    continue;
                RaiseError(
                    QStringLiteral("O caractere de controle de código %1 não é aceito no campo \"%2\".")
                        .arg(static_cast<int>(c))
                        .arg(DisplayName()));
            }
            if (CodePage1252::FromUnicode(text[i]))
                continue;
            const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            RaiseError(QStringLiteral("O caractere \"%1\" não é aceito no campo \"%2\".")
                           .arg(text.mid(i, length), DisplayName()));
        }
    }
    try {
        if (OnSetText)
            OnSetText(this, text);
        else
            SetTextValue(text);
    } catch (const EConvertError&) {
        const QString message = m_dataType == ftDate || m_dataType == ftDateTime
                                    ? QStringLiteral("\"%1\" não é uma data válida para o campo \"%2\".")
                                    : QStringLiteral("\"%1\" não é um valor válido para o campo \"%2\".");
        RaiseError(message.arg(text.trimmed(), DisplayName()));
    }
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
