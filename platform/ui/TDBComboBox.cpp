#include "platform/ui/TDBComboBox.h"

#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

TDBComboBox::TDBComboBox(TComponent* owner, TWinControl* parent)
    : TComboBox(owner, parent), m_link(std::make_unique<TFieldDataLink>(this)) {
    m_link->OnDataChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnActiveChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnUpdateData = TNotifyEvent::fromFunction([this](TObject*) {
        if (Field())
            Field()->SetText(Text());
    });
    m_link->OnFocusRequest = TNotifyEvent::fromFunction([this](TObject*) { SetFocus(); });
}

TDBComboBox::~TDBComboBox() {
    // The widget may be gone already: nothing is shown any more.
    m_link->OnDataChange = nullptr;
    m_link->OnActiveChange = nullptr;
    m_link->OnEditingChange = nullptr;
    m_link->SetDataSource(nullptr);
}

void TDBComboBox::SetDataSource(TDataSource* source) {
    m_link->SetDataSource(source);
    DataChange();
}

void TDBComboBox::SetDataField(const QString& name) {
    m_link->SetFieldName(name);
    DataChange();
}

void TDBComboBox::DataChange() {
    // The same text is not shown again: what the user selected in it stays selected.
    const QString text = Field() ? Field()->Text() : QString();
    if (text == Text())
        return;
    m_showing = true;
    SetText(text);
    m_showing = false;
}

bool TDBComboBox::DoKeyDown(int& key, TShiftState shift) {
    if (!TComboBox::DoKeyDown(key, shift))
        return false;
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
        return Field() && m_link->Edit();
    return true;
}

bool TDBComboBox::DoKeyPress(QChar& key) {
    if (!TComboBox::DoKeyPress(key))
        return false;
    // Typing, Backspace, paste (Ctrl+V) and cut (Ctrl+X) change the text.
    const char16_t code = key.unicode();
    if (code >= 32 || code == u'\b' || code == 22 || code == 24)
        return Field() && m_link->Edit();
    return true;
}

void TDBComboBox::Change() {
    if (!m_showing)
        m_link->Modified();
    TComboBox::Change();
}

void TDBComboBox::Select() {
    const QString chosen = Text();
    if (!Field() || !m_link->Edit()) {
        DataChange();
        return;
    }
    // Entering edit state showed the field again.
    m_showing = true;
    SetText(chosen);
    m_showing = false;
    m_link->Modified();
    if (Style() == TComboBoxStyle::csDropDownList)
        m_link->UpdateRecord();
    TComboBox::Select();
}

void TDBComboBox::DoExit() {
    try {
        m_link->UpdateRecord();
    } catch (...) {
        ReturnFocus();
        throw;
    }
    TComboBox::DoExit();
}
