#include "platform/os/AppFolders.h"

#include <QFileInfo>

QString AppFolders::ExecutableFolder() {
    // /proc/self/exe names the executable also before (or without) an application object.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

QString AppFolders::InstallationFolder() {
    return ExecutableFolder();
}

QString AppFolders::DataFolder() {
    return ExecutableFolder() + QStringLiteral("/Dados");
}

QString AppFolders::BackupFolder() {
    return ExecutableFolder() + QStringLiteral("/Backup");
}
