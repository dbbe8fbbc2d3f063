#pragma once
// Paths written the Windows way ("C:\BkpZeb...zip", "Dados\dbdef.gdb") turned
// into paths of this system: "\" becomes "/", and a leading "C:" drive (the
// program's default place for files it offers to write) becomes the user's
// home folder.

#include <QString>

class LocalPath {
public:
    static QString FromWindows(const QString& path);
};
