#pragma once
// A push button with a picture. A standard kind sets the caption, picture,
// modal result and default or cancel role at once.

#include "platform/ui/TButton.h"

#include <QPixmap>

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkYes, bkNo, bkClose };

class TBitBtn : public TButton {
    Q_OBJECT
public:
    TBitBtn(TComponent* owner, TWinControl* parent = nullptr);

    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind kind);
    QPixmap Glyph() const { return m_glyph; }
    void SetGlyph(const QPixmap& glyph);

    void Click() override;

private:
    TBitBtnKind m_kind = TBitBtnKind::bkCustom;
    QPixmap m_glyph;
};
