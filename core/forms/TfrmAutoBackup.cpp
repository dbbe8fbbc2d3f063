#include "core/forms/TfrmAutoBackup.h"

#include "platform/ui/Make.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

namespace {
TLabel* CentredLabel(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                     int top) {
    auto* label = Make<TLabel>(owner, name, parent);
    label->SetAutoSize(false);
    label->SetAlignment(taCenter);
    label->SetCaption(caption);
    label->SetBounds(4, top, 369, 18);
    return label;
}
} // namespace

TfrmAutoBackup::TfrmAutoBackup(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("frmAutoBackup"));
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption(QStringLiteral("Backup Automático do Banco de Dados"));
    SetClientWidth(377);
    SetClientHeight(106);
    SetPosition(TPosition::poScreenCenter);

    pnFundo = Make<TPanel>(this, QStringLiteral("pnFundo"), this);
    pnFundo->SetCaption(QString());
    pnFundo->SetAlign(TAlign::alClient);
    pnFundo->SetBevelInner(TBevelCut::bvRaised);
    pnFundo->SetBevelOuter(TBevelCut::bvLowered);
    lbAction = CentredLabel(this, pnFundo, QStringLiteral("lbAction"),
                            QStringLiteral("Gerando backup do banco de dados..."), 30);
    lbAviso = CentredLabel(
        this, pnFundo, QStringLiteral("lbAviso"),
        QStringLiteral("Isto pode levar algum tempo dependendo do tamanho do banco de dados."), 56);
}
