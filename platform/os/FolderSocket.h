#pragma once
// A local socket in a folder, reached through an open descriptor of the
// folder (/proc/self/fd/N/name): a local socket's address holds about a
// hundred bytes, less than the path of a folder in a deep home may take, and
// this address fits whatever the folder's path. The folder's own permissions
// still guard the socket: no other user can reach it or put one in its place.

#include <QByteArray>
#include <QString>

class FolderSocket {
public:
    explicit FolderSocket(const QString& folder);
    ~FolderSocket();
    FolderSocket(const FolderSocket&) = delete;
    FolderSocket& operator=(const FolderSocket&) = delete;

    // A listening socket named `name` in the folder (a socket file left there
    // is replaced), or -1 with errno.
    int Listen(const QString& name) const { return Open(name, true); }
    // A socket connected to `name` in the folder, or -1 with errno.
    int Connect(const QString& name) const { return Open(name, false); }
    // The socket's address, valid while this object lives.
    QByteArray Address(const QString& name) const;

private:
    int Open(const QString& name, bool listen) const;

    int m_folderFd;
};
