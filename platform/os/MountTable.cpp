#include "platform/os/MountTable.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

// Undoes the kernel's octal escapes (\040 blank, \011 tab, \012 line feed, \134 backslash).
QString unescape(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray octal = field.mid(i + 1, 3);
            bool ok = false;
            const int value = octal.toInt(&ok, 8);
            if (ok && octal.size() == 3 && value < 256) {
                out.append(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QString::fromUtf8(out);
}

bool isBelow(const QString& path, const QString& mountPoint) {
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

} // namespace

MountTable MountTable::Read(const QString& mountsFile) {
    QFile file(mountsFile);
    if (!file.open(QIODevice::ReadOnly))
        return MountTable();
    return Parse(file.readAll());
}

MountTable MountTable::Parse(const QByteArray& contents) {
    MountTable table;
    for (const QByteArray& line : contents.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        table.m_entries.append(
            MountEntry{unescape(fields[0]), QDir::cleanPath(unescape(fields[1])), unescape(fields[2])});
    }
    return table;
}

bool MountTable::IsMountPoint(const QString& absolutePath) const {
    const QString path = QDir::cleanPath(absolutePath);
    return std::any_of(m_entries.cbegin(), m_entries.cend(),
                       [&](const MountEntry& e) { return e.mountPoint == path; });
}

std::optional<MountEntry> MountTable::MountOf(const QString& absolutePath) const {
    const QString path = QDir::cleanPath(absolutePath);
    std::optional<MountEntry> best;
    // Later lines mount over earlier ones at the same place, so the last longest one wins.
    for (const MountEntry& e : m_entries) {
        if (isBelow(path, e.mountPoint) && (!best || e.mountPoint.size() >= best->mountPoint.size()))
            best = e;
    }
    return best;
}
