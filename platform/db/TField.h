#pragma once
// One column of a data set as the program reads and writes it: the value of
// the current record, its texts, its rules and its events.
//
// Persistent fields are created in code with an owner (the data module) and a
// FieldName and are given to their data set with SetDataSet before it opens,
// the way a data module declares them; a data set that has no persistent
// fields makes dynamic fields from its FieldDefs at each Open and frees them
// at Close.
//
// Reading a field reads the data set's active record: the current record in
// browse state, the edit buffer while editing or inserting, the record being
// calculated or filtered during OnCalcFields and OnFilterRecord.
//
// Assigning a value (Value, AsString, AsInteger, ..., Text):
//   Text only: OnSetText, when assigned, does the assignment itself;
//   OnValidate sees the new value through the field; an exception from it
//   (EAbort included) keeps the old value; the handler may assign the field
//   itself (that assignment is stored at once, without running OnValidate
//   again, and becomes the value being validated);
//   the value is stored; OnChange runs; data links hear RecordChanged(field).
// Assigning a data field needs the data set in edit or insert state and a
// field that is not ReadOnly; calculated and lookup fields are written only
// in dsCalcFields (OnCalcFields).
//
// Texts: Text is the editing text, DisplayText what controls show. Both go
// through OnGetText when it is assigned. Number fields format DisplayText
// with DisplayFormat and Text with EditFormat; string fields show DisplayText
// through their EditMask. Formats are the program's fixed ones: dd/mm/yyyy,
// "," decimal, "." thousands.

#include "platform/base/Currency.h"
#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "platform/db/DBTypes.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

class TDataSet;
class TField;

using TFieldNotifyEvent = TEvent<TField*>;
// (Sender, Text, DisplayText): the handler fills Text.
using TFieldGetTextEvent = TEvent<TField*, QString&, bool>;
using TFieldSetTextEvent = TEvent<TField*, const QString&>;

class TField : public TComponent {
public:
    explicit TField(TComponent* owner = nullptr);
    ~TField() override;

