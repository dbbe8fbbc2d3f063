#pragma once
// Builds icon, cursor and animated-cursor files from known pixels for the
// tests, and small helpers around pictures.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <vector>

struct IconImageSpec {
    QImage Pixels;     // ARGB32; alpha 0 is transparent
    int BitCount = 32; // 1, 4, 8 or 32
    QPoint HotSpot;    // cursors only
};

class ImageFiles {
public:
    // An icon (type 1) or cursor (type 2) file of the images.
    static QByteArray IconFile(const std::vector<IconImageSpec>& images, int type = 1);
    // A square icon of one colour with a transparent top-left pixel.
    static QImage Square(int size, QRgb color);

    // RIFF pieces: a chunk (padded to even size), a LIST of chunks.
    static QByteArray Chunk(const char* id, const QByteArray& data);
    static QByteArray List(const char* type, const QList<QByteArray>& chunks);
    // The 36-byte "anih" record.
    static QByteArray AniHeader(quint32 frames, quint32 steps, quint32 rate, quint32 flags);
    // A whole "RIFF" "ACON" form.
    static QByteArray Ani(const QList<QByteArray>& chunks);
    static QByteArray Values(const QList<quint32>& values);

    static QByteArray ReadFile(const QString& path);
    static void WriteFile(const QString& path, const QByteArray& data);
};
