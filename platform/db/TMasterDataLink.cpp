#include "platform/db/TMasterDataLink.h"

void TMasterDataLink::ActiveChanged() {
    if (OnActiveChange)
        OnActiveChange();
}

void TMasterDataLink::RecordChanged(TField* field) {
    if (OnMasterChange)
        OnMasterChange(field);
}

void TMasterDataLink::CheckBrowseMode() {
    if (OnCheckBrowseMode)
        OnCheckBrowseMode();
}
