#include "zip/TZipWriter.h"

#include "zip/TZipRun.h"

TZipWriter::TZipWriter(TComponent* owner) : TZipReader(owner) {}

TZipWriter::~TZipWriter() = default;

void TZipWriter::Assign(const TZipReader& source) {
    TZipReader::Assign(source);
    const auto* writer = dynamic_cast<const TZipWriter*>(&source);
    if (!writer || writer == this)
        return;
    m_packLevel = writer->m_packLevel;
    m_recurse = writer->m_recurse;
    m_dispose = writer->m_dispose;
    m_storePaths = writer->m_storePaths;
    m_relativePaths = writer->m_relativePaths;
    m_storeVolumes = writer->m_storeVolumes;
    m_zipAction = writer->m_zipAction;
    m_multiZipInfo = writer->m_multiZipInfo;
    m_store83Names = writer->m_store83Names;
    m_tempPath = writer->m_tempPath;
    m_skipIfArchiveBitNotSet = writer->m_skipIfArchiveBitNotSet;
    m_resetArchiveBitOnZip = writer->m_resetArchiveBitOnZip;
    m_excludeList = writer->m_excludeList;
    m_noCompressList = writer->m_noCompressList;
    m_addDirEntriesOnRecurse = writer->m_addDirEntriesOnRecurse;
    OnStartZip = writer->OnStartZip;
    OnStartZipInfo = writer->OnStartZipInfo;
    OnEndZip = writer->OnEndZip;
    OnDisposeFile = writer->OnDisposeFile;
    OnDeleteEntry = writer->OnDeleteEntry;
    OnNoSuchFile = writer->OnNoSuchFile;
    OnZipComplete = writer->OnZipComplete;
    OnUpdate = writer->OnUpdate;
}

void TZipWriter::SetStorePaths(bool value) {
    if (value == m_storePaths)
        return;
    m_storePaths = value;
    if (!value) {
        m_storeVolumes = false;
        m_relativePaths = false;
    }
}

void TZipWriter::SetRelativePaths(bool value) {
    if (value == m_relativePaths)
        return;
    m_relativePaths = value;
    if (value) {
        m_storePaths = true;
        m_recurse = true;
    }
}

void TZipWriter::SetStoreVolumes(bool value) {
    if (value == m_storeVolumes)
        return;
    m_storeVolumes = value;
    if (value)
        m_storePaths = true;
}

void TZipWriter::SetMultiMode(TMultiMode value) {
    m_multiZipInfo.MultiMode = value;
    TZipReader::SetMultiMode(value);
}

void TZipWriter::SetCheckDiskLabels(bool value) {
    m_multiZipInfo.CheckDiskLabels = value;
    TZipReader::SetCheckDiskLabels(value);
}

int TZipWriter::Zip() {
    return TZipRun(*this).Run();
}
