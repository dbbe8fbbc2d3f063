#pragma once
// One open folder search: every file and folder of one folder, in name
// order. Links are looked at, never walked through: a link to a file counts
// as that file, a link to anything else is left out.

#include <QString>
#include <vector>

class TSearchData {
public:
    struct Found {
        QString name;
        bool folder;
    };

    // Starts the search of folder (given with its trailing "/"); a folder
    // that cannot be read has nothing in it.
    explicit TSearchData(const QString& folder);

    const QString& Folder() const { return m_folder; }
    // True once every entry was taken.
    bool End() const { return m_next >= m_entries.size(); }
    // The next entry; only while not at the end.
    const Found& Next() { return m_entries[m_next++]; }

private:
    QString m_folder;
    std::vector<Found> m_entries;
    std::size_t m_next = 0;
};
