#pragma once
// The small value types of the data-set model: field types and kinds, data-set
// states, provider flags, locate options, error actions and bookmarks.

#include <QFlags>
#include <cstdint>

enum TFieldType {
    ftUnknown,
    ftString,
    ftWideString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftLargeint,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftDateTime,
    ftMemo,
    ftDataSet // the rows of a nested detail set (TDataSetField)
};

// fkData: a column of the data; fkCalculated: filled by OnCalcFields;
// fkLookup: the result of a lookup into another data set.
enum TFieldKind { fkData, fkCalculated, fkLookup };

enum TDataSetState {
    dsInactive,
    dsBrowse,
    dsEdit,
    dsInsert,
    dsCalcFields, // OnCalcFields runs: calculated and lookup fields are writable
    dsFilter      // OnFilterRecord runs: fields read the record being tested
};

enum TProviderFlag { pfInUpdate = 0x01, pfInWhere = 0x02, pfInKey = 0x04, pfHidden = 0x08 };
Q_DECLARE_FLAGS(TProviderFlags, TProviderFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TProviderFlags)

enum TLocateOption { loCaseInsensitive = 0x01, loPartialKey = 0x02 };
Q_DECLARE_FLAGS(TLocateOptions, TLocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLocateOptions)

// The answer of OnPostError, OnDeleteError and OnEditError.
enum TDataAction {
    daFail,  // raise the error
    daAbort, // end the operation silently
    daRetry  // try the operation again
};

// What a data set tells its data sources and their data links.
enum TDataEvent {
    deFieldChange,     // a field of the active record changed (info: the field)
    deRecordChange,    // the active record changed as a whole
    deDataSetChange,   // the records changed (open, refresh, filter, post, ...)
    deDataSetScroll,   // the cursor moved (info: distance)
    deLayoutChange,    // fields were added, removed or rearranged
    deUpdateRecord,    // controls must write pending edits into their fields
    deUpdateState,     // the state changed
    deCheckBrowseMode, // about to leave edit or insert state
    deFocusControl     // focus the control showing a field (info: the field)
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Identifies one record of one data set for as long as the record exists;
// 0 is no bookmark. Bookmarks stay valid across inserts, deletes and filters.
using TBookmark = std::uint64_t;
