#include "startup/TFrmSplash.h"

#include "core/util/SystemIdentity.h"
#include "platform/ui/Make.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TLabel.h"
#include "startup/ProgramImages.h"

namespace {
constexpr int SplashWidth = 424;
constexpr int SplashHeight = 249;
} // namespace

TFrmSplash::TFrmSplash(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("FrmSplash"));
    SetCaption(QStringLiteral("ZEB"));
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetBorderIcons(0);
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(SplashWidth);
    SetClientHeight(SplashHeight);

    imgSplash = Make<TImage>(this, QStringLiteral("imgSplash"), this);
    imgSplash->SetAlign(TAlign::alClient);
    imgSplash->SetStretch(true);
    imgSplash->SetPicture(SplashBackground());

    ShadowedText(lblOrgao, lblOrgaoSombra, QStringLiteral("lblOrgao"), AuthorityName, 28, 13, true);
    ShadowedText(lblProduto, lblProdutoSombra, QStringLiteral("lblProduto"),
                 QStringLiteral("ZEB ") + ProductLongName, 96, 17, true);
    ShadowedText(lblAguarde, lblAguardeSombra, QStringLiteral("lblAguarde"),
                 QStringLiteral("Aguarde, carregando o banco  de  dados....."), 200, 12, false);
}

void TFrmSplash::ShadowedText(TLabel*& texto, TLabel*& sombra, const QString& name, const QString& caption,
                              int top, int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    auto make = [&](const QString& labelName, const QColor& color, int offset) {
        auto* label = Make<TLabel>(this, labelName, this);
        label->SetTransparent(true);
        label->SetAutoSize(false);
        label->SetAlignment(taCenter);
        label->SetFont(font);
        label->SetFontColor(color);
        label->SetCaption(caption);
        label->SetBounds(offset, top + offset, SplashWidth, pixelSize * 2);
        label->BringToFront();
        return label;
    };
    sombra = make(name + QStringLiteral("Sombra"), QColor(0, 0, 0, 200), 0);
    texto = make(name, Qt::white, -2);
}
