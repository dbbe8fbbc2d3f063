#include "core/util/TExeVer.h"

#include "platform/os/VersionResource.h"

#include <QFileInfo>

TExeVer::TExeVer(TComponent* owner) : TComponent(owner) {}

void TExeVer::SetFilename(const QString& filename) {
    if (!QFileInfo::exists(filename)) {
        Clear();
        return;
    }
    m_filename = filename;
    m_companyName = ReadString(QStringLiteral("CompanyName"));
    m_fileDescription = ReadString(QStringLiteral("FileDescription"));
    m_fileVersion = ReadString(QStringLiteral("FileVersion"));
    m_internalName = ReadString(QStringLiteral("InternalName"));
    m_legalCopyRight = ReadString(QStringLiteral("LegalCopyRight"));
    m_originalFileName = ReadString(QStringLiteral("OriginalFileName"));
    m_productName = ReadString(QStringLiteral("ProductName"));
    m_productVersion = ReadString(QStringLiteral("ProductVersion"));
}

QString TExeVer::ReadString(const QString& key) {
    QString value = ReadVersionString(m_filename, key);
    if (OnGetFileInfo)
        OnGetFileInfo(this, key, value);
    return value;
}

void TExeVer::Clear() {
    m_companyName.clear();
    m_fileDescription.clear();
    m_fileVersion.clear();
    m_internalName.clear();
    m_legalCopyRight.clear();
    m_originalFileName.clear();
    m_productName.clear();
    m_productVersion.clear();
}
