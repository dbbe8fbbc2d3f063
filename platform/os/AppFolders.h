#pragma once
// The program's folders. There is no registry: the installation folder is the
// folder of the executable, which also holds "Dados/" (the database) and
// "Backup/" (the automatic backup).

#include <QString>

class AppFolders {
public:
    // The folder of the running executable, without a trailing separator.
    static QString ExecutableFolder();
    static QString InstallationFolder();
    // ExecutableFolder() + "/Dados" and + "/Backup" (not created here).
    static QString DataFolder();
    static QString BackupFolder();
};
