#include "platform/graphics/TGraphic.h"

#include "platform/graphics/GraphicsErrors.h"

#include <QBuffer>
#include <QFile>

void TGraphic::SetTransparent(bool value) {
    if (value != m_transparent) {
        m_transparent = value;
        Changed();
    }
}

void TGraphic::SetModified(bool value) {
    m_modified = value;
    if (value && OnChange)
        OnChange(this);
}

void TGraphic::Changed() {
    SetModified(true);
}

void TGraphic::Progress(TProgressStage stage, int percent, const QString& message) {
    if (OnProgress)
        OnProgress(this, stage, percent, message);
}

void TGraphic::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()));
    LoadFromStream(file);
}

void TGraphic::SaveToFile(const QString& fileName) const {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Exception(QStringLiteral("Cannot create file \"%1\": %2").arg(fileName, file.errorString()));
    SaveToStream(file);
    if (!file.flush())
        throw Exception(QStringLiteral("Cannot write file \"%1\": %2").arg(fileName, file.errorString()));
}

void TGraphic::LoadFromData(const QByteArray& data) {
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    LoadFromStream(buffer);
}

QByteArray TGraphic::SaveToData() const {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    SaveToStream(buffer);
    return data;
}

void TGraphic::SaveToClipboardFormat(TClipboardData&) const {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot put a %1 on the clipboard").arg(ClassName()));
}

void TGraphic::LoadFromClipboardFormat(const TClipboardData&) {
    throw EInvalidGraphic(QStringLiteral("Unsupported clipboard format"));
}

bool TGraphic::Equals(const TGraphic* graphic) const {
    if (!graphic || graphic->ClassName() != ClassName())
        return false;
    if (Empty() || graphic->Empty())
        return Empty() == graphic->Empty();
    return SaveToData() == graphic->SaveToData();
}