    // Binding ---------------------------------------------------------------
    TDataSet* DataSet() const { return m_dataSet; }
    // Adds the field to (or removes it from, with nullptr) a data set's Fields.
    // The data set must be closed.
    void SetDataSet(TDataSet* dataSet);
    const QString& FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name);
    TFieldType DataType() const { return m_dataType; }
    TFieldKind FieldKind() const { return m_fieldKind; }
    void SetFieldKind(TFieldKind kind);
    bool Lookup() const { return m_fieldKind == fkLookup; }
    // 1-based position of the column among the FieldDefs while open; 0 for
    // calculated and lookup fields and while closed.
    int FieldNo() const;
    // Position in the data set's Fields (-1 without a data set).
    int Index() const;
    int Size() const { return m_size; }
    void SetSize(int size) { m_size = size; }

    // Presentation ----------------------------------------------------------
    // FieldName when no label was given.
    QString DisplayLabel() const;
    void SetDisplayLabel(const QString& label) { m_displayLabel = label; }
    QString DisplayName() const { return DisplayLabel(); }
    // Characters a control shows; a default by type until set.
    int DisplayWidth() const;
    void SetDisplayWidth(int width) { m_displayWidth = width; }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment) { m_alignment = alignment; }
    const QString& EditMask() const { return m_editMask; }
    void SetEditMask(const QString& mask) { m_editMask = mask; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

    // Rules and resolving -----------------------------------------------------
    bool Required() const { return m_required; }
    void SetRequired(bool required) { m_required = required; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    TProviderFlags ProviderFlags() const { return m_providerFlags; }
    void SetProviderFlags(TProviderFlags flags) { m_providerFlags = flags; }
    // "TABLE.COLUMN" the value comes from, for the resolver.
    const QString& Origin() const { return m_origin; }
    void SetOrigin(const QString& origin) { m_origin = origin; }

    // Lookup fields: the value is LookupResultField of the record of
    // LookupDataSet whose LookupKeyFields equal this data set's KeyFields
    // (names separated by ';'). Only records that pass the lookup data set's
    // filter count.
    TDataSet* LookupDataSet() const { return m_lookupDataSet; }
    void SetLookupDataSet(TDataSet* dataSet);
    const QString& LookupKeyFields() const { return m_lookupKeyFields; }
    void SetLookupKeyFields(const QString& names) { m_lookupKeyFields = names; }
    const QString& LookupResultField() const { return m_lookupResultField; }
    void SetLookupResultField(const QString& name) { m_lookupResultField = name; }
    const QString& KeyFields() const { return m_keyFields; }
    void SetKeyFields(const QString& names) { m_keyFields = names; }

    // Value ------------------------------------------------------------------
    // The stored value (invalid QVariant for null).
    QVariant Value() const;
    void SetValue(const QVariant& value);
    bool IsNull() const;
    void Clear() { SetValue(QVariant()); }
    // Value before the current edit: the value as loaded for a changed
    // record, the stored value while editing, null while inserting.
    QVariant OldValue() const;
    // The value being edited (the same as Value).

    virtual QString AsString() const;
    virtual void SetAsString(const QString& text);
    // Null reads as 0 / 0.0 / empty / invalid date; a number with decimals
    // read as an integer is rounded half away from zero.
    virtual int AsInteger() const;
    virtual void SetAsInteger(int value);
    virtual qint64 AsLargeInt() const;
    virtual void SetAsLargeInt(qint64 value);
    virtual double AsFloat() const;
    virtual void SetAsFloat(double value);
    virtual Currency AsCurrency() const;
    virtual void SetAsCurrency(Currency value);
    virtual QDateTime AsDateTime() const;
    virtual void SetAsDateTime(const QDateTime& value);

    QString Text() const;
    void SetText(const QString& text);
    QString DisplayText() const;

    // Asks the data links of the data set to focus the control showing this field.
    void FocusControl();

    // Events -----------------------------------------------------------------
    TFieldNotifyEvent OnValidate;
    TFieldNotifyEvent OnChange;
    TFieldGetTextEvent OnGetText;
    TFieldSetTextEvent OnSetText;

protected:
    explicit TField(TComponent* owner, TFieldType dataType);

    // The stored form of an assigned value; raises EConvertError for a value
    // the field cannot hold. Null stays null.
    virtual QVariant ConvertValue(const QVariant& value) const;
    // The default text of a non-null value (OnGetText not assigned).
    virtual QString GetText(bool displayText) const;
    // Assigns typed text (OnSetText not assigned).
    virtual void SetTextValue(const QString& text);
    // The default display width of the type.
    virtual int DefaultWidth() const;

    void Notification(TComponent* component, TOperation operation) override;

    // Raises EDatabaseError naming the field, e.g. for a value out of range.
    [[noreturn]] void RaiseError(const QString& message) const;
    // Raises the error of a value the field cannot hold; `value`, when given,
    // is named in it.
    [[noreturn]] void RaiseInvalidValue(const QString& value = QString()) const;

private:
    friend class TDataSet;

    void CheckCanAssign() const;
    QVariant StoredValue() const;

    TDataSet* m_dataSet = nullptr;
    TDataSet* m_lookupDataSet = nullptr;
    QString m_fieldName;
    TFieldType m_dataType = ftUnknown;
    TFieldKind m_fieldKind = fkData;
    int m_size = 0;
    int m_slot = -1; // index into TRecordBuffer::values while open
    QString m_displayLabel;
    int m_displayWidth = -1;
    TAlignment m_alignment = taLeftJustify;
    QString m_editMask;
    bool m_visible = true;
    bool m_required = false;
    bool m_readOnly = false;
    TProviderFlags m_providerFlags = TProviderFlags(pfInUpdate) | pfInWhere;
    QString m_origin;
    QString m_lookupKeyFields;
    QString m_lookupResultField;
    QString m_keyFields;
    bool m_dynamic = false; // made by the data set from its FieldDefs

    // While OnValidate runs, the field reads the value being validated.
    const QVariant* m_validating = nullptr;
};
