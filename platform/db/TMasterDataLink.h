#pragma once
// The link by which a detail data set follows its master: a query whose
// parameters come from the master's current record, or a nested client data
// set that shows the rows of the master's current record.
//
// The detail gives the reactions it needs:
//   OnActiveChange    the master opened or closed (Active() tells which);
//   OnMasterChange    the master's cursor moved or its records changed
//                     (field: nullptr) or one field of its record changed;
//   OnCheckBrowseMode the master is about to move or leave its edit state.
// Nothing arrives while the master's controls are disabled; EnableControls
// then reports a change of the records.

#include "platform/db/TDataLink.h"

#include <functional>

class TMasterDataLink : public TDataLink {
public:
    explicit TMasterDataLink(TDataSet* detail) : m_detail(detail) {}

    // The data set that follows the master.
    TDataSet* Detail() const { return m_detail; }

    std::function<void()> OnActiveChange;
    std::function<void(TField*)> OnMasterChange;
    std::function<void()> OnCheckBrowseMode;

protected:
    void ActiveChanged() override;
    void RecordChanged(TField* field) override;
    void CheckBrowseMode() override;

private:
    TDataSet* m_detail;
};
