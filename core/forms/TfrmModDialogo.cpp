#include "core/forms/TfrmModDialogo.h"

#include "platform/ui/TBevel.h"
#include "platform/ui/TPanel.h"

TfrmModDialogo::TfrmModDialogo(TComponent* owner) : TfrmModBase(owner) {
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetClientWidth(377);
    SetClientHeight(286);

    pnBotoes = new TPanel(this, this);
    pnBotoes->SetName(QStringLiteral("pnBotoes"));
    pnBotoes->SetCaption(QString());
    pnBotoes->SetAlign(TAlign::alBottom);
    pnBotoes->SetHeight(33);
    pnBotoes->SetBevelOuter(TBevelCut::bvNone);
    pnBotoes->SetBorderWidth(4);

    bvBotoes = new TBevel(this, this);
    bvBotoes->SetName(QStringLiteral("bvBotoes"));
    bvBotoes->SetShape(TBevelShape::bsTopLine);
    bvBotoes->SetAlign(TAlign::alBottom);
    bvBotoes->SetHeight(2);
}
