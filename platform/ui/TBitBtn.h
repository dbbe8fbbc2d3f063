#pragma once
// A push button with a picture.

#include "platform/ui/TButton.h"

#include <QPixmap>

class TBitBtn : public TButton {
    Q_OBJECT
public:
    TBitBtn(TComponent* owner, TWinControl* parent = nullptr);

    QPixmap Glyph() const { return m_glyph; }
    void SetGlyph(const QPixmap& glyph);

private:
    QPixmap m_glyph;
};
