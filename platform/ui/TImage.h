#pragma once
// A picture on a form: drawn as it is, centred, or stretched to the control.

#include "platform/ui/TControl.h"

#include <QPixmap>

class TImage : public TControl {
    Q_OBJECT
public:
    TImage(TComponent* owner, TWinControl* parent = nullptr);

    const QPixmap& Picture() const { return m_picture; }
    void SetPicture(const QPixmap& picture);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    void SetCenter(bool center);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

private:
    void Apply();

    QPixmap m_picture;
    bool m_stretch = false;
    bool m_center = false;
    bool m_autoSize = false;
};
