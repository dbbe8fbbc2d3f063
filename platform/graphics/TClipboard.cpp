#include "platform/graphics/TClipboard.h"

#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/GraphicsErrors.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QImage>

namespace {

constexpr unsigned kFirstRegisteredFormat = 0xC000;
constexpr unsigned kLastRegisteredFormat = 0xFFFF;

QList<QString>& RegisteredNames() {
    static QList<QString> names;
    return names;
}

QClipboard* SystemClipboard() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw EInvalidGraphicOperation(QStringLiteral("The clipboard needs the graphical application"));
    return QGuiApplication::clipboard();
}

} // namespace

TClipboard& TClipboard::Instance() {
    static TClipboard clipboard;
    return clipboard;
}

unsigned TClipboard::RegisterFormat(const QString& name) {
    QList<QString>& names = RegisteredNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return kFirstRegisteredFormat + static_cast<unsigned>(i);
    if (kFirstRegisteredFormat + names.size() > kLastRegisteredFormat)
        throw EInvalidGraphicOperation(QStringLiteral("Too many clipboard formats"));
    names.append(name);
    return kFirstRegisteredFormat + static_cast<unsigned>(names.size() - 1);
}

QString TClipboard::FormatName(unsigned format) {
    const QList<QString>& names = RegisteredNames();
    if (format < kFirstRegisteredFormat || format - kFirstRegisteredFormat >= names.size())
        return {};
    return names[format - kFirstRegisteredFormat];
}

QString TClipboard::MimeType(unsigned format) {
    const QString name = FormatName(format);
    if (name.isEmpty())
        throw EInvalidGraphicOperation(QStringLiteral("Unknown clipboard format %1").arg(format));
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(name);
}

void TClipboard::Open() {
    if (m_openCount++ == 0)
        m_pending = std::make_unique<QMimeData>();
}

void TClipboard::Close() {
    if (m_openCount == 0 || --m_openCount > 0)
        return;
    QClipboard* clipboard = SystemClipboard();
    if (!m_pending->formats().isEmpty())
        clipboard->setMimeData(m_pending.release());
    m_pending.reset();
}

void TClipboard::Clear() {
    if (m_openCount > 0)
        m_pending = std::make_unique<QMimeData>();
    else
        SystemClipboard()->clear();
}

bool TClipboard::HasFormat(unsigned format) const {
    const QMimeData* data = SystemClipboard()->mimeData();
    if (!data)
        return false;
    if (format == CF_BITMAP)
        return data->hasImage();
    return !FormatName(format).isEmpty() && data->hasFormat(MimeType(format));
}

QByteArray TClipboard::GetAsHandle(unsigned format) const {
    const QMimeData* data = SystemClipboard()->mimeData();
    if (!data || !HasFormat(format))
        return {};
    if (format == CF_BITMAP) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        return image.isNull() ? QByteArray()
                              : BitmapFile::Write(image.convertToFormat(QImage::Format_RGB32), 32);
    }
    return data->data(MimeType(format));
}

void TClipboard::SetAsHandle(unsigned format, const QByteArray& data) {
    Open();
    try {
        if (format == CF_BITMAP)
            m_pending->setImageData(BitmapFile::Read(data));
        else
            m_pending->setData(MimeType(format), data);
    } catch (...) {
        Close();
        throw;
    }
    Close();
}

void TClipboard::Assign(const TGraphic& graphic) {
    Open();
    try {
        TClipboardData data;
        graphic.SaveToClipboardFormat(data);
        SetAsHandle(data.Format, data.Data);
    } catch (...) {
        Close();
        throw;
    }
    Close();
}
