#pragma once
// A set of records with a cursor, states and events: the base of every data
// set of the program (client data sets, queries, test sets).
//
// Conventions of the data classes (TDataSet, TField, TDataSource, TDataLink,
// TParams, and the classes built on them):
//  - Properties are getter/setter pairs named after the property: Active()
//    and SetActive(bool), Filter() and SetFilter(text), RecNo() and
//    SetRecNo(n). Read-only properties have the getter only.
//  - Events are public TEvent members named after the event (BeforePost,
//    OnNewRecord, OnValidate, ...). Assign, read, save and chain them as
//    values: handlers compare by identity.
//  - Errors are EDatabaseError with the texts below; EAbort from a Before...
//    event or OnNewRecord cancels the operation silently.
//
// Records are held in memory (TRecordBuffer, values stored by type). The
// cursor walks the records that pass the filter (Filter text through
// TFilterExpression, then OnFilterRecord, when Filtered is set).
//
// Event order:
//  Open:   BeforeOpen, InternalOpen, fields bound, calculated fields,
//          browse state, cursor on the first record, AfterOpen, AfterScroll.
//  Close:  BeforeClose, pending edit discarded, inactive state,
//          InternalClose, dynamic fields freed, AfterClose.
//  Insert/Append: pending edit posted, BeforeInsert, BeforeScroll, insert
//          state, OnNewRecord, Modified cleared, AfterInsert, AfterScroll.
//  Edit:   (empty set: Insert instead) BeforeEdit, InternalEdit, edit state,
//          AfterEdit.
//  Post:   data links write pending control edits (UpdateRecord),
//          BeforePost, required check ("O campo "%s" deve ser preenchido."),
//          write (InternalPost), browse state, AfterPost.
//  Cancel: BeforeCancel, InternalCancel, browse state, AfterCancel.
//  Delete: (insert state: Cancel instead) BeforeDelete, BeforeScroll,
//          InternalDelete and removal, browse state, AfterDelete, AfterScroll.
//  Scroll (First, Last, Next, Prior, MoveBy, RecNo, Locate, GotoBookmark):
//          pending edit posted, BeforeScroll, move, AfterScroll.
//  Refresh: pending edit posted, BeforeRefresh, InternalRefresh, cursor at
//          the same position (or the last record), AfterRefresh.
// The checked steps of Post, Delete and Edit run under OnPostError,
// OnDeleteError and OnEditError: an EDatabaseError asks the handler for an
// action (daFail raises it, daAbort aborts silently, daRetry tries again).
//
// Errors a user may meet are in Portuguese: not in edit or insert state, a
// read-only set, a closed, open or empty set, a record not found, a field
// that cannot be modified or must be filled, a value a field cannot hold.
// "Field '%s' not found" keeps the platform's own words; errors that only a
// fault of the calling code can raise (a nested set, a display row, a
// missing provider) are written for its developer, in English.
//
// For subclasses (protected hooks):
//  InternalOpen()   define FieldDefs (unless given from outside) and load the
//                   records with AppendLoadedRecord (values in FieldDefs
//                   order). Required.
//  InternalClose()  release what InternalOpen acquired; the records are
//                   cleared by the base afterwards.
//  InternalRefresh() reload: ClearRecords + AppendLoadedRecord.
//  InternalEdit()   may refuse editing the current record by raising.
//  InternalPost(record, inserting) runs after the values are written into
//                   the stored record (update status and original values
//                   already set); raising undoes the write and leaves the
//                   data set in its edit state. May reorder the records
//                   (SortRecords).
//  InternalDelete(record) runs before the record is removed; raising keeps it.
//  InternalCancel() runs when a pending edit or insert is dropped.
//  InternalInitRecord(record) fills a new record before OnNewRecord.
//  RecordInRange(record) limits the records the cursor walks.
//  CanModify()      false for read-only sets.
// The update status and original values in TRecordBuffer are kept by the
// base; client data sets read them for their change log.

#include "platform/base/Exceptions.h"
#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "platform/db/DBTypes.h"
#include "platform/db/TFieldDefs.h"
#include "platform/db/TFields.h"
#include "platform/db/TRecordBuffer.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class TDataSet;
class TDataSource;
class TField;
class TFieldDef;
class TFilterExpression;

using TDataSetNotifyEvent = TEvent<TDataSet*>;
// (DataSet, E, Action): Action starts as daFail.
using TDataSetErrorEvent = TEvent<TDataSet*, EDatabaseError&, TDataAction&>;
// (DataSet, Accept): Accept starts as true.
using TFilterRecordEvent = TEvent<TDataSet*, bool&>;

