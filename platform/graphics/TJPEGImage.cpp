#include "platform/graphics/TJPEGImage.h"

#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/TCanvas.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return. The
// decoder below jumps back to its setjmp point; nothing with a destructor
// lives between that point and any libjpeg call.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr) {} // warnings are not shown

// CMYK as Adobe writes it is stored inverted: 255 means no ink.
inline uchar FromInvertedCmyk(uchar c, uchar k) {
    return static_cast<uchar>((c * k + 127) / 255);
}

enum class DecodeResult { Ok, LibraryError, TooLarge };

// Decodes into `image`; on LibraryError `message` holds libjpeg's text.
DecodeResult Decode(const QByteArray& data, QImage& image, char* message) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnError;
    errors.pub.output_message = OnMessage;
    errors.message[0] = '\0';
    QImage* volatile target = &image;
    DecodeResult volatile result = DecodeResult::Ok;

    if (setjmp(errors.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        *target = QImage();
        return DecodeResult::LibraryError;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBX;
    jpeg_calc_output_dimensions(&info);
    const qint64 pixels = static_cast<qint64>(info.output_width) * info.output_height;
    if (pixels <= 0 || pixels > TJPEGImage::kMaxPixels) {
        result = DecodeResult::TooLarge;
    } else {
        jpeg_start_decompress(&info);
        *target = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                         cmyk ? QImage::Format_RGB32 : QImage::Format_RGBX8888);
        if (target->isNull()) {
            result = DecodeResult::TooLarge;
        } else {
            while (info.output_scanline < info.output_height) {
                uchar* line = target->scanLine(static_cast<int>(info.output_scanline));
                JSAMPROW rows[1] = {line};
                jpeg_read_scanlines(&info, rows, 1);
                if (cmyk) {
                    // Convert in place: CMYK bytes become 0xffRRGGBB words.
                    auto* out = reinterpret_cast<QRgb*>(line);
                    for (JDIMENSION x = 0; x < info.output_width; ++x) {
                        const uchar* p = line + 4 * x;
                        const uchar k = p[3];
                        out[x] = qRgb(FromInvertedCmyk(p[0], k), FromInvertedCmyk(p[1], k),
                                      FromInvertedCmyk(p[2], k));
                    }
                }
            }
            jpeg_finish_decompress(&info);
        }
    }
    jpeg_destroy_decompress(&info);
    return result;
}

} // namespace

void TJPEGImage::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EJPEGError(QStringLiteral("Cannot open JPEG file %1: %2").arg(fileName, file.errorString()));
    LoadFromData(file.readAll());
}

void TJPEGImage::LoadFromData(const QByteArray& data) {
    if (data.size() < 4 || static_cast<uchar>(data[0]) != 0xFF || static_cast<uchar>(data[1]) != 0xD8)
        throw EJPEGError(QStringLiteral("Not a JPEG picture"));
    QImage image;
    char message[JMSG_LENGTH_MAX] = {};
    switch (Decode(data, image, message)) {
    case DecodeResult::Ok:
        m_image = image.convertToFormat(QImage::Format_RGB32);
        m_data = data;
        Changed();
        return;
    case DecodeResult::TooLarge:
        throw EJPEGError(QStringLiteral("JPEG picture too large"));
    case DecodeResult::LibraryError:
        break;
    }
    throw EJPEGError(QStringLiteral("Damaged JPEG picture: %1").arg(QString::fromLocal8Bit(message)));
}

void TJPEGImage::Assign(const TPersistent* source) {
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        m_image = jpeg->m_image;
        m_data = jpeg->m_data;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::Draw(TCanvas& canvas, const QRect& rect) const {
    canvas.CopyRect(rect, m_image, m_image.rect());
}

void TJPEGImage::LoadFromStream(QIODevice& stream) {
    LoadFromData(stream.readAll());
}

void TJPEGImage::SaveToStream(QIODevice& stream) const {
    stream.write(m_data);
}

void TJPEGImage::DoSetWidth(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}

void TJPEGImage::DoSetHeight(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}
