#pragma once
// Builds GIF files block by block for the tests, with LZW data from the
// program's encoder or given as they are.

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <vector>

class GifBuilder {
public:
    GifBuilder& Header(const char* signature = "GIF89a");
    // Logical screen descriptor with a global table of `colours` (0: none).
    GifBuilder& Screen(int width, int height, const QList<QRgb>& colours = {}, int background = 0);
    GifBuilder& GraphicControl(int delay, int disposal, int transparentIndex = -1);
    GifBuilder& Loop(int count, const char* identifier = "NETSCAPE2.0");
    GifBuilder& Comment(const QList<QByteArray>& blocks);
    // An image descriptor, optional local table and the LZW data of 8-bit
    // `pixels` (row by row) at the depth of `bits`.
    GifBuilder& Image(int left, int top, int width, int height, const std::vector<int>& pixels, int bits,
                      const QList<QRgb>& local = {}, bool interlaced = false);
    GifBuilder& Raw(const QByteArray& bytes);
    GifBuilder& Trailer();
    QByteArray Data() const { return m_data; }

    static QByteArray Lzw(int width, int height, const std::vector<int>& pixels, int bits, bool interlaced);
    static QList<QRgb> Grey(int count);

private:
    void Table(const QList<QRgb>& colours);
    void U16(int value);

    QByteArray m_data;
};
