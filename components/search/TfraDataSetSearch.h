#pragma once
// Looks for records by typing a value for one column: an edit box, a toolbar
// and a grid of results. Clicking a column title chooses the search column
// (and searches at once when the data set is open); Enter or the search button
// rewrites the data set's SQL with the condition and an ordering by the column
// (see SearchRoutines) and opens it. Every search starts from the SQL the data
// set had when it was given to the frame.
//
// Visible features: bit 0 search, bit 1 navigation, bit 2 clear, bit 3 show
// filters.

#include "components/search/TSQLParse.h"
#include "platform/db/TDataSource.h"
#include "platform/ui/TFrame.h"

#include <QStringList>
#include <array>

class TAction;
class TActionList;
class TColumn;
class TDBGrid;
class TImageList;
class TLabel;
class TMaskEdit;
class TPanel;
class TPopupMenu;
class TVCLToolbar;

// (Sender, DataSet, SearchField, var SearchValue, var Exact, WhereClause):
// changes to WhereClause enter the search.
using TBeforeSearchEvent = TEvent<TObject*, TDataSet*, TField*, QString&, bool&, QStringList&>;

enum TSearchFeature : unsigned { sfSearch = 1, sfNavigation = 2, sfClear = 4, sfShowFilter = 8 };

class TfraDataSetSearch : public TFrame {
    Q_OBJECT
public:
    TfraDataSetSearch(TComponent* owner, TWinControl* parent = nullptr);
    ~TfraDataSetSearch() override;

    const QString& FilterCaption() const { return m_filterCaption; }
    void SetFilterCaption(const QString& caption);
    bool MultiSelect() const;
    void SetMultiSelect(bool multiSelect);
    TDataSet* DataSet() const { return m_dataSet; }
    // Raises "Não há propriedade SQL neste DataSet (%s)" for a set without SQL.
    void SetDataSet(TDataSet* dataSet);
    const QString& SearchField() const { return m_searchField; }
    void SetSearchField(const QString& fieldName);
    const QString& SearchValue() const { return m_searchValue; }
    // Raises when the value does not fit the search field's type.
    void SetSearchValue(const QString& value);
    bool ExactSearch() const { return m_exactSearch; }
    void SetExactSearch(bool exact) { m_exactSearch = exact; }
    bool SearchValueRequired() const { return m_searchValueRequired; }
    void SetSearchValueRequired(bool required) { m_searchValueRequired = required; }
    int FrameBorderWidth() const { return m_borderWidth; }
    void SetFrameBorderWidth(int width);
    unsigned VisibleFeatures() const { return m_visibleFeatures; }
    void SetVisibleFeatures(unsigned features);

    // Searches the data set; returns its record count, -1 when the field is missing.
    int Search(const QString& fieldName, const QString& value, bool exact);

    TNotifyEvent OnShowFilter, AfterSearch, OnClear, OnStateChange, OnGridDblClick;
    TDataChangeEvent OnDataChange;
    TBeforeSearchEvent BeforeSearch;

    TPanel* pnFrame = nullptr;
    TPanel* pnSearch = nullptr;
    TLabel* lbSearch = nullptr;
    TLabel* lbField = nullptr;
    TMaskEdit* edSearch = nullptr;
    TPanel* pnTbSearch = nullptr;
    TVCLToolbar* tbSearch = nullptr;
    TDBGrid* gdSearch = nullptr;
    TPanel* pnCount = nullptr;
    TDataSource* dsSearch = nullptr;
    TSQLParse* spSearch = nullptr;
    TImageList* ilSearch = nullptr;
    TPopupMenu* pmGrid = nullptr;
    TActionList* alSearch = nullptr;
    TAction* acSearch = nullptr;
    TAction* acSelectAll = nullptr;
    TAction* acUnselectAll = nullptr;
    TAction* acFirst = nullptr;
    TAction* acPrior = nullptr;
    TAction* acNext = nullptr;
    TAction* acLast = nullptr;
    TAction* acClear = nullptr;
    TAction* acShowFilter = nullptr;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resized() override;

private:
    void CreateComponents();
    // The parts CreateComponents makes, in this order: the pictures and
    // actions; the grid's menu, the frame and the search box with its
    // toolbar; the count and the grid.
    void CreateActions();
    void CreateSearchBox();
    void CreateGrid();
    void RefreshForDataSet();
    void RefreshForField();
    void ApplyVisibleFeatures();
    void UpdateNavigation();
    void UpdateSelectActions();
    void UpdateClear();
    void SelectAll(bool selected);

    void dsSearchDataChange(TObject* sender, TField* field);
    void dsSearchStateChange(TObject* sender);
    void edSearchChange(TObject* sender);
    void edSearchKeyDown(TObject* sender, int& key, TShiftState shift);
    void edSearchKeyPress(TObject* sender, QChar& key);
    void gdSearchTitleClick(TColumn* column);
    void gdSearchDblClick(TObject* sender);

    QString m_filterCaption = QStringLiteral("Pesquisar por");
    TDataSet* m_dataSet = nullptr;
    QString m_searchField;
    QString m_searchValue;
    bool m_exactSearch = false;
    bool m_searchValueRequired = false;
    int m_borderWidth = 0;
    unsigned m_visibleFeatures = sfSearch | sfClear;
};
