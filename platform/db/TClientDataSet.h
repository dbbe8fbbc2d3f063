#pragma once
// A data set held in memory that keeps a log of its changes.
//
// Its rows come from a TDataSetProvider found by ProviderName among the
// components of the client set's owner (Params go to the provider's query;
// CommandText replaces its SQL when the provider allows it), or, for a set
// without provider, from nothing: CreateDataSet opens an empty set with the
// FieldDefs given (or those of the persistent fields).
//
// Every post and delete enters the change log (ChangeCount, UpdateStatus);
// CancelUpdates undoes all of it, RevertRecord the current record's change,
// MergeChangeLog accepts it as the new fetched state. ApplyUpdates(MaxErrors)
// sends the changes, in the order they were made, to the provider:
//  1. every change is written (or fails) in one transaction; when more than
//     MaxErrors fail (MaxErrors -1: no limit) everything is undone and the
//     whole log stays; otherwise the transaction is committed and the
//     written changes leave the log;
//  2. then each failed change is answered through OnReconcileError
//     (Action starts as raSkip): raSkip keeps it in the log; raAbort keeps it
//     and every later one unanswered; raCancel reverts it; raRefresh reverts
//     it and shows the row as the database holds it; raCorrect sends the
//     record again as the handler left it (it may Edit and Post the record,
//     on which the set stands); raMerge takes the database's values for the
//     fields the change did not touch and sends it again. A change that fails
//     again is answered again, unless nothing changed since the last try.
// The handler may call CancelUpdates; the loop then ends. ApplyUpdates
// returns the number of changes that failed in step 1; with no changes it
// returns 0 and fires no event.
//
// IndexFieldNames ("A;B") keeps the records sorted by those fields (nulls
// first); FindKey searches on them. Clearing it puts the records back in the
// order they were fetched, those added since after them.
//
// Nested detail sets: a client data set whose DataSetField is a TDataSetField
// of a master client data set shows the rows the provider packed into that
// field for the master's current record and follows the master's cursor:
//  - it opens and closes with the master (or on its own while the master is
//    open; closing it drops its unapplied changes);
//  - a new row belongs to the master's current record and takes the values
//    of the fields that link it to the master; inserting or editing a row
//    posts a pending edit of the master first; a pending edit of the nested
//    set is posted before the master moves or leaves its edit state;
//  - deleting a master record deletes its nested rows; undoing that delete
//    brings them back;
//  - the nested set keeps its own change log (its ChangeCount); the master's
//    ChangeCount counts the whole tree. The master's ApplyUpdates sends the
//    tree in one transaction: deletes of nested rows, then the master's own
//    changes, then inserts and changes of nested rows (so a master row exists
//    before its details and loses them before it goes), and answers every
//    refused change through the master's OnReconcileError with the set that
//    holds the change as DataSet; CancelUpdates and MergeChangeLog of the
//    master cover the tree. A nested set is not applied on its own.
// One level of nesting is supported.
//
// Remote events: BeforeGetRecords/AfterGetRecords run around each fetch
// (Open, Refresh), BeforeApplyUpdates/AfterApplyUpdates around ApplyUpdates.
// This set has no Execute, fetches no parameters and no rows on request:
// BeforeExecute, AfterExecute, BeforeGetParams, AfterGetParams,
// BeforeRowRequest and AfterRowRequest exist for components that forward a
// client set's events and never fire.

#include "platform/db/EReconcileError.h"
#include "platform/db/TDataPacket.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TDeltaRecord.h"
#include "platform/db/TParams.h"

#include <QHash>
#include <QStringList>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

class TClientDataSet;
class TDataSetField;
class TDataSource;
class TMasterDataLink;

// (DataSet, E, UpdateKind, Action)
using TReconcileErrorEvent = TEvent<TClientDataSet*, EReconcileError&, TUpdateKind, TReconcileAction&>;

class TClientDataSet : public TDataSet {
public:
    explicit TClientDataSet(TComponent* owner = nullptr);
    ~TClientDataSet() override;

    const QString& ProviderName() const { return m_providerName; }
    // Raises while the set is open.
    void SetProviderName(const QString& name);
    const QString& CommandText() const { return m_commandText; }
    void SetCommandText(const QString& text);
    TParams& Params() { return m_params; }
    const TParams& Params() const { return m_params; }

    const QString& IndexFieldNames() const { return m_indexFieldNames; }
    void SetIndexFieldNames(const QString& names);
    // Moves to the first record whose index fields equal `values` (one per
    // index field, in order); false when none does.
    bool FindKey(const QVariantList& values);

    // Opens the set empty, without provider.
    void CreateDataSet();

    // The master field whose rows this set shows (nullptr: not nested).
    // Raises while the set is open.
    TDataSetField* DataSetField() const { return m_dataSetField; }
    void SetDataSetField(TDataSetField* field);

    // Changes not yet applied, those of the nested sets included.
    int ChangeCount() const;
    void CancelUpdates();
    void RevertRecord();
    void MergeChangeLog();
    int ApplyUpdates(int maxErrors);
    // Of the last ApplyUpdates' refusals, those the reconcile handler did not
    // get stored by a corrected retry (skipped, cancelled, refreshed or never
    // reached).
    int UnstoredRefusals() const { return m_unstoredRefusals; }

