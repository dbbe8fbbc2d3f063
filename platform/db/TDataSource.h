#pragma once
// The bridge between one data set and the data-aware controls: passes the
// data set's notifications to its data links and to its own events.
//   OnStateChange(Sender): the data set's state changed (also on open/close).
//   OnDataChange(Sender, Field): the record changed; Field is the field that
//     changed, nullptr when the whole record changed or the cursor moved.
//   OnUpdateData(Sender): before a post, controls write their pending edits.
// With Enabled off the links see the data set as inactive.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "platform/db/DBTypes.h"

#include <vector>

class TDataLink;
class TDataSet;
class TField;

using TDataChangeEvent = TEvent<TObject*, TField*>;

class TDataSource : public TComponent {
public:
    explicit TDataSource(TComponent* owner = nullptr);
    ~TDataSource() override;

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    // The data set's state; dsInactive without an active data set or when disabled.
    TDataSetState State() const;
    // Controls may put the data set into edit state when the user types.
    bool AutoEdit() const { return m_autoEdit; }
    void SetAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // Puts a browsing data set into edit state when AutoEdit is on.
    void Edit();

    TNotifyEvent OnStateChange;
    TDataChangeEvent OnDataChange;
    TNotifyEvent OnUpdateData;

    // For TDataSet and TDataLink.
    void DataEvent(TDataEvent event, const void* info);
    void AddDataLink(TDataLink* link);
    void RemoveDataLink(TDataLink* link);
    const std::vector<TDataLink*>& DataLinks() const { return m_links; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void NotifyLinks(TDataEvent event, const void* info);

    TDataSet* m_dataSet = nullptr;
    bool m_autoEdit = true;
    bool m_enabled = true;
    TDataSetState m_lastState = dsInactive;
    std::vector<TDataLink*> m_links;
};
