#include "zip/TZipWriter.h"

#include "zip/TZipRun.h"

TZipWriter::TZipWriter(TComponent* owner) : TZipReader(owner) {}

TZipWriter::~TZipWriter() = default;

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