    bool CanModify() const override { return true; }

    TReconcileErrorEvent OnReconcileError;
    TRemoteEvent BeforeApplyUpdates, AfterApplyUpdates;
    TRemoteEvent BeforeGetRecords, AfterGetRecords;
    TRemoteEvent BeforeRowRequest, AfterRowRequest;
    TRemoteEvent BeforeExecute, AfterExecute;
    TRemoteEvent BeforeGetParams, AfterGetParams;

protected:
    void InternalOpen() override;
    void InternalClose() override;
    void InternalRefresh() override;
    void InternalPost(TRecordBuffer& record, bool inserting) override;
    void InternalDelete(TRecordBuffer& record) override;
    void InternalEdit() override;
    void InternalInitRecord(TRecordBuffer& record) override;
    bool RecordInRange(const TRecordBuffer& record) const override;
    TField* CreateField(const TFieldDef& def) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // One change: a posted record (still stored in the set) or a deleted one
    // (kept here with its fetched values).
    struct Change {
        std::uint64_t serial = 0;
        TRecordBuffer* record = nullptr;
        std::unique_ptr<TRecordBuffer> deleted;
        std::size_t position = 0; // storage position of a deleted record
        TBookmark cascadeOf = 0;  // nested row deleted with this master record
    };
    struct Failure {
        TClientDataSet* set; // the master or one of its nested sets
        std::uint64_t serial;
        EReconcileError error;
        TUpdateKind kind;
        bool stored = false; // a corrected retry stored it
    };

    // Rows of a nested set kept by the master while no open nested set holds them.
    struct NestedRow {
        TBookmark master;
        TRecordValues values;
    };
    struct NestedData {
        std::vector<TDataPacket::Column> columns;
        QStringList masterFields;
        std::vector<NestedRow> rows;
    };

    TDataSetProvider* Provider() const;
    // Nested sets: the master of this one; the open nested sets of this master.
    TClientDataSet* Master() const;
    std::vector<TClientDataSet*> NestedSets() const;
    void FollowMasterField();
    void OpenNested();
    void ReturnNestedRows();
    void ReloadNestedRows();
    // Shows the rows of the master's current record when that changed.
    void SyncToMaster();
    void PostMaster();
    void CascadeDelete(TBookmark masterId);
    void UndoCascade(TBookmark masterId);
    void DiscardRowsOf(TBookmark masterId);
    void LogDeletion(TRecordBuffer& record, TBookmark cascadeOf);
    // Puts a deleted record back (with its nested rows); the change keeps no record.
    TRecordBuffer& RestoreDeleted(Change& change);
    void AcceptApplied(const std::unordered_set<std::uint64_t>& serials);
    void LoadPacket(TDataPacket packet, bool defineFields);
    void SortByIndex();
    std::vector<int> IndexSlots() const;
    // The columns with what the provider needs to write them (no values).
    std::vector<TDeltaRecord::Field> DeltaColumns() const;
    TDeltaRecord Delta(const Change& change, const std::vector<TDeltaRecord::Field>& columns) const;
    Change* FindChange(std::uint64_t serial);
    void AddChange(TRecordBuffer* record);
    void RemoveChange(std::uint64_t serial);
    // Undoes one change without events; does not resync.
    void UndoChange(Change& change);
    // The change's record takes its current values as the fetched state.
    void AcceptChange(Change& change);
    void Reconcile(TDataSetProvider& provider, std::vector<Failure>& failures);
    // Answers one refused change of this set through `handlerSet`'s OnReconcileError;
    // false when the handler aborted.
    bool ReconcileOne(TDataSetProvider& provider, TClientDataSet& handlerSet, Failure& failure);
    // Sends one change again in its own transaction; the failure when it fails.
    std::optional<EReconcileError> Retry(TDataSetProvider& provider, Change& change);
    void ShowDatabaseRow(TDataSetProvider& provider, Change& change);
    void MergeDatabaseRow(TDataSetProvider& provider, Change& change);
    void Position(const Change& change);

    QString m_providerName;
    QString m_commandText;
    TParams m_params;
    QString m_indexFieldNames;
    bool m_creating = false;
    std::vector<TDataPacket::Column> m_columns; // per field definition
    std::vector<Change> m_log;
    QHash<const TRecordBuffer*, std::uint64_t> m_logged; // posted records in the log
    std::uint64_t m_nextSerial = 1;
    std::uint64_t m_logVersion = 0; // bumps whenever the log is undone or merged
    int m_unstoredRefusals = 0;

    QHash<QString, NestedData> m_nested; // master: by upper-case field name
    TDataSetField* m_dataSetField = nullptr;
    std::unique_ptr<TDataSource> m_masterSource;
    std::unique_ptr<TMasterDataLink> m_masterLink;
    QStringList m_masterFields;  // nested: fields copied from the master into new rows
    TBookmark m_shownMaster = 0; // nested: the master record whose rows are shown
    int m_followSuspended = 0;   // nested: master notifications ignored while > 0
};
