#include "imaging/BmpUtils.h"

#include "platform/base/Exceptions.h"
#include "platform/base/TPrompter.h"

#include <QGuiApplication>

namespace {

// Override cursors stacked by busy actions, more than any action stacks.
constexpr int kMaxOverrideCursors = 64;

// Samples the source part of `pixels` (RGB32) nearest-neighbour into the
// target rectangle of the canvas, skipping the pixels `transparent(x, y,
// rgb)` names.
template <typename Transparent>
void StretchMasked(TCanvas& canvas, const QImage& pixels, const QRect& target, const QRect& source,
                   Transparent transparent) {
    QImage& image = canvas.Image();
    const int width = target.width();
    const int height = target.height();
    for (int row = 0; row < height; ++row) {
        const int ty = target.y() + row;
        if (ty < 0 || ty >= image.height())
            continue;
        const int sy =
            source.y() + static_cast<int>(static_cast<std::int64_t>(row) * source.height() / height);
        if (sy < 0 || sy >= pixels.height())
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(pixels.constScanLine(sy));
        for (int column = 0; column < width; ++column) {
            const int tx = target.x() + column;
            const int sx =
                source.x() + static_cast<int>(static_cast<std::int64_t>(column) * source.width() / width);
            if (tx < 0 || tx >= image.width() || sx < 0 || sx >= pixels.width())
                continue;
            if (!transparent(sx, sy, in[sx]))
                image.setPixel(tx, ty, in[sx] | 0xFF000000u);
        }
    }
}

} // namespace

void StretchTransparent(TCanvas& canvas, const TBitmap& bitmap, TColor transparentColor, int x, int y,
                        int width, int height, int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
    if (bitmap.Empty())
        return;
    if (width < 1)
        width = bitmap.Width();
    if (height < 1)
        height = bitmap.Height();
    if (sourceWidth < 1 || sourceHeight < 1) {
        sourceX = 0;
        sourceY = 0;
        sourceWidth = bitmap.Width();
        sourceHeight = bitmap.Height();
    }
    const QRect source(sourceX, sourceY, sourceWidth, sourceHeight);
    if (transparentColor == clNone) {
        canvas.CopyRect(QRect(x, y, width, height), bitmap.Image(), source);
        return;
    }
    TColor key = transparentColor;
    if (key == clDefault)
        key = bitmap.Monochrome() ? clWhite : QRgbToColor(bitmap.Image().pixel(0, bitmap.Height() - 1));
    const QRgb keyRgb = ColorToQRgb(bitmap.NearestColor(key)) & RGB_MASK;

    StretchMasked(canvas, bitmap.Image().convertToFormat(QImage::Format_RGB32), QRect(x, y, width, height),
                  source, [keyRgb](int, int, QRgb rgb) { return (rgb & RGB_MASK) == keyRgb; });
}

void StretchTransparentIndex(TCanvas& canvas, const TBitmap& bitmap, int transparentIndex,
                             const QRect& target) {
    if (bitmap.Empty() || target.isEmpty())
        return;
    const QImage& indices = bitmap.Image();
    StretchMasked(canvas, indices.convertToFormat(QImage::Format_RGB32), target, indices.rect(),
                  [&indices, transparentIndex](int x, int y, QRgb) {
                      return indices.pixelIndex(x, y) == transparentIndex;
                  });
}

void StretchRectTransparent(TCanvas& canvas, int x, int y, int width, int height, const QRect& source,
                            const TBitmap& bitmap, TColor transparentColor) {
    StretchTransparent(canvas, bitmap, transparentColor, x, y, width, height, source.x(), source.y(),
                       source.width(), source.height());
}

void ReportNotImplemented() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        for (int i = 0; i < kMaxOverrideCursors && QGuiApplication::overrideCursor(); ++i)
            QGuiApplication::restoreOverrideCursor();
    TPromptRequest request;
    request.Caption = QStringLiteral("Information");
    request.Text = QStringLiteral("Function not yet implemented");
    request.Icon = TMsgDlgType::mtInformation;
    request.Buttons = {TMsgDlgBtn::mbOK};
    TPrompter::Current().Prompt(request);
    Abort();
}
