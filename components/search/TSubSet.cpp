#include "components/search/TSubSet.h"

#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <algorithm>

TSubSet::TSubSet() : m_copy(std::make_unique<TClientDataSet>()) {}

TSubSet::~TSubSet() = default;

int TSubSet::Copy(TDataSet* source, const std::vector<TBookmark>& bookmarks) {
    m_copy->Close();
    m_copy->FieldDefs().Clear();
    if (!source || source->FieldCount() == 0)
        return -1;
    for (int i = 0; i < source->FieldCount(); ++i) {
        const TField* field = source->Fields()[i];
        m_copy->FieldDefs().Add(field->FieldName(), field->DataType(), field->Size(), field->Required());
    }
    m_copy->CreateDataSet();
    if (bookmarks.empty()) {
        AppendCurrent(source);
    } else {
        for (const TBookmark bookmark : bookmarks) {
            source->GotoBookmark(bookmark);
            AppendCurrent(source);
        }
    }
    m_copy->First();
    return m_copy->RecordCount();
}

void TSubSet::AppendCurrent(TDataSet* source) {
    if (source->IsEmpty())
        return;
    m_copy->Append();
    const int count = std::min(source->FieldCount(), m_copy->FieldCount());
    for (int i = 0; i < count; ++i)
        m_copy->Fields()[i]->SetValue(source->Fields()[i]->Value());
    m_copy->Post();
}

TField* TSubSet::FieldByName(const QString& name) const {
    return m_copy->FieldByName(name);
}
