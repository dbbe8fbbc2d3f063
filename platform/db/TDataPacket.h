#pragma once
// What a provider hands a client data set: the columns of its source data set
// with what the resolver needs to know about them, and the rows.
//
// A column of type ftDataSet stands for a detail query linked to the source
// (named after it): its values in `rows` are null, `nested` describes the
// detail's columns and `masterFields` the master fields the detail is linked
// by; the detail rows of each master row are in `nestedRows`.

#include "platform/db/DBTypes.h"
#include "platform/db/ProviderTypes.h"
#include "platform/db/TRecordValues.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <vector>

struct TDataPacket {
    using Row = TRecordValues; // values in column order

    struct Column {
        QString name;
        TFieldType dataType = ftUnknown;
        int size = 0;
        bool required = false;
        QString origin; // "TABLE.COLUMN", empty for computed columns
        TProviderFlags providerFlags;
        std::vector<Column> nested; // ftDataSet: the detail's columns
        QStringList masterFields;   // ftDataSet: the fields linking detail rows to their master
    };

    std::vector<Column> columns;
    std::vector<Row> rows;
    // By the index of an ftDataSet column: for each row of `rows`, its detail rows.
    std::map<std::size_t, std::vector<std::vector<Row>>> nestedRows;
};
