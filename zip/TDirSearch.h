#pragma once
// Walks a folder for the names that match a mask, optionally through its
// sub-folders. Entries come in name order; links are looked at, never walked
// through: a link to a file counts as that file, a link to a folder is left
// out, so a loop of links cannot trap the walk.
//
// A start folder with wildcards (/data/2*/logs/) is searched from its part
// before the first wildcard; each folder name after it is a pattern that the
// walk descends through without returning anything there.

#include "zip/TSearchData.h"

#include <QString>
#include <QStringList>
#include <vector>

class TDirSearch {
public:
    TDirSearch(const QString& startFolder, const QString& mask, bool recurse);

    // The next name (a file as folder + name, a folder when recursing as its
    // path with a trailing "/"); empty at the end.
    QString Next();

    // Sub-folders below the start folder that are still walked.
    static constexpr int MaxDepth = 20;

private:
    struct Level {
        TSearchData search;
        int pattern = -1; // index into m_folderPatterns, -1 for a searching level
    };

    void Push(const QString& folder, int pattern);

    QString m_mask;
    bool m_recurse;
    QStringList m_folderPatterns;
    std::vector<Level> m_stack;
};
