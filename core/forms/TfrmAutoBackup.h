#pragma once
// The window that asks the user to wait while the automatic backup runs.

#include "platform/ui/TForm.h"

class TLabel;
class TPanel;

class TfrmAutoBackup : public TForm {
    Q_OBJECT
public:
    explicit TfrmAutoBackup(TComponent* owner);

    TPanel* pnFundo;
    TLabel* lbAction;
    TLabel* lbAviso;
};
