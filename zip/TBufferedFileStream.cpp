#include "zip/TBufferedFileStream.h"

#include "zip/ZipExceptions.h"

TBufferedFileStream::TBufferedFileStream(const QString& fileName, TFileMode mode, int bufferSize,
                                         bool flushOnClose)
    : TBufferedStream(std::make_unique<TFileStream>(fileName, mode), bufferSize),
      m_file(static_cast<TFileStream*>(&Wrapped())),
      m_flushOnClose(flushOnClose && mode != TFileMode::fmOpenRead) {}

TBufferedFileStream::TBufferedFileStream(int handle, const QString& fileName, int bufferSize,
                                         bool flushOnClose)
    : TBufferedStream(std::make_unique<TFileStream>(handle, fileName), bufferSize),
      m_file(static_cast<TFileStream*>(&Wrapped())), m_flushOnClose(flushOnClose) {}

void TBufferedFileStream::Close() {
    if (!FlushBuffer())
        throw ENotEnoughRoom(QStringLiteral("Not enough room to write \"%1\"").arg(m_file->FileName()));
    if (m_flushOnClose && Written())
        m_file->Flush();
    m_file->Close();
}
