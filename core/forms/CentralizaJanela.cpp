#include "core/forms/CentralizaJanela.h"

#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"

void CentralizaJanela(TForm* janela) {
    if (!janela || !Screen)
        return;
    const int largura = janela->Width();
    const int altura = janela->Height();
    janela->SetBounds(Screen->Width() / 2 - largura / 2, Screen->Height() / 2 - altura / 2, largura, altura);
    janela->Repaint();
}
