// The stored form of an icon list (a count, then sized icon files): any
// bytes must load and save again, or raise one of the program's exceptions.
#include "imaging/TIconList.h"
#include "platform/base/Exceptions.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TIconList list;
    try {
        list.LoadFromStream(buffer);
        QByteArray saved;
        QBuffer out(&saved);
        out.open(QIODevice::WriteOnly);
        list.SaveToStream(out);
    } catch (const Exception&) {
    }
    return 0;
}
