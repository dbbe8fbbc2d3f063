#include "platform/db/ApplyAllUpdates.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"

void ApplyAllUpdates(TClientDataSet& dataSet) {
    const int refused = dataSet.ApplyUpdates(0);
    if (dataSet.UnstoredRefusals() == 0 && dataSet.ChangeCount() == 0)
        return;
    dataSet.CancelUpdates();
    throw EDatabaseError(
        QStringLiteral("%1: the database refused %2 change(s)").arg(dataSet.Name()).arg(refused));
}
