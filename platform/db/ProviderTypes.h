#pragma once
// The small value types shared by client data sets and providers: what a
// change in the change log is, what the resolver does with it, and how the
// reconcile handler answers a change the database refused.

#include <QFlags>

// The kind of statement a logged change becomes.
enum TUpdateKind { ukModify, ukInsert, ukDelete };

// Where a record of a client data set stands against what was fetched.
enum TUpdateStatus { usUnmodified, usModified, usInserted, usDeleted };

// The answer of OnReconcileError for one refused change.
enum TReconcileAction {
    raSkip,    // leave the change in the change log, go on with the next one
    raAbort,   // leave this and every later change in the log, stop applying
    raMerge,   // take the row as it stands in the database, keep the own changes, send again
    raCorrect, // send again with the values the handler put into the record
    raCancel,  // undo the change: the record gets its fetched values back
    raRefresh  // undo the change and show the row as it stands in the database
};

enum TProviderOption {
    poAllowCommandText = 0x01, // the client's CommandText replaces the query's SQL
    // Deleting a master row leaves the detail rows that are not packed into a
    // nested set to the database's cascading foreign keys; the provider
    // deletes only the rows a nested set logged as deleted.
    poCascadeDeletes = 0x02
};
Q_DECLARE_FLAGS(TProviderOptions, TProviderOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TProviderOptions)
