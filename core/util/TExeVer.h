#pragma once
// The version strings of an executable as a component: setting Filename reads
// the eight strings of the file's version information (see
// platform/os/VersionResource.h), each passed through OnGetFileInfo, which
// may replace it. A file that does not exist clears them all.
//
// The main window uses the component for its caption and status bar and the
// data-version check compares data with its FileVersion.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <QString>

// Sender, key of the string, the value read (may be replaced).
using TGetFileInfoEvent = TEvent<TObject*, const QString&, QString&>;

class TExeVer : public TComponent {
public:
    explicit TExeVer(TComponent* owner = nullptr);

    const QString& Filename() const { return m_filename; }
    void SetFilename(const QString& filename);

    // Texts of the about box: the maker's support address and a third line.
    const QString& eMail() const { return m_eMail; }
    void SeteMail(const QString& eMail) { m_eMail = eMail; }
    const QString& CustomInfo() const { return m_customInfo; }
    void SetCustomInfo(const QString& customInfo) { m_customInfo = customInfo; }

    const QString& CompanyName() const { return m_companyName; }
    const QString& FileDescription() const { return m_fileDescription; }
    const QString& FileVersion() const { return m_fileVersion; }
    const QString& InternalName() const { return m_internalName; }
    const QString& LegalCopyRight() const { return m_legalCopyRight; }
    const QString& OriginalFileName() const { return m_originalFileName; }
    const QString& ProductName() const { return m_productName; }
    const QString& ProductVersion() const { return m_productVersion; }

    TGetFileInfoEvent OnGetFileInfo;

private:
    QString ReadString(const QString& key);
    void Clear();

    QString m_filename;
    QString m_eMail;
    QString m_customInfo;
    QString m_companyName;
    QString m_fileDescription;
    QString m_fileVersion;
    QString m_internalName;
    QString m_legalCopyRight;
    QString m_originalFileName;
    QString m_productName;
    QString m_productVersion;
};
