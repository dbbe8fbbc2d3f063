#include "core/maintenance/WorkFolder.h"

#include "platform/os/TempPaths.h"
#include "platform/os/TreeRemover.h"

WorkFolder::WorkFolder(const QString& prefix, const QString& parent)
    : m_path(TempPaths::CreateFolder(prefix, parent)) {}

WorkFolder::~WorkFolder() {
    TreeRemover::Remove(m_path, false, false);
}

QString WorkFolder::FilePath(const QString& name) const {
    return m_path + QLatin1Char('/') + name;
}
