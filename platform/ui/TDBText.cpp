#include "platform/ui/TDBText.h"

#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

TDBText::TDBText(TComponent* owner, TWinControl* parent)
    : TLabel(owner, parent), m_link(std::make_unique<TFieldDataLink>(this)) {
    SetAutoSize(false);
    m_link->OnDataChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnActiveChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
}

TDBText::~TDBText() {
    // The widget may be gone already: nothing is shown any more.
    m_link->OnDataChange = nullptr;
    m_link->OnActiveChange = nullptr;
    m_link->OnEditingChange = nullptr;
    m_link->SetDataSource(nullptr);
}

void TDBText::SetDataSource(TDataSource* source) {
    m_link->SetDataSource(source);
    DataChange();
}

void TDBText::SetDataField(const QString& name) {
    m_link->SetFieldName(name);
    DataChange();
}

void TDBText::DataChange() {
    SetCaption(Field() ? Field()->DisplayText() : QString());
}
