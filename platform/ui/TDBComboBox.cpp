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
    m_showing = true;
    SetText(Field() ? Field()->Text() : QString());
    m_showing = false;
}

bool TDBComboBox::DoKeyPress(QChar& key) {
    if (!TComboBox::DoKeyPress(key))
        return false;
    if (key.unicode() >= 32 || key == QChar(u'\b'))
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
        SetFocus();
        throw;
    }
    TComboBox::DoExit();
}
