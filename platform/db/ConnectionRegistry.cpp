#include "platform/db/ConnectionRegistry.h"

#include "platform/db/TIBDatabase.h"

#include <algorithm>

ConnectionRegistry& ConnectionRegistry::Instance() {
    static ConnectionRegistry registry;
    return registry;
}

void ConnectionRegistry::Register(TIBDatabase* database) {
    if (std::find(m_databases.begin(), m_databases.end(), database) == m_databases.end())
        m_databases.push_back(database);
}

void ConnectionRegistry::Unregister(TIBDatabase* database) {
    std::erase(m_databases, database);
}

TIBDatabase* ConnectionRegistry::Find(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    for (TIBDatabase* database : m_databases)
        if (database->Name().compare(name, Qt::CaseInsensitive) == 0)
            return database;
    return nullptr;
}

int ConnectionRegistry::Subscribe(Listener listener) {
    const int key = m_nextKey++;
    m_listeners.emplace(key, std::move(listener));
    return key;
}

void ConnectionRegistry::Unsubscribe(int key) {
    m_listeners.erase(key);
}

void ConnectionRegistry::NotifyActivity(TIBDatabase* database) const {
    // A copy: a listener may change the subscriptions meanwhile.
    const std::map<int, Listener> listeners = m_listeners;
    for (const auto& [key, listener] : listeners)
        if (m_listeners.count(key) != 0)
            listener(database);
}
