#include "platform/os/VersionResource.h"

#include "ZebVersion.h"

#include <QFileInfo>
#include <array>
#include <utility>

namespace {

using Entry = std::pair<const char*, const char*>;

const std::array<Entry, 8> VersionStrings{{
    {"CompanyName", ZebVersion::CompanyName},
    {"FileDescription", ZebVersion::FileDescription},
    {"FileVersion", ZebVersion::FileVersion},
    {"InternalName", ZebVersion::InternalName},
    {"LegalCopyRight", ZebVersion::LegalCopyRight},
    {"OriginalFileName", ZebVersion::OriginalFileName},
    {"ProductName", ZebVersion::ProductName},
    {"ProductVersion", ZebVersion::ProductVersion},
}};

bool IsRunningExecutable(const QString& file) {
    const QString canonical = QFileInfo(file).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(RunningExecutable()).canonicalFilePath();
}

} // namespace

QString RunningExecutable() {
    // /proc/self/exe names the executable also before (or without) an application object.
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

QString ReadVersionString(const QString& file, const QString& key) {
    if (file.isEmpty() || !IsRunningExecutable(file))
        return {};
    for (const auto& [name, value] : VersionStrings) {
        if (key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(value);
    }
    return {};
}
