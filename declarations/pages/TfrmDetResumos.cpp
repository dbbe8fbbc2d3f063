#include "declarations/pages/TfrmDetResumos.h"

#include "platform/ui/Make.h"
#include "platform/ui/TBevel.h"

TfrmDetResumos::TfrmDetResumos(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetResumos"));
    SetCaption(QStringLiteral("Resumos"));
    Bevel1 = Make<TBevel>(this, QStringLiteral("Bevel1"), this);
    Bevel1->SetShape(TBevelShape::bsFrame);
    Bevel1->SetAlign(TAlign::alClient);
}
