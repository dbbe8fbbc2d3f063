#include "tests/imaging/ImageFiles.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

void Put16(QByteArray& out, quint16 value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void Put32(QByteArray& out, quint32 value) {
    Put16(out, static_cast<quint16>(value & 0xFFFF));
    Put16(out, static_cast<quint16>(value >> 16));
}

int RowBytes(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

QByteArray ImageData(const IconImageSpec& spec) {
    const QImage image = spec.Pixels.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    QByteArray out;
    Put32(out, 40);
    Put32(out, static_cast<quint32>(width));
    Put32(out, static_cast<quint32>(2 * height));
    Put16(out, 1);
    Put16(out, static_cast<quint16>(spec.BitCount));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    QList<QRgb> palette;
    if (spec.BitCount <= 8) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb rgb = image.pixel(x, y) | 0xFF000000u;
                if (!palette.contains(rgb))
                    palette.append(rgb);
            }
        EXPECT_LE(palette.size(), 1 << spec.BitCount);
        palette.resize(1 << spec.BitCount, qRgb(0, 0, 0));
        for (QRgb rgb : palette) {
            out.append(static_cast<char>(qBlue(rgb)));
            out.append(static_cast<char>(qGreen(rgb)));
            out.append(static_cast<char>(qRed(rgb)));
            out.append('\0');
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(RowBytes(width, spec.BitCount), '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = image.pixel(x, y);
            const int index = static_cast<int>(palette.indexOf(rgb | 0xFF000000u));
            switch (spec.BitCount) {
            case 1:
                row[x / 8] = static_cast<char>(row[x / 8] | (index << (7 - x % 8)));
                break;
            case 4:
                row[x / 2] = static_cast<char>(row[x / 2] | (index << ((x & 1) ? 0 : 4)));
                break;
            case 8:
                row[x] = static_cast<char>(index);
                break;
            default:
                row[4 * x] = static_cast<char>(qBlue(rgb));
                row[4 * x + 1] = static_cast<char>(qGreen(rgb));
                row[4 * x + 2] = static_cast<char>(qRed(rgb));
                row[4 * x + 3] = static_cast<char>(qAlpha(rgb));
                break;
            }
        }
        out.append(row);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(RowBytes(width, 1), '\0');
        for (int x = 0; x < width; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (1 << (7 - x % 8)));
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray ImageFiles::IconFile(const std::vector<IconImageSpec>& images, int type) {
    QByteArray out;
    Put16(out, 0);
    Put16(out, static_cast<quint16>(type));
    Put16(out, static_cast<quint16>(images.size()));
    QList<QByteArray> datas;
    for (const IconImageSpec& spec : images)
        datas.append(ImageData(spec));
    quint32 offset = static_cast<quint32>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImageSpec& spec = images[i];
        out.append(static_cast<char>(spec.Pixels.width() & 0xFF));
        out.append(static_cast<char>(spec.Pixels.height() & 0xFF));
        out.append(static_cast<char>(spec.BitCount <= 4 ? (1 << spec.BitCount) : 0));
        out.append('\0');
        Put16(out, static_cast<quint16>(type == 2 ? spec.HotSpot.x() : 1));
        Put16(out, static_cast<quint16>(type == 2 ? spec.HotSpot.y() : spec.BitCount));
        Put32(out, static_cast<quint32>(datas[static_cast<qsizetype>(i)].size()));
        Put32(out, offset);
        offset += static_cast<quint32>(datas[static_cast<qsizetype>(i)].size());
    }
    for (const QByteArray& data : datas)
        out.append(data);
    return out;
}

QImage ImageFiles::Square(int size, QRgb color) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    image.setPixel(0, 0, 0);
    return image;
}

QByteArray ImageFiles::Chunk(const char* id, const QByteArray& data) {
    QByteArray out(id, 4);
    Put32(out, static_cast<quint32>(data.size()));
    out.append(data);
    if (data.size() & 1)
        out.append('\0');
    return out;
}

QByteArray ImageFiles::List(const char* type, const QList<QByteArray>& chunks) {
    QByteArray data(type, 4);
    for (const QByteArray& chunk : chunks)
        data.append(chunk);
    return Chunk("LIST", data);
}

QByteArray ImageFiles::AniHeader(quint32 frames, quint32 steps, quint32 rate, quint32 flags) {
    QByteArray out;
    for (quint32 value : {36u, frames, steps, 32u, 32u, 0u, 1u, rate, flags})
        Put32(out, value);
    return out;
}

QByteArray ImageFiles::Ani(const QList<QByteArray>& chunks) {
    QByteArray data("ACON", 4);
    for (const QByteArray& chunk : chunks)
        data.append(chunk);
    return Chunk("RIFF", data);
}

QByteArray ImageFiles::Values(const QList<quint32>& values) {
    QByteArray out;
    for (quint32 value : values)
        Put32(out, value);
    return out;
}

QByteArray ImageFiles::ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void ImageFiles::WriteFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}
