#include "platform/ui/TDBEdit.h"

#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

#include <QApplication>

#include <algorithm>
#include <utility>

namespace {

// Set while a refused edit takes the focus back. The control that loses the
// focus then is not checked: two edits that both refuse their text would
// otherwise take the focus from each other without end.
bool g_returningFocus = false;

} // namespace

TDBEdit::TDBEdit(TComponent* owner, TWinControl* parent)
    : TMaskEdit(owner, parent), m_link(std::make_unique<TFieldDataLink>(this)) {
    m_link->OnDataChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnActiveChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnEditingChange = TNotifyEvent::fromFunction([this](TObject*) { UpdateReadOnly(); });
    m_link->OnUpdateData = TNotifyEvent::fromFunction([this](TObject*) { UpdateData(); });
    m_link->OnFocusRequest = TNotifyEvent::fromFunction([this](TObject*) { SetFocus(); });
}

TDBEdit::~TDBEdit() {
    // The widget may be gone already: nothing is shown any more.
    m_link->OnDataChange = nullptr;
    m_link->OnActiveChange = nullptr;
    m_link->OnEditingChange = nullptr;
    m_link->SetDataSource(nullptr);
}

void TDBEdit::SetDataSource(TDataSource* source) {
    if (DataSource())
        RemoveFreeNotification(DataSource());
    m_link->SetDataSource(source);
    if (source)
        FreeNotification(source);
    DataChange();
}

void TDBEdit::SetDataField(const QString& name) {
    m_link->SetFieldName(name);
    DataChange();
}

void TDBEdit::SetMaxLength(int length) {
    m_maxLength = std::max(0, length);
    DataChange();
}

void TDBEdit::SetReadOnly(bool readOnly) {
    m_link->SetReadOnly(readOnly);
    UpdateReadOnly();
}

void TDBEdit::Notification(TComponent* component, TOperation operation) {
    TMaskEdit::Notification(component, operation);
    if (operation == TOperation::opRemove && m_link && component == DataSource())
        SetDataSource(nullptr);
}

void TDBEdit::UpdateReadOnly() {
    TField* field = Field();
    TMaskEdit::SetReadOnly(m_link->ReadOnly() || (field && field->ReadOnly()));
}

void TDBEdit::DataChange() {
    TField* field = Field();
    m_showing = true;
    if (field) {
        if (field->EditMask() != EditMask())
            SetEditMask(field->EditMask());
        const bool text = field->DataType() == ftString || field->DataType() == ftWideString;
        const bool editingText = IsMasked() || (Focused() && m_link->CanModify());
        // A mask governs the length itself: its literals do not count against the field's size.
        int maxLength = text && !IsMasked() ? field->Size() : 0;
        // The edit's own limit holds for typing only: a formatted display may be longer.
        if (m_maxLength > 0 && editingText && !IsMasked())
            maxLength = maxLength > 0 ? std::min(maxLength, m_maxLength) : m_maxLength;
        if (MaxLength() != maxLength)
            TMaskEdit::SetMaxLength(maxLength); // (resets the selection)
        SetText(editingText ? field->Text() : field->DisplayText());
    } else {
        SetEditMask(QString());
        SetText(QString());
    }
    SetModified(false);
    m_showing = false;
    UpdateReadOnly();
}

void TDBEdit::UpdateData() {
    if (TField* field = Field()) {
        ValidateEdit();
        field->SetText(Text());
    }
}

bool TDBEdit::CanType() {
    return Field() && m_link->Edit();
}

bool TDBEdit::DoKeyPress(QChar& key) {
    if (!TMaskEdit::DoKeyPress(key))
        return false;
    // A money or other decimal field takes no exponent.
    const TField* field = Field();
    const bool decimal = field && (field->DataType() == ftFloat || field->DataType() == ftCurrency ||
                                   field->DataType() == ftBCD);
    if (decimal && (key == QLatin1Char('e') || key == QLatin1Char('E'))) {
        QApplication::beep();
        return false;
    }
    return true;
}

bool TDBEdit::DoKeyDown(int& key, TShiftState shift) {
    if (key == Qt::Key_Escape && m_link->IsModified()) {
        m_link->Reset();
        SelectAll();
        return false;
    }
    return TMaskEdit::DoKeyDown(key, shift);
}

void TDBEdit::Change() {
    if (!m_showing)
        m_link->Modified();
    TMaskEdit::Change();
}

void TDBEdit::DoEnter() {
    // Editing shows the field's edit text instead of its display text.
    if (!m_link->IsModified())
        DataChange();
    TMaskEdit::DoEnter();
}

void TDBEdit::DoExit() {
    if (g_returningFocus)
        return;
    try {
        m_link->UpdateRecord();
    } catch (...) {
        struct ReturningFocus {
            ReturningFocus() { g_returningFocus = true; }
            ~ReturningFocus() { g_returningFocus = false; }
            ReturningFocus(const ReturningFocus&) = delete;
            ReturningFocus& operator=(const ReturningFocus&) = delete;
        } returning;
        ReturnFocus();
        throw;
    }
    if (!m_link->IsModified())
        DataChange();
    TEdit::DoExit();
}
