#include "platform/ui/TLabel.h"

#include "platform/ui/TWinControl.h"

#include <QLabel>

TLabel::TLabel(TComponent* owner, TWinControl* parent) : TControl(owner, new QLabel) {
    SetAlignment(TAlignment::taLeftJustify);
    SetParent(parent);
}

QLabel* TLabel::Label() const {
    return static_cast<QLabel*>(Widget());
}

void TLabel::SetCaption(const QString& caption) {
    m_caption = caption;
    if (Label())
        Label()->setText(StripAccelChar(caption));
    Fit();
}

void TLabel::SetAlignment(TAlignment alignment) {
    m_alignment = alignment;
    if (!Label())
        return;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == TAlignment::taRightJustify)
        horizontal = Qt::AlignRight;
    else if (alignment == TAlignment::taCenter)
        horizontal = Qt::AlignHCenter;
    Label()->setAlignment(horizontal | Qt::AlignTop);
}

void TLabel::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    Fit();
}

bool TLabel::WordWrap() const {
    return Label() && Label()->wordWrap();
}

void TLabel::SetWordWrap(bool wrap) {
    if (Label())
        Label()->setWordWrap(wrap);
}

void TLabel::SetTransparent(bool transparent) {
    m_transparent = transparent;
    if (Label())
        Label()->setAutoFillBackground(!transparent);
}

void TLabel::SetColor(const QColor& color) {
    TControl::SetColor(color);
    if (m_transparent && Label())
        Label()->setAutoFillBackground(false);
}

void TLabel::Fit() {
    if (!m_autoSize || !Label() || Label()->wordWrap())
        return;
    const QSize size = Label()->sizeHint();
    SetBounds(Left(), Top(), size.width(), size.height());
}
