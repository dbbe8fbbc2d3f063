#include "zip/TStream.h"

#include "zip/ZipExceptions.h"

qint64 TStream::ReadFully(void* buffer, qint64 count) {
    auto* target = static_cast<char*>(buffer);
    qint64 done = 0;
    while (done < count) {
        const qint64 got = Read(target + done, count - done);
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

void TStream::WriteBuffer(const void* buffer, qint64 count) {
    if (Write(buffer, count) != count)
        throw EStreamError(QStringLiteral("Stream write error"));
}
