#pragma once
// A list of same-sized pictures that buttons, menus, trees and grids draw
// from by index. Registered change links hear of every change.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <QIcon>
#include <QPixmap>
#include <vector>

class QPainter;
class TChangeLink;

class TImageList : public TComponent {
    Q_OBJECT
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Changing the size clears the list.
    void SetSize(int width, int height);

    int Count() const { return static_cast<int>(m_images.size()); }
    // Adds a picture, scaled to the list's size; returns its index.
    int Add(const QPixmap& picture);
    void Replace(int index, const QPixmap& picture);
    void Delete(int index);
    void Clear();

    // An empty pixmap (or icon) for an index out of range.
    QPixmap GetBitmap(int index) const;
    QIcon GetIcon(int index) const;
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    TNotifyEvent OnChange;

private:
    void Change();
    QPixmap Fit(const QPixmap& picture) const;

    int m_width = 16;
    int m_height = 16;
    std::vector<QPixmap> m_images;
    std::vector<TChangeLink*> m_links;
};
