#include "platform/graphics/TPicture.h"

#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TJPEGImage.h"

#include <QFileInfo>
#include <vector>

namespace {

struct FileFormatEntry {
    QString Extension;
    QString Description;
    TGraphicClass Class;
};

struct ClipboardFormatEntry {
    unsigned Format;
    TGraphicClass Class;
};

struct Registry {
    std::vector<FileFormatEntry> FileFormats;
    std::vector<ClipboardFormatEntry> ClipboardFormats;
    std::vector<TGraphicClass> Classes;

    Registry() {
        const auto bitmap = TGraphicClass::Of<TBitmap>(QStringLiteral("TBitmap"));
        const auto icon = TGraphicClass::Of<TIcon>(QStringLiteral("TIcon"));
        const auto jpeg = TGraphicClass::Of<TJPEGImage>(QStringLiteral("TJPEGImage"));
        FileFormats.push_back({QStringLiteral("jpg"), QStringLiteral("JPEG Image File"), jpeg});
        FileFormats.push_back({QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"), jpeg});
        FileFormats.push_back({QStringLiteral("ico"), QStringLiteral("Icons"), icon});
        FileFormats.push_back({QStringLiteral("bmp"), QStringLiteral("Bitmaps"), bitmap});
        ClipboardFormats.push_back({CF_BITMAP, bitmap});
        Classes = {bitmap, icon, jpeg};
    }
};

Registry& Formats() {
    static Registry registry;
    return registry;
}

std::optional<TGraphicClass> ClassNamed(const QString& name) {
    const Registry& registry = Formats();
    for (const FileFormatEntry& entry : registry.FileFormats)
        if (entry.Class.Name == name)
            return entry.Class;
    for (const ClipboardFormatEntry& entry : registry.ClipboardFormats)
        if (entry.Class.Name == name)
            return entry.Class;
    for (const TGraphicClass& entry : registry.Classes)
        if (entry.Name == name)
            return entry;
    return std::nullopt;
}

constexpr int kMaxClassNameLength = 255;

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const QString& extension, const QString& description,
                                  const TGraphicClass& graphicClass) {
    // The last registration of an extension wins.
    Formats().FileFormats.insert(Formats().FileFormats.begin(),
                                 {extension.toLower(), description, graphicClass});
}

void TPicture::RegisterClipboardFormat(unsigned format, const TGraphicClass& graphicClass) {
    Formats().ClipboardFormats.insert(Formats().ClipboardFormats.begin(), {format, graphicClass});
}

void TPicture::RegisterClass(const TGraphicClass& graphicClass) {
    std::vector<TGraphicClass>& classes = Formats().Classes;
    std::erase_if(classes, [&](const TGraphicClass& c) { return c.Name == graphicClass.Name; });
    classes.push_back(graphicClass);
}

void TPicture::UnregisterGraphicClass(const QString& className) {
    std::erase_if(Formats().FileFormats, [&](const FileFormatEntry& e) { return e.Class.Name == className; });
    std::erase_if(Formats().ClipboardFormats,
                  [&](const ClipboardFormatEntry& e) { return e.Class.Name == className; });
}

bool TPicture::SupportsClipboardFormat(unsigned format) {
    for (const ClipboardFormatEntry& entry : Formats().ClipboardFormats)
        if (entry.Format == format)
            return true;
    return false;
}

std::optional<TGraphicClass> TPicture::FileFormat(const QString& extension) {
    const QString key = extension.toLower();
    for (const FileFormatEntry& entry : Formats().FileFormats)
        if (entry.Extension == key)
            return entry.Class;
    return std::nullopt;
}

QString TPicture::FileFormatDescription(const QString& extension) {
    const QString key = extension.toLower();
    for (const FileFormatEntry& entry : Formats().FileFormats)
        if (entry.Extension == key)
            return entry.Description;
    return {};
}

QString TPicture::GraphicFilter() {
    QStringList masks;
    QStringList parts;
    for (const FileFormatEntry& entry : Formats().FileFormats) {
        const QString mask = QStringLiteral("*.") + entry.Extension;
        masks << mask;
        parts << QStringLiteral("%1 (%2)|%2").arg(entry.Description, mask);
    }
    const QString all = masks.join(QLatin1Char(';'));
    parts.prepend(QStringLiteral("All (%1)|%1").arg(all));
    return parts.join(QLatin1Char('|'));
}

void TPicture::Changed(TObject*) {
    if (OnChange)
        OnChange(this);
}

void TPicture::Replace(std::unique_ptr<TGraphic> graphic) {
    m_graphic = std::move(graphic);
    if (m_graphic)
        m_graphic->OnChange = TNotifyEvent(this, &TPicture::Changed);
    Changed(this);
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (!graphic) {
        Replace(nullptr);
        return;
    }
    const std::optional<TGraphicClass> graphicClass = ClassNamed(graphic->ClassName());
    if (!graphicClass)
        throw EInvalidGraphic(QStringLiteral("Unknown picture class %1").arg(graphic->ClassName()));
    std::unique_ptr<TGraphic> copy = graphicClass->Create();
    copy->Assign(graphic);
    Replace(std::move(copy));
}

void TPicture::Assign(const TPersistent* source) {
    if (!source) {
        Replace(nullptr);
    } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        SetGraphic(picture->Graphic());
    } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(source);
    }
}

