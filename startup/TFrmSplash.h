#pragma once
// The window shown while the database opens: the program's picture with the
// authority's name, the product's name and a request to wait, each drawn
// with a shadow.

#include "platform/ui/TForm.h"

class TImage;
class TLabel;

class TFrmSplash : public TForm {
    Q_OBJECT
public:
    explicit TFrmSplash(TComponent* owner);

    TImage* imgSplash;
    TLabel* lblOrgao;
    TLabel* lblOrgaoSombra;
    TLabel* lblProduto;
    TLabel* lblProdutoSombra;
    TLabel* lblAguarde;
    TLabel* lblAguardeSombra;

private:
    // The text twice: a dark shadow, then the text itself two pixels up and left.
    void ShadowedText(TLabel*& texto, TLabel*& sombra, const QString& name, const QString& caption, int top,
                      int pixelSize, bool bold);
};
