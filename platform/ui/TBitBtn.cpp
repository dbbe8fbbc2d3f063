#include "platform/ui/TBitBtn.h"

#include <QPushButton>

TBitBtn::TBitBtn(TComponent* owner, TWinControl* parent) : TButton(owner, parent) {}

void TBitBtn::SetGlyph(const QPixmap& glyph) {
    m_glyph = glyph;
    Button()->setIcon(QIcon(glyph));
}
