#include "components/data/TDBComboValues.h"

#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

TDBComboValues::TDBComboValues(TComponent* owner, TWinControl* parent)
    : TComboBox(owner, parent), m_link(std::make_unique<TFieldDataLink>(this)) {
    m_link->OnDataChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnActiveChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnEditingChange = TNotifyEvent::fromFunction([this](TObject*) { EditingChange(); });
    m_link->OnUpdateData = TNotifyEvent::fromFunction([this](TObject*) { UpdateData(); });
    m_link->OnFocusRequest = TNotifyEvent::fromFunction([this](TObject*) { SetFocus(); });
    SetStyle(Style());
}

void TDBComboValues::SetStyle(TComboBoxStyle style) {
    TComboBox::SetStyle(style);
    // Completion is the box's own (TextCompletion), not the toolkit's.
    if (Combo()->lineEdit())
        Combo()->lineEdit()->setCompleter(nullptr);
    EditingChange();
}

TDBComboValues::~TDBComboValues() {
    m_link->OnDataChange = nullptr;
    m_link->OnActiveChange = nullptr;
    m_link->OnEditingChange = nullptr;
    m_link->OnUpdateData = nullptr;
    m_link->SetDataSource(nullptr);
}

void TDBComboValues::SetDataSource(TDataSource* source) {
    m_link->SetDataSource(source);
    DataChange();
}

void TDBComboValues::SetDataField(const QString& name) {
    m_link->SetFieldName(name);
    DataChange();
}

void TDBComboValues::SetValues(const QStringList& values) {
    m_values = values;
    DataChange();
}

void TDBComboValues::SetItems(const QStringList& items) {
    TComboBox::SetItems(items);
    DataChange();
}

QString TDBComboValues::ComboText() const {
    if (Style() == TComboBoxStyle::csDropDown || Style() == TComboBoxStyle::csSimple)
        return Text();
    const int index = ItemIndex();
    return index >= 0 ? Items().at(index) : QString();
}

void TDBComboValues::DataChange() {
    if (Style() != TComboBoxStyle::csSimple && DroppedDown())
        return;
    QString shown;
    if (const TField* field = Field()) {
        const int index = static_cast<int>(m_values.indexOf(field->Text()));
        const QStringList items = Items();
        if (index >= 0 && index < items.size())
            shown = items.at(index);
    }
    m_showing = true;
    SetComboText(shown);
    m_showing = false;
}

void TDBComboValues::EditingChange() {
    if (Combo() && Combo()->lineEdit())
        Combo()->lineEdit()->setReadOnly(!m_link->Editing() && m_link->Active());
}

void TDBComboValues::SetComboText(const QString& text) {
    if (text == ComboText())
        return;
    if (Style() != TComboBoxStyle::csDropDown) {
        const int index = text.isEmpty() ? -1 : static_cast<int>(Items().indexOf(text));
        SetItemIndex(index);
        if (Style() == TComboBoxStyle::csDropDownList && index >= 0)
            m_link->UpdateRecord();
        if (index >= 0)
            return;
    }
    if (Style() == TComboBoxStyle::csDropDown || Style() == TComboBoxStyle::csSimple)
        SetText(text);
}

void TDBComboValues::UpdateData() {
    TField* field = Field();
    if (!field)
        return;
    const int index = static_cast<int>(Items().indexOf(ComboText()));
    if (!m_link->CanModify()) {
        DataChange();
        return;
    }
    if (index < 0) {
        field->Clear();
        return;
    }
    try {
        if (index >= m_values.size())
            throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
        field->SetText(m_values.at(index));
    } catch (...) {
        field->Clear();
        SetItemIndex(-1);
        throw;
    }
}

void TDBComboValues::Change() {
    if (!m_showing) {
        m_link->Edit();
        m_link->Modified();
        // Completed once the key is through: the edit would otherwise drop
        // the completion's selection as it finishes the key.
        if (m_completeNext)
            QMetaObject::invokeMethod(
                this, [this] { Complete(); }, Qt::QueuedConnection);
    }
    m_completeNext = false;
    TComboBox::Change();
    if (!m_showing && Style() == TComboBoxStyle::csDropDownList)
        m_link->UpdateRecord();
}

void TDBComboValues::Select() {
    const QString chosen = ComboText();
    if (!Field() || !m_link->Edit()) {
        DataChange();
        return;
    }
    m_showing = true;
    SetComboText(chosen);
    m_showing = false;
    m_link->Modified();
    if (Style() == TComboBoxStyle::csDropDownList)
        m_link->UpdateRecord();
    TComboBox::Select();
}

void TDBComboValues::Complete() {
    QLineEdit* edit = Combo() ? Combo()->lineEdit() : nullptr;
    if (!edit)
        return;
    const QString typed = edit->text();
    if (typed.isEmpty())
        return;
    const QStringList items = Items();
    for (const QString& item : items) {
        if (!item.startsWith(typed, Qt::CaseInsensitive))
            continue;
        const int length = static_cast<int>(typed.size());
        m_showing = true;
        SetItemIndex(static_cast<int>(items.indexOf(item)));
        SetText(item);
        m_showing = false;
        edit->setSelection(length, static_cast<int>(item.size()) - length);
        return;
    }
}

bool TDBComboValues::DoKeyDown(int& key, TShiftState shift) {
    if (!TComboBox::DoKeyDown(key, shift))
        return false;
    const bool editingKey = key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Up ||
                            key == Qt::Key_Down || (key >= 32 && key <= 255);
    if (editingKey && !m_link->Edit() && (key == Qt::Key_Up || key == Qt::Key_Down))
        return false;
    return true;
}

bool TDBComboValues::DoKeyPress(QChar& key) {
    if (!TComboBox::DoKeyPress(key))
        return false;
    const char16_t code = key.unicode();
    if (code == 27) {
        m_link->Reset();
        if (Combo() && Combo()->lineEdit())
            Combo()->lineEdit()->selectAll();
        return false;
    }
    if (code == u'\r') {
        // Enter takes the typed code as leaving does.
        TakeTypedCode();
        return false;
    }
    const bool editing = code == u'\b' || code == 22 || code == 24 || code >= 32;
    if (!editing) {
        if (Field())
            QApplication::beep();
        return false;
    }
    if (Field() && !m_link->Edit())
        return false;
    m_completeNext = m_textCompletion && code != u'\b';
    return true;
}

void TDBComboValues::DoEnter() {
    TComboBox::DoEnter();
    if (!m_link->Editing())
        DataChange();
}

void TDBComboValues::TakeTypedCode() {
    try {
        m_link->UpdateRecord();
    } catch (...) {
        ReturnFocus();
        throw;
    }
}

void TDBComboValues::DoExit() {
    TakeTypedCode();
    TComboBox::DoExit();
}
