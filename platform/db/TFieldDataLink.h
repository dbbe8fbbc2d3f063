#pragma once
// The data link of a control that shows and edits one field.
//   OnDataChange: the field's value (or the record) changed: show it again;
//     the control's pending edit is dropped.
//   OnEditingChange: the data set entered or left editing.
//   OnActiveChange: the data set opened or closed.
//   OnUpdateData: write the control's pending edit into the field (only
//     after Modified() was called for it).
//   OnFocusRequest: focus the control (TField::FocusControl).

#include "platform/base/TEvent.h"
#include "platform/db/TDataLink.h"

#include <QString>

class TFieldDataLink : public TDataLink {
public:
    explicit TFieldDataLink(TObject* control = nullptr) : m_control(control) {}

    TObject* Control() const { return m_control; }
    const QString& FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name);
    // The bound field; nullptr while inactive or without a matching field.
    TField* Field() const { return m_field; }
    // The field can be written through this link now or after Edit.
    bool CanModify() const;
    // The control holds an edit not yet written into the field.
    bool IsModified() const { return m_modified; }
    void Modified() { m_modified = true; }
    // Drops the pending edit and shows the field's value again.
    void Reset();

    TNotifyEvent OnDataChange;
    TNotifyEvent OnEditingChange;
    TNotifyEvent OnActiveChange;
    TNotifyEvent OnUpdateData;
    TNotifyEvent OnFocusRequest;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;
    void LayoutChanged() override;
    bool FocusControl(TField* field) override;

private:
    void UpdateField();

    TObject* m_control;
    QString m_fieldName;
    TField* m_field = nullptr;
    bool m_modified = false;
};
