#pragma once
// The connections of the run, by name, and the notice of their activity.
//
// Every TIBDatabase enters the registry when it is made and leaves it when it
// goes; Find looks one up by its component name (case-insensitive), as it
// stands at the moment of the call. Every statement executed on a connection
// is announced to the listeners with the connection it ran on, so that a
// watcher (the idle time-out) can tell a connection in use from an idle one.
// Everything runs on the thread that uses the connections.

#include <QString>
#include <functional>
#include <map>
#include <vector>

class TIBDatabase;

class ConnectionRegistry {
public:
    using Listener = std::function<void(TIBDatabase* database)>;

    static ConnectionRegistry& Instance();

    void Register(TIBDatabase* database);
    void Unregister(TIBDatabase* database);
    // The connection named name; nullptr for an empty name or none.
    TIBDatabase* Find(const QString& name) const;

    // Returns the key that Unsubscribe takes.
    int Subscribe(Listener listener);
    void Unsubscribe(int key);
    // Tells every listener that a statement ran on database. A listener may
    // subscribe or unsubscribe while being told.
    void NotifyActivity(TIBDatabase* database) const;

private:
    std::vector<TIBDatabase*> m_databases;
    std::map<int, Listener> m_listeners;
    int m_nextKey = 1;
};
