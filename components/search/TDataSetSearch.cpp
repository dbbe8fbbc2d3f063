#include "components/search/TDataSetSearch.h"

#include "components/search/SQLClauses.h"
#include "components/search/SQLProperty.h"
#include "components/search/SearchRoutines.h"
#include "components/search/TCustomSQLParse.h"
#include "components/search/TfrmDataSetSearch.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TDBGrid.h"

#include <memory>

TDataSetSearch::TDataSetSearch(TComponent* owner) : TComponent(owner) {}

TDataSetSearch::~TDataSetSearch() = default;

void TDataSetSearch::SetDataSet(TDataSet* dataSet) {
    CheckSQLProperty(dataSet);
    if (m_dataSet)
        RemoveFreeNotification(m_dataSet);
    m_dataSet = dataSet;
    if (dataSet)
        FreeNotification(dataSet);
    if (!IsLoading())
        Recheck();
}

void TDataSetSearch::SetSearchField(const QString& fieldName) {
    m_searchField = fieldName;
    if (!IsLoading())
        Recheck();
}

void TDataSetSearch::SetSearchValue(const QString& value) {
    if (!IsLoading())
        CheckSearchValue(m_field, value);
    m_searchValue = value;
}

void TDataSetSearch::Loaded() {
    TComponent::Loaded();
    Recheck();
}

void TDataSetSearch::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_dataSet) {
        m_dataSet = nullptr;
        m_field = nullptr;
    }
}

void TDataSetSearch::Recheck() {
    m_field = m_dataSet ? m_dataSet->FindField(m_searchField) : nullptr;
    if (!ValidateSearchValue(m_field, m_searchValue).isEmpty())
        m_searchValue.clear();
}

int TDataSetSearch::Execute() {
    return ExecuteSearch(m_searchField, m_searchValue, m_exactSearch);
}

int TDataSetSearch::ExecuteSearch(const QString& fieldName, const QString& value, bool exact) {
    return DoSearch(
        fieldName, value,
        [this](const QString& name, const QString& searched, const QString&, bool exactly) {
            return ShowSearchDialog(name, searched, exactly);
        },
        exact);
}

void TDataSetSearch::Restore(const QString& sql, bool wasOpen) {
    SetDataSetSQL(m_dataSet, sql);
    if (wasOpen && !m_dataSet->Active())
        m_dataSet->Open();
}

int TDataSetSearch::DoSearch(const QString& fieldName, const QString& value, const TSearchHandler& handler,
                             bool exact) {
    CheckSearchField(m_dataSet, fieldName);
    TDataSet* dataSet = m_dataSet;
    const bool wasOpen = dataSet->Active();
    const QString sql = GetDataSetSQL(dataSet);
    int result = -1;
    try {
        QString searchValue = value;
        bool exactly = exact;
        QStringList where = TCustomSQLParse::TextLines(ExtractWhere(sql));
        if (BeforeSearch)
            BeforeSearch(this, dataSet, dataSet->FindField(fieldName), searchValue, exactly, where);
        if (m_searchValueRequired && searchValue.isEmpty())
            throw Exception(QStringLiteral("Preencha um valor para pesquisa"));
        result = handler(fieldName, searchValue, sql, exactly);
    } catch (...) {
        // The first error is the one to report; the data set is put back as well as it goes.
        try {
            if (m_dataSet == dataSet)
                Restore(sql, wasOpen);
        } catch (const Exception&) {
        }
        if (AfterSearch)
            AfterSearch(this);
        throw;
    }
    if (m_dataSet == dataSet)
        Restore(sql, wasOpen);
    if (AfterSearch)
        AfterSearch(this);
    return result;
}

int TDataSetSearch::ShowSearchDialog(const QString& fieldName, const QString& value, bool exact) {
    std::unique_ptr<TfrmDataSetSearch> dialog(new TfrmDataSetSearch(this));
    dialog->SetCaption(m_caption);
    TfraDataSetSearch* frame = dialog->fdsPesquisa;
    frame->SetFilterCaption(m_filterCaption);
    frame->SetMultiSelect(m_multiSelect);
    frame->SetDataSet(m_dataSet);
    frame->SetSearchField(fieldName);
    frame->SetSearchValue(value);
    frame->SetExactSearch(exact);
    if (dialog->ShowModal() != mrOk)
        return -1;
    std::vector<TBookmark> chosen;
    TBookmarkList& selected = frame->gdSearch->SelectedRows();
    for (int i = 0; i < selected.Count(); ++i)
        chosen.push_back(selected.Items(i));
    return m_subSet.Copy(m_dataSet, chosen);
}
