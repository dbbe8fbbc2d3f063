#pragma once
// A stream over an open file (a POSIX descriptor, closed on exec).

#include "zip/TStream.h"
#include "zip/ZipExceptions.h"

#include <QString>

enum class TFileMode {
    fmOpenRead,      // existing file, read only, shared with other programs
    fmOpenReadWrite, // existing file, read and write
    fmCreate,        // created or truncated, read and write
    fmCreatePrivate  // as fmCreate, and readable and writable by its owner alone
};

// A file could not be opened or created; Error() is the system's error number.
class EFOpenError : public EStreamError {
public:
    EFOpenError(const QString& message, int error) : EStreamError(message), m_error(error) {}
    int Error() const { return m_error; }

private:
    int m_error;
};

class TFileStream : public TStream {
public:
    // Raises EFOpenError when the file cannot be opened.
    TFileStream(const QString& fileName, TFileMode mode);
    // Takes over a descriptor opened elsewhere.
    TFileStream(int handle, const QString& fileName);
    // Closes the file; errors at this point are lost (call Close to see them).
    ~TFileStream() override;

    qint64 Read(void* buffer, qint64 count) override;
    qint64 Write(const void* buffer, qint64 count) override;
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;
    qint64 Size() override;

    // Makes the written data durable (fsync); raises EStreamError on failure.
    void Flush();
    // Closes the file; raises EStreamError when the system reports an error.
    void Close();

    const QString& FileName() const { return m_fileName; }

private:
    [[noreturn]] void Fail(const char* what, int error) const;

    int m_handle;
    QString m_fileName;
};
