#pragma once
// File and folder questions of the zip engine, answered the Linux way:
// MS-DOS attributes are made up from the file's kind and permissions (every
// file carries the archive attribute, read-only means no write permission
// for the owner), dates are local times.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class ZipFiles {
public:
    // A regular file, a link to one counted as the file.
    static bool FileExists(const QString& path);
    static bool FolderExists(const QString& path);
    static std::optional<qint64> FileSize(const QString& path);
    // The current time when the date cannot be read.
    static QDateTime ModificationTime(const QString& path);
    // MS-DOS attributes: archive, directory, read-only.
    static std::uint32_t DosAttributes(const QString& path);
    static bool SetModificationTime(int handle, const QDateTime& time);
    // Applies stored attributes to an open file: the read-only attribute of
    // an MS-DOS entry, the permission bits of a Unix one.
    static void ApplyAttributes(int handle, int host, std::uint32_t externalAttributes);

    // The path with its extension (after the last dot of the name) replaced
    // by extension, which includes its dot.
    static QString ReplaceExtension(const QString& path, const QString& extension);
    // The folder part of a path with its trailing "/", or empty.
    static QString FolderOf(const QString& path);
    static QString NameOf(const QString& path);
    static bool SameFile(const QString& a, const QString& b);

    // Removes the empty folders root/components[0..i] for i from the last
    // down to first, deepest first, stopping at one that cannot go (not
    // empty). The walk follows no link below root and needs no path as long
    // as the folders are deep.
    static void RemoveEmptyFolders(const QString& root, const QStringList& components, qsizetype first);
};
