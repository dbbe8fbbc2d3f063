#pragma once
// The search component register windows place (dss...): Execute opens the
// search dialog over the data set and, on OK, hands back a copy of the rows
// the user chose in SubSet (the current row when none is marked); the
// window then reads the chosen key with SubSet().FieldByName.
//
// Whatever happens in the dialog, the data set gets its SQL and its open
// state back afterwards, also when a check or the search raises. The typed
// value reaches the database only as a literal (see SearchRoutines).

#include "components/search/TSubSet.h"
#include "components/search/TfraDataSetSearch.h"
#include "platform/base/TComponent.h"

#include <functional>

class TDataSet;
class TField;
class TfrmDataSetSearch;

class TDataSetSearch : public TComponent {
    Q_OBJECT
public:
    // (field name, value, the data set's SQL text, exact) -> result.
    using TSearchHandler = std::function<int(const QString&, const QString&, const QString&, bool)>;

    explicit TDataSetSearch(TComponent* owner = nullptr);
    ~TDataSetSearch() override;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    const QString& FilterCaption() const { return m_filterCaption; }
    void SetFilterCaption(const QString& caption) { m_filterCaption = caption; }
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool multiSelect) { m_multiSelect = multiSelect; }
    TDataSet* DataSet() const { return m_dataSet; }
    // Raises "Não há propriedade SQL neste DataSet (%s)" for a set without SQL.
    void SetDataSet(TDataSet* dataSet);
    const QString& SearchField() const { return m_searchField; }
    void SetSearchField(const QString& fieldName);
    const QString& SearchValue() const { return m_searchValue; }
    // Raises when the value does not fit the search field's type.
    void SetSearchValue(const QString& value);
    bool SearchValueRequired() const { return m_searchValueRequired; }
    void SetSearchValueRequired(bool required) { m_searchValueRequired = required; }
    bool ExactSearch() const { return m_exactSearch; }
    void SetExactSearch(bool exact) { m_exactSearch = exact; }

    // (Sender = this component, the data set, its search field, the value
    // and exact flag it may change, the data set's WHERE clause).
    TBeforeSearchEvent BeforeSearch;
    TNotifyEvent AfterSearch;

    // The rows chosen by the last search that was confirmed.
    TSubSet& SubSet() { return m_subSet; }

    // ExecuteSearch with SearchField, SearchValue and ExactSearch.
    int Execute();
    // The dialog on the field, starting with the value: the number of rows
    // chosen, or -1 when cancelled.
    int ExecuteSearch(const QString& fieldName, const QString& value, bool exact);
    // Runs `handler` around the checks, BeforeSearch and the restoring of
    // the data set; -1 unless the handler returns.
    int DoSearch(const QString& fieldName, const QString& value, const TSearchHandler& handler, bool exact);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    int ShowSearchDialog(const QString& fieldName, const QString& value, bool exact);
    void Recheck();
    void Restore(const QString& sql, bool wasOpen);

    QString m_caption = QStringLiteral("Pesquisa");
    QString m_filterCaption = QStringLiteral("Pesquisar por");
    bool m_multiSelect = false;
    TDataSet* m_dataSet = nullptr;
    QString m_searchField;
    QString m_searchValue;
    bool m_searchValueRequired = false;
    bool m_exactSearch = false;
    TField* m_field = nullptr;
    TSubSet m_subSet;
};
