#include "platform/ui/TBitBtn.h"

#include "platform/ui/TForm.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

TBitBtn::TBitBtn(TComponent* owner, TWinControl* parent) : TButton(owner, parent) {}

void TBitBtn::SetKind(TBitBtnKind kind) {
    m_kind = kind;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    switch (kind) {
    case TBitBtnKind::bkOK:
        SetCaption(QStringLiteral("OK"));
        SetModalResult(mrOk);
        SetDefault(true);
        icon = QStyle::SP_DialogOkButton;
        break;
    case TBitBtnKind::bkCancel:
        SetCaption(QStringLiteral("Cancelar"));
        SetModalResult(mrCancel);
        SetCancel(true);
        icon = QStyle::SP_DialogCancelButton;
        break;
    case TBitBtnKind::bkYes:
        SetCaption(QStringLiteral("&Sim"));
        SetModalResult(mrYes);
        SetDefault(true);
        icon = QStyle::SP_DialogYesButton;
        break;
    case TBitBtnKind::bkNo:
        SetCaption(QStringLiteral("&Não"));
        SetModalResult(mrNo);
        SetCancel(true);
        icon = QStyle::SP_DialogNoButton;
        break;
    case TBitBtnKind::bkClose:
        SetCaption(QStringLiteral("&Fechar"));
        icon = QStyle::SP_DialogCloseButton;
        break;
    case TBitBtnKind::bkCustom:
        break;
    }
    if (icon != QStyle::SP_CustomBase && m_glyph.isNull())
        Button()->setIcon(QApplication::style()->standardIcon(icon));
}

void TBitBtn::SetGlyph(const QPixmap& glyph) {
    m_glyph = glyph;
    Button()->setIcon(QIcon(glyph));
}

void TBitBtn::Click() {
    // A close button closes its form.
    if (m_kind == TBitBtnKind::bkClose && !OnClick) {
        if (TForm* form = ParentForm())
            form->Close();
        return;
    }
    TButton::Click();
}
