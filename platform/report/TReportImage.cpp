#include "platform/report/TReportImage.h"

#include "platform/graphics/TJPEGImage.h"

#include <QFileInfo>

void TReportImage::SetPicture(const QImage& picture) {
    m_picture =
        picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    m_shown = QImage();
}

void TReportImage::LoadFromFile(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(fileName);
        SetPicture(jpeg.Image());
        return;
    }
    QImage image;
    if (!image.load(fileName))
        throw Exception(QStringLiteral("Cannot read the picture %1").arg(fileName));
    SetPicture(image);
}

void TReportImage::SetStretch(bool value) {
    m_stretch = value;
    m_shown = QImage();
}

void TReportImage::SetCenter(bool value) {
    m_center = value;
    m_shown = QImage();
}

double TReportImage::Print(const TPrintContext&, std::vector<TDrawItem>& items) {
    const QRectF box(Left(), Top(), Width(), Height());
    AddBackgroundAndFrame(box, items);
    if (m_picture.isNull())
        return box.bottom();
    if (m_shown.isNull() || m_shownFor != box.size()) {
        m_shownFor = box.size();
        if (m_stretch) {
            m_shown = m_picture;
            m_shownBox = QRectF(0, 0, box.width(), box.height());
        } else {
            QRectF placed(0, 0, m_picture.width(), m_picture.height());
            if (m_center)
                placed.moveCenter(QPointF(box.width() / 2, box.height() / 2));
            const QRectF visible = placed.intersected(QRectF(0, 0, box.width(), box.height()));
            const QRect source =
                visible.translated(-placed.topLeft()).toAlignedRect().intersected(m_picture.rect());
            m_shown = source == m_picture.rect() ? m_picture : m_picture.copy(source);
            m_shownBox = QRectF(placed.topLeft() + source.topLeft(), source.size());
        }
    }
    if (!m_shown.isNull() && !m_shownBox.isEmpty()) {
        TDrawItem item;
        item.Kind = TDrawKind::dkImage;
        item.Rect = m_shownBox.translated(box.topLeft());
        item.Image = m_shown;
        items.push_back(std::move(item));
    }
    return box.bottom();
}
