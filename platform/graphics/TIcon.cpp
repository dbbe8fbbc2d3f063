#include "platform/graphics/TIcon.h"

#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/IconFile.h"
#include "platform/graphics/TCanvas.h"

#include <QFile>

TIcon::TIcon() {
    SetTransparent(true);
    SetModified(false);
}

void TIcon::Assign(const TPersistent* source) {
    if (!source) {
        m_data.clear();
        m_image = QImage();
        Changed();
        return;
    }
    if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
        if (icon != this) {
            m_data = icon->m_data;
            m_image = icon->m_image;
            Changed();
        }
        return;
    }
    TGraphic::Assign(source);
}

void TIcon::SetData(const QByteArray& data) {
    const IconFile file(data);
    if (file.Type() != IconFile::kTypeIcon)
        throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
    QImage image = file.Decode(file.BestIndex());
    m_data = data;
    m_image = std::move(image);
    Changed();
}

void TIcon::Draw(TCanvas& canvas, const QRect& rect) const {
    if (Empty())
        return;
    canvas.CopyRect(QRect(rect.topLeft(), m_image.size()), m_image, m_image.rect(), true);
}

void TIcon::LoadFromStream(QIODevice& stream) {
    SetData(stream.readAll());
}

void TIcon::SaveToStream(QIODevice& stream) const {
    stream.write(m_data);
}

void TIcon::LoadFromClipboardFormat(const TClipboardData& data) {
    SetData(data.Data);
}

void TIcon::LoadFromResource(const QString& instance, const QString& name) {
    QFile file(instance + QLatin1Char('/') + name + QStringLiteral(".ico"));
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(QStringLiteral("Icon resource %1 not found").arg(name));
    SetData(file.readAll());
}

void TIcon::DoSetWidth(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
}

void TIcon::DoSetHeight(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
}
