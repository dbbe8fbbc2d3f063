#pragma once
// The saved-report file (extension ".qrp"): prepared pages written so that
// they load back as the same pages.
//
// Layout, all numbers little-endian:
//   header  (kHeaderSize bytes): signature (8), version u16, reserved u16,
//           image count u32, page count u32, body length u32, body CRC-32 u32
//   body:   title (string), images (u32 length + PNG bytes each), pages
//   page:   width f64, height f64, item count u32, items
//   item:   kind u8, box 4 x f64, then by kind
//           text:  text (string), font name (string), size f64, style u32,
//                  colour u32 (ARGB), flags u32
//           line:  pen
//           rect:  pen, brush (u8 present + u32 ARGB)
//           image: image index u32
//   pen:    u8 present, u32 ARGB, width f64
//   string: u32 byte length + UTF-8
// A file is refused unless its signature, version, length and checksum agree;
// every count and size is checked against what the file can hold before
// anything is allocated.

#include "platform/base/Exceptions.h"
#include "platform/report/TPreparedPage.h"

#include <QByteArray>
#include <QString>
#include <vector>

class TReportFileFormat {
public:
    static constexpr char kSignature[8] = {'Z', 'E', 'B', 'Q', 'R', 'P', '\x1a', '\n'};
    static constexpr quint16 kVersion = 1;
    static constexpr int kHeaderSize = 8 + 2 + 2 + 4 + 4 + 4 + 4;
    static constexpr quint32 kMaxPages = 100000;
    static constexpr quint32 kMaxImages = 10000;
    static constexpr quint32 kMaxStringBytes = 1u << 20;
    static constexpr quint32 kMaxImageBytes = 64u << 20;
    static constexpr double kMaxCoordinate = 100000; // millimetres

    struct Contents {
        QString Title;
        std::vector<TPreparedPage> Pages;
    };

    static QByteArray Write(const Contents& contents);
    // Raises EReportFileError for anything but a sound file of this format.
    static Contents Read(const QByteArray& data);

    static Contents LoadFromFile(const QString& fileName);

private:
    static Contents ReadContents(const QByteArray& data);
};

class EReportFileError : public Exception {
public:
    using Exception::Exception;
};
