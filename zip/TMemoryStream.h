#pragma once
// A stream over bytes in memory: archives built or read without a file.

#include "zip/TStream.h"

#include <QByteArray>

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(QByteArray data) : m_data(std::move(data)) {}

    qint64 Read(void* buffer, qint64 count) override;
    qint64 Write(const void* buffer, qint64 count) override;
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;
    qint64 Size() override { return m_data.size(); }

    const QByteArray& Data() const { return m_data; }

private:
    QByteArray m_data;
    qint64 m_position = 0;
};
