#pragma once
// An icon: the icon file it was loaded from, kept as it is (saving writes it
// back), and the picture of its largest image, drawn at its own size with
// its transparency. Icons are always transparent and cannot be resized.

#include "platform/graphics/TGraphic.h"

#include <QImage>

class TIcon : public TGraphic {
public:
    TIcon();

    QString ClassName() const override { return QStringLiteral("TIcon"); }
    void Assign(const TPersistent* source) override;

    void Draw(TCanvas& canvas, const QRect& rect) const override;
    // Reads the rest of the stream as an icon file (type 1); raises
    // EInvalidGraphic for anything else and keeps the icon held before.
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) const override;
    // The icon file of a registered icon clipboard format.
    void LoadFromClipboardFormat(const TClipboardData& data) override;
    // The icon resource `name` of a resource folder (":/imaging" and the like).
    void LoadFromResource(const QString& instance, const QString& name);

    const QByteArray& Data() const { return m_data; }
    const QImage& Image() const { return m_image; }

protected:
    bool GetEmpty() const override { return m_data.isEmpty(); }
    int GetWidth() const override { return m_image.width(); }
    int GetHeight() const override { return m_image.height(); }
    void DoSetWidth(int value) override;
    void DoSetHeight(int value) override;

private:
    void SetData(const QByteArray& data);

    QByteArray m_data;
    QImage m_image;
};
