#include "declarations/pages/TfrmDetResumos.h"

#include "platform/ui/TBevel.h"

TfrmDetResumos::TfrmDetResumos(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetResumos"));
    SetCaption(QStringLiteral("Resumos"));
    Bevel1 = new TBevel(this, this);
    Bevel1->SetName(QStringLiteral("Bevel1"));
    Bevel1->SetShape(TBevelShape::bsFrame);
    Bevel1->SetAlign(TAlign::alClient);
}