class TDataSet : public TComponent {
public:
    explicit TDataSet(TComponent* owner = nullptr);
    ~TDataSet() override;

    // State -------------------------------------------------------------------
    bool Active() const { return m_state != dsInactive; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return m_state; }
    // True once a field of the pending edit or insert was assigned.
    bool Modified() const { return m_modified; }
    virtual bool CanModify() const { return true; }
    // Recalculate calculated fields after each field change while editing.

    // Fields --------------------------------------------------------------------
    TFields& Fields() { return m_fields; }
    const TFields& Fields() const { return m_fields; }
    int FieldCount() const { return m_fields.Count(); }
    TFieldDefs& FieldDefs() { return m_fieldDefs; }
    const TFieldDefs& FieldDefs() const { return m_fieldDefs; }
    TField* FindField(const QString& name) const { return m_fields.FindField(name); }
    // Raises EDatabaseError "Field '%s' not found".
    TField* FieldByName(const QString& name) const { return m_fields.FieldByName(name); }
    // The fields named in "A;B" (separated by ';'), each raising when absent.
    std::vector<TField*> GetFieldList(const QString& names) const;

    // Navigation ---------------------------------------------------------------
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves up to distance records; returns how many it moved (signed).
    int MoveBy(int distance);
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    // 1-based position among the visible records; 0 when empty or inserting.
    int RecNo() const;
    void SetRecNo(int recNo);
    // Visible records (those passing the filter); 0 while closed.
    int RecordCount() const;
    bool IsEmpty() const;

    // Rows as a grid shows them: the visible records with a pending insert
    // at its place. Rows are 0-based.
    int RowCount() const;
    // The cursor's row (the pending insert's row while inserting); -1 when empty.
    int CurrentRow() const;
    // While a display row is set (0 <= row < RowCount), fields read that row
    // instead of the cursor's, without moving or events: a grid sets it for
    // each row it paints and sets -1 afterwards. The cursor's row reads the
    // pending edit or insert. Writing fields still goes to the cursor's row
    // only while no display row is set.
    int DisplayRow() const { return m_displayRow; }
    void SetDisplayRow(int row);

    // Editing ---------------------------------------------------------------------
    void Insert();
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // Posts a pending edit or insert; raises when the data set is closed.
    void CheckBrowseMode();
    // Makes data links write their pending control edits into the fields.
    void UpdateRecord();
    // Update status of the current record.
    TUpdateStatus UpdateStatus() const;

    // Bookmarks ---------------------------------------------------------------
    // 0 when there is no current record.
    TBookmark GetBookmark() const;
    // Raises EDatabaseError "Registro não encontrado." for an invalid bookmark.
    void GotoBookmark(TBookmark bookmark);
    // True while the record exists and passes the filter.
    bool BookmarkValid(TBookmark bookmark) const;
    // -1, 0 or 1 by the records' order; a null bookmark comes first.
    int CompareBookmarks(TBookmark first, TBookmark second) const;

    // Searching -----------------------------------------------------------------
    // Moves to the first visible record whose fields keyFields ("A;B") equal
    // keyValues (one value, or a QVariantList with one value per field).
    // Strings compare case-insensitively with loCaseInsensitive and by prefix
    // with loPartialKey. Returns false (and stays) when none matches.
    bool Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options = {});
    // The resultFields ("A;B": a QVariantList) of the first matching visible
    // record, without moving; null when none matches.
    QVariant Lookup(const QString& keyFields, const QVariant& keyValues, const QString& resultFields);

    // Filtering -------------------------------------------------------------------
    const QString& Filter() const { return m_filterText; }
    // Raises EDatabaseError naming the text when it does not parse.
    void SetFilter(const QString& text);
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool filtered);
    // Evaluates the filter again (after OnFilterRecord's inputs changed).
    void Refilter();

    // Controls ----------------------------------------------------------------------
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    void Refresh();

    // Data sources register here (TDataSource::SetDataSet).
    void AddDataSource(TDataSource* source);
    void RemoveDataSource(TDataSource* source);
    const std::vector<TDataSource*>& DataSources() const { return m_dataSources; }
    // Tells the data sources (and their links), unless controls are disabled.
    void DataEvent(TDataEvent event, const void* info = nullptr);

    // Events -----------------------------------------------------------------------
    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent BeforeRefresh, AfterRefresh;
    TDataSetNotifyEvent OnCalcFields, OnNewRecord;
    TDataSetErrorEvent OnPostError, OnDeleteError, OnEditError;
    TFilterRecordEvent OnFilterRecord;

