#include "zip/ZipNameCodec.h"

#include "platform/os/CodePage1252.h"
#include "platform/os/CodePage850.h"
#include "zip/ZipFormat.h"

#include <QStringDecoder>

namespace {

bool FitsPage(const QString& text, bool oem) {
    for (const QChar c : text) {
        const auto byte = oem ? CodePage850::FromUnicode(c) : CodePage1252::FromUnicode(c);
        if (!byte)
            return false;
    }
    return true;
}

} // namespace

QString ZipNameCodec::Decode(const QByteArray& bytes, std::uint16_t flags, int host, bool oemConvert) {
    if (flags & ZipFormat::FlagUtf8)
        return QString::fromUtf8(bytes);
    if (host == ZipFormat::HostMsDos)
        return oemConvert ? CodePage850::Decode(bytes) : CodePage1252::Decode(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return CodePage1252::Decode(bytes);
}

QByteArray ZipNameCodec::Encode(const QString& text, bool oemConvert, bool* utf8) {
    if (FitsPage(text, oemConvert)) {
        *utf8 = false;
        return oemConvert ? CodePage850::Encode(text) : CodePage1252::Encode(text);
    }
    *utf8 = true;
    return text.toUtf8();
}

QByteArray ZipNameCodec::EncodeAs(const QString& text, bool utf8, bool oemConvert) {
    if (utf8)
        return text.toUtf8();
    return oemConvert ? CodePage850::Encode(text) : CodePage1252::Encode(text);
}
