#pragma once
// What a data-aware control holds to follow a data source. Subclasses
// override the notifications they care about:
//   ActiveChanged()       the data set opened or closed (or the link moved);
//   DataSetChanged()      records changed or the cursor moved (default:
//                         RecordChanged(nullptr));
//   DataSetScrolled(n)    the cursor moved by n (default: DataSetChanged);
//   RecordChanged(field)  a field of the record changed (nullptr: all);
//   EditingChanged()      the data set entered or left edit/insert state;
//   UpdateData()          write pending control edits into the fields;
//   CheckBrowseMode()     the data set is about to leave edit or insert;
//   LayoutChanged()       fields were added or removed (default: DataSetChanged);
//   FocusControl(field)   focus the control showing field; true when done.

#include "platform/base/TObject.h"
#include "platform/db/DBTypes.h"

class TDataSet;
class TDataSource;
class TField;

class TDataLink : public TObject {
public:
    TDataLink() = default;
    ~TDataLink() override;

    TDataSource* DataSource() const { return m_dataSource; }
    void SetDataSource(TDataSource* source);
    // nullptr without a data source.
    TDataSet* DataSet() const;
    // The data source is enabled and its data set open.
    bool Active() const { return m_active; }
    bool Editing() const { return m_editing; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);

    // Puts the data set into edit state through the data source (AutoEdit);
    // returns Editing.
    bool Edit();
    // Calls UpdateData now (once; nested calls do nothing).
    void UpdateRecord();

    // Called by TDataSource.
    void DataEvent(TDataEvent event, const void* info);
    void SourceActiveChanged();

protected:
    virtual void ActiveChanged() {}
    virtual void DataSetChanged();
    virtual void DataSetScrolled(int distance);
    virtual void RecordChanged(TField* field);
    virtual void EditingChanged() {}
    virtual void UpdateData() {}
    virtual void CheckBrowseMode() {}
    virtual void LayoutChanged();
    virtual bool FocusControl(TField* field);

private:
    void UpdateActive();
    void UpdateEditing();

    TDataSource* m_dataSource = nullptr;
    bool m_active = false;
    bool m_editing = false;
    bool m_readOnly = false;
    bool m_updating = false;
};
