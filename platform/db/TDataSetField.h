#pragma once
// The field of a master client data set that holds, for each master record,
// the rows of a nested detail set (DataType ftDataSet). The provider names it
// after the detail query it packs. A client data set whose DataSetField is
// this field shows those rows for the master's current record.
//
// Declare it as a persistent field of the master (owner: the data module) so
// that the nested set can refer to it before the master opens; a dynamic
// field disappears when the master closes and the nested set lets go of it.

#include "platform/db/TField.h"

class TClientDataSet;

class TDataSetField : public TField {
public:
    explicit TDataSetField(TComponent* owner = nullptr);

    // The client data set showing this field's rows (nullptr: none).
    TClientDataSet* NestedDataSet() const { return m_nestedDataSet; }

private:
    friend class TClientDataSet;
    TClientDataSet* m_nestedDataSet = nullptr;
};
