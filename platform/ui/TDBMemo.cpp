#include "platform/ui/TDBMemo.h"

#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

TDBMemo::TDBMemo(TComponent* owner, TWinControl* parent)
    : TMemo(owner, parent), m_link(std::make_unique<TFieldDataLink>(this)) {
    m_link->OnDataChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnActiveChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnUpdateData = TNotifyEvent::fromFunction([this](TObject*) {
        if (Field())
            Field()->SetAsString(Text());
    });
    m_link->OnFocusRequest = TNotifyEvent::fromFunction([this](TObject*) { SetFocus(); });
}

TDBMemo::~TDBMemo() {
    // The widget may be gone already: nothing is shown any more.
    m_link->OnDataChange = nullptr;
    m_link->OnActiveChange = nullptr;
    m_link->OnEditingChange = nullptr;
    m_link->SetDataSource(nullptr);
}

void TDBMemo::SetDataSource(TDataSource* source) {
    m_link->SetDataSource(source);
    DataChange();
}

void TDBMemo::SetDataField(const QString& name) {
    m_link->SetFieldName(name);
    DataChange();
}

void TDBMemo::SetReadOnly(bool readOnly) {
    m_link->SetReadOnly(readOnly);
    TMemo::SetReadOnly(readOnly);
}

void TDBMemo::DataChange() {
    m_showing = true;
    SetText(Field() ? Field()->AsString() : QString());
    m_showing = false;
}

bool TDBMemo::DoKeyDown(int& key, TShiftState shift) {
    if (!TMemo::DoKeyDown(key, shift))
        return false;
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter)
        return Field() && m_link->Edit();
    return true;
}

bool TDBMemo::DoKeyPress(QChar& key) {
    if (!TMemo::DoKeyPress(key))
        return false;
    if (key.unicode() >= 32)
        return Field() && m_link->Edit();
    return true;
}

void TDBMemo::Change() {
    if (!m_showing)
        m_link->Modified();
    TMemo::Change();
}

void TDBMemo::DoExit() {
    try {
        m_link->UpdateRecord();
    } catch (...) {
        ReturnFocus();
        throw;
    }
    TMemo::DoExit();
}
