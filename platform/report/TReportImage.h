#pragma once
// A picture on a band: a bitmap or a JPEG. At natural size one picture pixel
// is one design unit; Stretch fills the control's box, Center centres the
// picture in it. What falls outside the box is cut off.

#include "platform/report/TPrintable.h"

#include <QImage>

class TReportImage : public TPrintable {
public:
    using TPrintable::TPrintable;

    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    // JPEG files (.jpg, .jpeg) through libjpeg, other bitmaps through Qt;
    // raises Exception when the file cannot be read.
    void LoadFromFile(const QString& fileName);

    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    void SetCenter(bool value);

    double Print(const TPrintContext& context, std::vector<TDrawItem>& items) override;

private:
    QImage m_picture;
    bool m_stretch = false;
    bool m_center = false;
    // The part of the picture that shows, kept so that every page shares it.
    QImage m_shown;
    QRectF m_shownBox;
    QSizeF m_shownFor;
};
