#pragma once
// The template of modal dialogs: a button panel along the bottom under a
// separating line; each dialog puts its own buttons into pnBotoes.

#include "core/forms/TfrmModBase.h"

class TBevel;
class TPanel;

class TfrmModDialogo : public TfrmModBase {
    Q_OBJECT
public:
    explicit TfrmModDialogo(TComponent* owner);

    TBevel* bvBotoes;
    TPanel* pnBotoes;
};
