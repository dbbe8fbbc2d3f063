#pragma once
// An ordered list of icons that owns them. Changes are reported once per
// batch (BeginUpdate/EndUpdate), and a change of any icon in the list is a
// change of the list. The list streams itself as one data property:
// a 32-bit count, then per entry a 32-bit size and the icon file (size 0
// for an empty entry).

#include "platform/graphics/TIcon.h"

#include <QIODevice>
#include <memory>
#include <vector>

class TIconList : public TPersistent {
public:
    static constexpr int kCountSize = 4;
    static constexpr int kSizeSize = 4;

    TIconList();
    ~TIconList() override;

    QString ClassName() const override { return QStringLiteral("TIconList"); }
    void Assign(const TPersistent* source) override;

    void BeginUpdate();
    void EndUpdate();
    virtual void Changed();
    // The entry; nullptr for an empty one.
    virtual TIcon* Icons(int index) const;
    virtual int Count() const;
    // Assigns `icon` to entry `index`; index Count appends.
    virtual void Put(int index, const TIcon* icon);
    // Appends a copy of `icon` (an empty icon for nullptr).
    virtual int Add(const TIcon* icon);
    virtual int AddResource(const QString& instance, const QString& resourceName);
    virtual void Clear();
    virtual void Delete(int index);
    virtual void Exchange(int index1, int index2);
    virtual int IndexOf(const TIcon* icon) const;
    virtual void Insert(int index, const TIcon* icon);
    virtual void InsertResource(int index, const QString& instance, const QString& resourceName);
    // Replaces the list with the one in the stream; counts and sizes are
    // checked against the bytes that remain (EReadError).
    virtual void LoadFromStream(QIODevice& stream);
    virtual void Move(int currentIndex, int newIndex);
    virtual void SaveToStream(QIODevice& stream) const;

    // Whether the "Icons" property is stored, given the inherited list (if any).
    bool ShouldWriteIcons(const TIconList* ancestor) const;

    TNotifyEvent OnChange;

private:
    void Hook(TIcon& icon);
    void IconChanged(TObject* sender);
    void CheckIndex(int index, bool allowEnd) const;

    std::vector<std::unique_ptr<TIcon>> m_list;
    int m_updateCount = 0;
};