protected:
    virtual void InternalOpen() = 0;
    virtual void InternalClose() {}
    virtual void InternalRefresh() {}
    virtual void InternalEdit() {}
    virtual void InternalPost(TRecordBuffer& record, bool inserting);
    virtual void InternalDelete(TRecordBuffer& record);
    virtual void InternalCancel() {}
    // Fills a new record before OnNewRecord; raising cancels the insert.
    virtual void InternalInitRecord(TRecordBuffer& record) { Q_UNUSED(record); }
    // False hides a stored record from the cursor, before any filter
    // (a nested detail set shows only the rows of its master's record).
    virtual bool RecordInRange(const TRecordBuffer& record) const {
        Q_UNUSED(record);
        return true;
    }
    // The dynamic field for a definition; nullptr for a type without a field class.
    virtual TField* CreateField(const TFieldDef& def);

    // Record storage for subclasses.
    // Adds a record with its data values (FieldDefs order; missing values are null).
    TRecordBuffer& AppendLoadedRecord(const std::vector<QVariant>& values);
    TRecordBuffer& AppendLoadedRecord(TRecordValues values);
    void ClearRecords();
    const std::vector<std::unique_ptr<TRecordBuffer>>& Records() const { return m_records; }
    // Stable-sorts the stored records; the cursor stays on its record.
    void SortRecords(const std::function<bool(const TRecordBuffer&, const TRecordBuffer&)>& less);
    // Removes a stored record without events (e.g. undoing an insert); the
    // cursor moves to the next visible record.
    void RemoveRecord(const TRecordBuffer* record);
    // Puts a record back at a storage position (e.g. undoing a delete).
    TRecordBuffer& RestoreRecord(std::unique_ptr<TRecordBuffer> record, std::size_t position);
    // The record the cursor is on (nullptr when none or inserting).
    TRecordBuffer* CurrentRecord() const;
    // Rebuilds the visible list and recalculates after records changed;
    // tells the data links.
    void Resync();

private:
    friend class TField;

    // Field access for TField.
    QVariant FieldValue(const TField* field) const;
    void SetFieldValue(TField* field, const QVariant& value);
    QVariant OldFieldValue(const TField* field) const;
    void AddField(TField* field);
    void RemoveField(TField* field);
    TRecordBuffer* ActiveBuffer() const;
    TRecordBuffer* RowBuffer(int row) const;

    void CheckActive() const;
    void CheckInactive() const;
    void DoOpen();
    void DoClose();
    void BindFields();
    void UnbindFields();
    void BeginInsertAppend(bool append);
    void RunChecked(const TDataSetErrorEvent& handler, const std::function<void()>& operation);
    void CheckRequiredFields();
    void WriteEditBuffer();
    void SetState(TDataSetState state);
    void RebuildView();
    bool PassesFilter(TRecordBuffer& record);
    void CalculateFields(TRecordBuffer& record);
    void CalculateAll();
    void MoveTo(int viewIndex);
    int ViewIndexOf(const TRecordBuffer* record) const;
    int FindRecord(const std::vector<TField*>& fields, const QVariantList& values,
                   TLocateOptions options) const;
    void NotifyScroll(int distance);

    TDataSetState m_state = dsInactive;
    TFieldDefs m_fieldDefs;
    TFields m_fields;
    std::vector<TField*> m_calcFields; // calculated and lookup fields while open
    std::vector<std::unique_ptr<TRecordBuffer>> m_records;
    std::vector<TRecordBuffer*> m_view; // records passing the filter, in order
    int m_current = -1;                 // index into m_view
    bool m_bof = true;
    bool m_eof = true;
    bool m_modified = false;
    TBookmark m_nextId = 1;

    std::unique_ptr<TRecordBuffer> m_editBuffer; // the pending edit or insert
    int m_insertIndex = -1;                      // view position of a pending insert
    TRecordBuffer* m_tempRecord = nullptr;       // record under OnCalcFields/OnFilterRecord
    int m_displayRow = -1;                       // row fields read instead of the cursor's, -1: none

    QString m_filterText;
    std::unique_ptr<TFilterExpression> m_filterExpression;
    std::vector<TField*> m_filterFields;
    bool m_filtered = false;

    int m_disableCount = 0;
    TDataSetState m_stateWhenDisabled = dsInactive;
    std::vector<TDataSource*> m_dataSources;
};
