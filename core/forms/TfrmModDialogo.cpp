#include "core/forms/TfrmModDialogo.h"

#include "platform/ui/Make.h"
#include "platform/ui/TBevel.h"
#include "platform/ui/TPanel.h"

TfrmModDialogo::TfrmModDialogo(TComponent* owner) : TfrmModBase(owner) {
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetClientWidth(377);
    SetClientHeight(286);

    pnBotoes = Make<TPanel>(this, QStringLiteral("pnBotoes"), this);
    pnBotoes->SetCaption(QString());
    pnBotoes->SetAlign(TAlign::alBottom);
    pnBotoes->SetHeight(33);
    pnBotoes->SetBevelOuter(TBevelCut::bvNone);
    pnBotoes->SetBorderWidth(4);

    bvBotoes = Make<TBevel>(this, QStringLiteral("bvBotoes"), this);
    bvBotoes->SetShape(TBevelShape::bsTopLine);
    bvBotoes->SetAlign(TAlign::alBottom);
    bvBotoes->SetHeight(2);
}
