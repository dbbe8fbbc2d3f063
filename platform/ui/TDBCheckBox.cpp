#include "platform/ui/TDBCheckBox.h"

#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

#include <QCheckBox>

namespace {
bool Matches(const QString& values, const QString& text) {
    for (const QString& value : values.split(QLatin1Char(';')))
        if (value.compare(text, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

TDBCheckBox::TDBCheckBox(TComponent* owner, TWinControl* parent)
    : TCheckBox(owner, parent), m_link(std::make_unique<TFieldDataLink>(this)) {
    m_link->OnDataChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnActiveChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnUpdateData = TNotifyEvent::fromFunction([this](TObject*) {
        if (Field() && State() != TCheckBoxState::cbGrayed)
            Field()->SetAsString(
                (Checked() ? m_valueChecked : m_valueUnchecked).section(QLatin1Char(';'), 0, 0));
    });
}

TDBCheckBox::~TDBCheckBox() {
    // The widget may be gone already: nothing is shown any more.
    m_link->OnDataChange = nullptr;
    m_link->OnActiveChange = nullptr;
    m_link->OnEditingChange = nullptr;
    m_link->SetDataSource(nullptr);
}

void TDBCheckBox::SetDataSource(TDataSource* source) {
    m_link->SetDataSource(source);
    DataChange();
}

void TDBCheckBox::SetDataField(const QString& name) {
    m_link->SetFieldName(name);
    DataChange();
}

bool TDBCheckBox::ReadOnly() const {
    return m_link->ReadOnly();
}

void TDBCheckBox::SetReadOnly(bool readOnly) {
    m_link->SetReadOnly(readOnly);
    Box()->setAttribute(Qt::WA_TransparentForMouseEvents, readOnly);
    Box()->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
}

void TDBCheckBox::SetValueChecked(const QString& value) {
    m_valueChecked = value;
    DataChange();
}

void TDBCheckBox::SetValueUnchecked(const QString& value) {
    m_valueUnchecked = value;
    DataChange();
}

void TDBCheckBox::DataChange() {
    m_showing = true;
    TCheckBoxState state = TCheckBoxState::cbGrayed;
    if (TField* field = Field(); field && !field->IsNull()) {
        const QString text = field->AsString();
        if (Matches(m_valueChecked, text))
            state = TCheckBoxState::cbChecked;
        else if (Matches(m_valueUnchecked, text))
            state = TCheckBoxState::cbUnchecked;
    }
    SetState(state);
    m_showing = false;
}

void TDBCheckBox::Toggled() {
    if (m_showing)
        return;
    const TCheckBoxState wanted = State();
    if (!Field() || ReadOnly() || !m_link->Edit()) {
        DataChange(); // the data set refused: show the field again
        return;
    }
    // Entering edit state showed the field again.
    m_showing = true;
    SetState(wanted);
    m_showing = false;
    m_link->Modified();
    try {
        m_link->UpdateRecord();
    } catch (...) {
        DataChange();
        throw;
    }
}
