#include "zip/TZipWriter.h"

#include "zip/TZipRun.h"

TZipWriter::TZipWriter(TComponent* owner) : TZipReader(owner) {}

TZipWriter::~TZipWriter() = default;

void TZipWriter::Assign(const TZipReader& source) {
    TZipReader::Assign(source);
    const auto* writer = dynamic_cast<const TZipWriter*>(&source);
    if (!writer || writer == this)
        return;
    m_writing = writer->m_writing;
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
    if (value == m_writing.StorePaths)
        return;
    m_writing.StorePaths = value;
    if (!value) {
        m_writing.StoreVolumes = false;
        m_writing.RelativePaths = false;
    }
}

void TZipWriter::SetRelativePaths(bool value) {
    if (value == m_writing.RelativePaths)
        return;
    m_writing.RelativePaths = value;
    if (value) {
        m_writing.StorePaths = true;
        m_writing.Recurse = true;
    }
}

void TZipWriter::SetStoreVolumes(bool value) {
    if (value == m_writing.StoreVolumes)
        return;
    m_writing.StoreVolumes = value;
    if (value)
        m_writing.StorePaths = true;
}

void TZipWriter::SetMultiMode(TMultiMode value) {
    m_writing.MultiZipInfo.MultiMode = value;
    TZipReader::SetMultiMode(value);
}

void TZipWriter::SetCheckDiskLabels(bool value) {
    m_writing.MultiZipInfo.CheckDiskLabels = value;
    TZipReader::SetCheckDiskLabels(value);
}

int TZipWriter::Zip() {
    if (ZipName().trimmed().isEmpty())
        return 0;
    BeginOperation();
    int added = 0;
    try {
        added = TZipRun(Archive(), Options(), m_writing, Events(), *this, Sink()).Run();
    } catch (...) {
        EndOperation(false);
        throw;
    }
    EndOperation(false);
    OnZipComplete(this, added);
    return added;
}
