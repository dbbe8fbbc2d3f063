#pragma once
// One change of a client data set's change log as the provider resolves it:
// the kind of change and, per column, where it is written, the value as
// fetched and the value to write.
// Rows of nested detail sets name the master field that holds them.

#include "platform/db/DBTypes.h"
#include "platform/db/ProviderTypes.h"

#include <QString>
#include <QVariant>
#include <vector>

struct TDeltaRecord {
    struct Field {
        QString name;
        QString origin; // "TABLE.COLUMN"; a column without one is never written
        TProviderFlags providerFlags;
        TFieldType dataType = ftUnknown;
        QVariant oldValue; // as fetched (null for an insert)
        QVariant newValue; // to write (null for a delete)
        bool changed = false;
    };

    TUpdateKind updateKind = ukModify;
    // The change is a row of the nested set of this master field; empty for
    // a row of the master itself.
    QString dataSetField;
    std::vector<Field> fields;
};
