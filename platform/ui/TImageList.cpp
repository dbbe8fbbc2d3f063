#include "platform/ui/TImageList.h"

#include "platform/ui/TChangeLink.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() {
    for (TChangeLink* link : m_links)
        link->m_sender = nullptr;
}

void TImageList::SetSize(int width, int height) {
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    m_images.clear();
    Change();
}

QPixmap TImageList::Fit(const QPixmap& picture) const {
    if (picture.width() == m_width && picture.height() == m_height)
        return picture;
    return picture.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int TImageList::Add(const QPixmap& picture) {
    m_images.push_back(Fit(picture));
    Change();
    return Count() - 1;
}

void TImageList::Replace(int index, const QPixmap& picture) {
    m_images.at(static_cast<std::size_t>(index)) = Fit(picture);
    Change();
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count())
        throw EComponentError(QStringLiteral("Image index %1 out of range").arg(index));
    m_images.erase(m_images.begin() + index);
    Change();
}

void TImageList::Clear() {
    m_images.clear();
    Change();
}

QPixmap TImageList::GetBitmap(int index) const {
    if (index < 0 || index >= Count())
        return {};
    return m_images[static_cast<std::size_t>(index)];
}

QIcon TImageList::GetIcon(int index) const {
    const QPixmap picture = GetBitmap(index);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

void TImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const {
    const QPixmap picture = GetBitmap(index);
    if (picture.isNull())
        return;
    if (enabled) {
        painter.drawPixmap(x, y, picture);
        return;
    }
    QStyleOption option;
    painter.drawPixmap(x, y, QApplication::style()->generatedIconPixmap(QIcon::Disabled, picture, &option));
}

void TImageList::RegisterChanges(TChangeLink* link) {
    if (!link || link->m_sender == this)
        return;
    if (link->m_sender)
        link->m_sender->UnRegisterChanges(link);
    link->m_sender = this;
    m_links.push_back(link);
}

void TImageList::UnRegisterChanges(TChangeLink* link) {
    if (!link)
        return;
    std::erase(m_links, link);
    if (link->m_sender == this)
        link->m_sender = nullptr;
}

void TImageList::Change() {
    for (TChangeLink* link : std::vector<TChangeLink*>(m_links))
        link->OnChange(this);
    OnChange(this);
}
