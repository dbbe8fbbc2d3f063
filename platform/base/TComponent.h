#pragma once
// A named component in an owner tree. The owner frees what it owns; the name
// is also the Qt objectName, so tests and tools find components by it.
// Components can ask to be told when another component goes away
// (FreeNotification) and see insertions and removals in their owner
// (Notification). While a component is being loaded its property setters only
// store values; Loaded() applies them once loading ends.

#include "platform/base/Exceptions.h"
#include "platform/base/TObject.h"

#include <QObject>
#include <QString>
#include <vector>

enum class TOperation { opInsert, opRemove };

class TComponent : public QObject, public TObject {
    Q_OBJECT
public:
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;

    const QString& Name() const { return m_name; }
    // Raises EComponentError when another component of the same owner already
    // carries the (non-empty) name, case-insensitively.
    virtual void SetName(const QString& name);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    TComponent* Owner() const { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const { return m_components.at(static_cast<std::size_t>(index)); }
    // Case-insensitive lookup among the directly owned components.
    TComponent* FindComponent(const QString& name) const;

    // Ask to be told (Notification with opRemove) when `component` is destroyed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    bool IsLoading() const { return m_loading; }
    bool IsDestroying() const { return m_destroying; }
    // Marks the start of loading; EndLoading clears the mark and calls Loaded.
    void BeginLoading() { m_loading = true; }
    void EndLoading();

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void Loaded() {}

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    QString m_name;
    int m_tag = 0;
    bool m_loading = false;
    bool m_destroying = false;
    TComponent* m_owner = nullptr;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
};

// Raised for a wrong name or ownership.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};
