#pragma once
// Keeps a file or folder that a run works on open for as long as the run
// lasts, which marks it as in use: Leftovers never removes what a process
// holds open.

#include <QString>

class HeldPath {
public:
    // Opens path (not following a link); a path that cannot be opened is
    // simply not held.
    explicit HeldPath(const QString& path);
    ~HeldPath();
    HeldPath(const HeldPath&) = delete;
    HeldPath& operator=(const HeldPath&) = delete;

private:
    int m_fd = -1;
};