TBitmap& TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(m_graphic.get()))
        Replace(std::make_unique<TBitmap>());
    return static_cast<TBitmap&>(*m_graphic);
}

TIcon& TPicture::Icon() {
    if (!dynamic_cast<TIcon*>(m_graphic.get()))
        Replace(std::make_unique<TIcon>());
    return static_cast<TIcon&>(*m_graphic);
}

int TPicture::Width() const {
    return m_graphic ? m_graphic->Width() : 0;
}

int TPicture::Height() const {
    return m_graphic ? m_graphic->Height() : 0;
}

void TPicture::LoadFromFile(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix();
    const std::optional<TGraphicClass> graphicClass = FileFormat(extension);
    if (!graphicClass)
        throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->LoadFromFile(fileName);
    Replace(std::move(graphic));
}

void TPicture::SaveToFile(const QString& fileName) const {
    if (m_graphic)
        m_graphic->SaveToFile(fileName);
}

void TPicture::LoadFromClipboardFormat(const TClipboardData& data) {
    for (const ClipboardFormatEntry& entry : Formats().ClipboardFormats) {
        if (entry.Format == data.Format) {
            std::unique_ptr<TGraphic> graphic = entry.Class.Create();
            graphic->LoadFromClipboardFormat(data);
            Replace(std::move(graphic));
            return;
        }
    }
    throw EInvalidGraphic(QStringLiteral("Unsupported clipboard format"));
}

void TPicture::SaveToClipboardFormat(TClipboardData& data) const {
    if (m_graphic)
        m_graphic->SaveToClipboardFormat(data);
}

void TPicture::ReadData(QIODevice& stream) {
    char length = 0;
    if (!stream.getChar(&length))
        throw EReadError();
    const QByteArray name = stream.read(static_cast<unsigned char>(length));
    if (name.size() != static_cast<unsigned char>(length))
        throw EReadError();
    if (name.isEmpty()) {
        Replace(nullptr);
        return;
    }
    const std::optional<TGraphicClass> graphicClass = ClassNamed(QString::fromLatin1(name));
    if (!graphicClass)
        throw EInvalidGraphic(QStringLiteral("Unknown picture class %1").arg(QString::fromLatin1(name)));
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->ReadData(stream);
    Replace(std::move(graphic));
}

void TPicture::WriteData(QIODevice& stream) const {
    const QByteArray name =
        m_graphic ? m_graphic->ClassName().toLatin1().left(kMaxClassNameLength) : QByteArray();
    stream.putChar(static_cast<char>(name.size()));
    stream.write(name);
    if (m_graphic)
        m_graphic->WriteData(stream);
}
