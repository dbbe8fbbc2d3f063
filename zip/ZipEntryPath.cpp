#include "zip/ZipEntryPath.h"

#include "zip/TZipHeaderInfo.h"

namespace {

// The root folder as the entries hold their folders: backslashes, none at the start.
QString StoredPrefix(const QString& rootDir) {
    QString prefix = rootDir;
    prefix.replace(u'/', u'\\');
    while (prefix.startsWith(u'\\'))
        prefix.remove(0, 1);
    return prefix;
}

bool IsDrive(const QString& part) {
    return part.size() == 2 && part.at(1) == u':';
}

} // namespace

ZipEntryPath ZipEntryPath::Of(const TZipHeaderInfo& entry, const QString& rootDir, bool withFolders) {
    ZipEntryPath path;
    path.m_name = entry.FileName();
    path.m_safe = !entry.FullName().contains(QChar(u'\0')) && path.m_name != QStringLiteral(".") &&
                  path.m_name != QStringLiteral("..");
    if (!withFolders || entry.Directory().isEmpty())
        return path;
    QString folder = entry.Directory();
    const QString prefix = StoredPrefix(rootDir);
    if (!prefix.isEmpty() && folder.startsWith(prefix, Qt::CaseInsensitive))
        folder.remove(0, prefix.size());
    QStringList parts = folder.split(u'\\', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && IsDrive(parts.first()))
        parts.removeFirst();
    for (const QString& part : parts) {
        if (part == QStringLiteral(".."))
            path.m_safe = false;
        else if (part != QStringLiteral("."))
            path.m_folders.append(part);
    }
    return path;
}

QString ZipEntryPath::Shown(const QString& destination) const {
    QStringList shown;
    if (!destination.isEmpty())
        shown.append(destination == QStringLiteral("/") ? QString() : destination);
    shown.append(m_folders);
    shown.append(m_name);
    return shown.join(u'/');
}
