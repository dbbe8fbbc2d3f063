#pragma once
// A data set over rows given in code, for the tests of the data-set model.
// Records the calls of the protected hooks and can make InternalEdit,
// InternalPost and InternalDelete fail on request.

#include "platform/db/TDataSet.h"
#include "platform/db/TFieldDef.h"

#include <QStringList>
#include <QVariant>
#include <vector>

class MemoryDataSet : public TDataSet {
public:
    struct Column {
        QString name;
        TFieldType type;
        int size = 0;
        bool required = false;
    };

    explicit MemoryDataSet(TComponent* owner = nullptr) : TDataSet(owner) {}

    void SetColumns(std::vector<Column> columns) { m_columns = std::move(columns); }
    void AddRow(std::vector<QVariant> row) { m_rows.push_back(std::move(row)); }
    void ClearRows() { m_rows.clear(); }

    // Calls of InternalPost ("post:insert"/"post:edit"), InternalDelete, InternalCancel.
    QStringList hookCalls;
    // The next InternalPost / InternalDelete raises EDatabaseError with this text.
    QString failNextPost;
    QString failNextDelete;
    QString failNextEdit;
    bool readOnly = false;

    bool CanModify() const override { return !readOnly; }

    using TDataSet::CurrentRecord;
    using TDataSet::Records;

protected:
    void InternalOpen() override {
        if (FieldDefs().Count() == 0) {
            for (const Column& column : m_columns)
                FieldDefs().Add(column.name, column.type, column.size, column.required);
        }
        for (const auto& row : m_rows)
            AppendLoadedRecord(row);
    }

    void InternalRefresh() override {
        ClearRecords();
        for (const auto& row : m_rows)
            AppendLoadedRecord(row);
    }

    void InternalPost(TRecordBuffer&, bool inserting) override {
        hookCalls << (inserting ? QStringLiteral("post:insert") : QStringLiteral("post:edit"));
        if (!failNextPost.isEmpty()) {
            const QString message = failNextPost;
            failNextPost.clear();
            throw EDatabaseError(message);
        }
    }

    void InternalDelete(TRecordBuffer&) override {
        hookCalls << QStringLiteral("delete");
        if (!failNextDelete.isEmpty()) {
            const QString message = failNextDelete;
            failNextDelete.clear();
            throw EDatabaseError(message);
        }
    }

    void InternalEdit() override {
        if (!failNextEdit.isEmpty()) {
            const QString message = failNextEdit;
            failNextEdit.clear();
            throw EDatabaseError(message);
        }
    }

    void InternalCancel() override { hookCalls << QStringLiteral("cancel"); }

private:
    std::vector<Column> m_columns;
    std::vector<std::vector<QVariant>> m_rows;
};
