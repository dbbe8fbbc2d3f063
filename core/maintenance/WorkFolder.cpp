#include "core/maintenance/WorkFolder.h"

#include "platform/os/Leftovers.h"
#include "platform/os/TempPaths.h"
#include "platform/os/TreeRemover.h"

#include <QRegularExpression>

namespace {

QString CreateAfterLeftovers(const QString& prefix, const QString& parent) {
    Leftovers::Remove(parent.isEmpty() ? TempPaths::TempFolder() : parent,
                      QRegularExpression::escape(prefix) + QStringLiteral("[A-Za-z0-9]{6}"));
    return TempPaths::CreateFolder(prefix, parent);
}

} // namespace

WorkFolder::WorkFolder(const QString& prefix, const QString& parent)
    : m_path(CreateAfterLeftovers(prefix, parent)), m_held(m_path) {}

WorkFolder::~WorkFolder() {
    TreeRemover::Remove(m_path, false, false);
}

QString WorkFolder::FilePath(const QString& name) const {
    return m_path + QLatin1Char('/') + name;
}
