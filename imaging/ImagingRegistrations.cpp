#include "imaging/ImagingRegistrations.h"

#include "imaging/ColorMapping.h"
#include "imaging/TGIFImage.h"
#include "platform/base/Exceptions.h"
#include "platform/graphics/IconFile.h"
#include "platform/graphics/TClipboard.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TPicture.h"
#include "platform/graphics/TScreenCursors.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>

namespace {

int g_referenceCount = 0;
unsigned g_iconFormat = 0;

const QString kGifClassName = QStringLiteral("TGIFImage");

} // namespace

// The resources of a static library are registered by hand, outside any namespace.
static void LoadResources() {
    Q_INIT_RESOURCE(ImagingResources);
}

ImagingRegistrations::ImagingRegistrations() {
    if (g_referenceCount++ > 0)
        return;
    LoadResources();
    InstallCursors();

    g_iconFormat = TClipboard::RegisterFormat(QStringLiteral("Quorin Icon"));
    TPicture::RegisterClipboardFormat(g_iconFormat, TGraphicClass::Of<TIcon>(QStringLiteral("TIcon")));

    ColorMapping::Levels();

    const TGraphicClass gif = TGraphicClass::Of<TGIFImage>(kGifClassName);
    TGIFImage::ClipboardFormat = TClipboard::RegisterFormat(QStringLiteral("GIF Image"));
    TPicture::RegisterClass(gif);
    TPicture::RegisterFileFormat(QStringLiteral("gif"), QStringLiteral("CompuServe GIF Image"), gif);
    TPicture::RegisterClipboardFormat(TGIFImage::ClipboardFormat, gif);
}

ImagingRegistrations::~ImagingRegistrations() {
    if (--g_referenceCount > 0)
        return;
    TPicture::UnregisterGraphicClass(kGifClassName);
}

unsigned ImagingRegistrations::IconClipboardFormat() {
    return g_iconFormat;
}

void ImagingRegistrations::InstallCursors() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    const struct {
        int Number;
        const char* Name;
    } cursors[] = {{crImgHand, "IMG_HANDCUR"}, {crImgDrag, "IMG_DRAGCUR"}};
    for (const auto& cursor : cursors) {
        QFile file(
            QStringLiteral("%1/%2.cur").arg(QLatin1String(kResourceFolder), QLatin1String(cursor.Name)));
        if (!file.open(QIODevice::ReadOnly))
            throw Exception(QStringLiteral("Cursor resource %1 not found").arg(QLatin1String(cursor.Name)));
        const IconFile icon(file.readAll());
        const IconFile::Entry& entry = icon.Entries().front();
        const QImage image = icon.Decode(0);
        TScreenCursors::Set(cursor.Number,
                            QCursor(QPixmap::fromImage(image), entry.PlanesOrHotX, entry.BitCountOrHotY));
    }
}
