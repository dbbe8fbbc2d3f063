#pragma once
// One record held in memory by a data set.
//
// values: one slot per field definition (in FieldDefs order), then one slot
// per calculated or lookup field, stored compactly (TRecordValues). Money
// travels as Currency, dates as QDate, date-times as QDateTime, integers as
// int or qint64, text as QString; an invalid QVariant is null.
//
// The data set keeps the update status and the values as they were before the
// first change since the record was loaded: a record posted as new becomes
// usInserted, a loaded record changed by a post becomes usModified with
// originalValues filled (data slots only). Client data sets read both to build
// their change log and may reset them (e.g. after a successful apply).

#include "platform/db/DBTypes.h"
#include "platform/db/ProviderTypes.h"
#include "platform/db/TRecordValues.h"

struct TRecordBuffer {
    TRecordValues values;
    TRecordValues originalValues; // empty while the record is unchanged or new
    TUpdateStatus updateStatus = usUnmodified;
    TBookmark id = 0;       // unique in its data set, never reused
    TBookmark masterId = 0; // rows of a nested detail set: the master record they belong to
};
