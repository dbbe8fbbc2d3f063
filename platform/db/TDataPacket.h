#pragma once
// What a provider hands a client data set: the columns of its source data set
// with what the resolver needs to know about them, and the rows.

#include "platform/db/DBTypes.h"

#include <QString>
#include <QVariant>
#include <vector>

struct TDataPacket {
    struct Column {
        QString name;
        TFieldType dataType = ftUnknown;
        int size = 0;
        bool required = false;
        QString origin; // "TABLE.COLUMN", empty for computed columns
        TProviderFlags providerFlags;
    };

    std::vector<Column> columns;
    std::vector<std::vector<QVariant>> rows; // values in column order
};
