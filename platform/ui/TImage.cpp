#include "platform/ui/TImage.h"

#include "platform/ui/TWinControl.h"

#include <QLabel>

TImage::TImage(TComponent* owner, TWinControl* parent) : TControl(owner, new QLabel) {
    SetBounds(0, 0, 105, 105);
    Apply();
    SetParent(parent);
}

void TImage::SetPicture(const QPixmap& picture) {
    m_picture = picture;
    Apply();
}

void TImage::SetStretch(bool stretch) {
    m_stretch = stretch;
    Apply();
}

void TImage::SetCenter(bool center) {
    m_center = center;
    Apply();
}

void TImage::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    Apply();
}

void TImage::Apply() {
    auto* label = static_cast<QLabel*>(Widget());
    if (!label)
        return;
    label->setPixmap(m_picture);
    label->setScaledContents(m_stretch);
    label->setAlignment(m_center ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    if (m_autoSize && !m_picture.isNull())
        SetBounds(Left(), Top(), m_picture.width(), m_picture.height());
}
