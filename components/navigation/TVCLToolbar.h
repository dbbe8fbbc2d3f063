#pragma once
// The toolbar as forms place it (tbNav, tbNavegacao, tbSair, tbSearch, ...).

#include "components/navigation/TCustomVCLToolbar.h"

class TVCLToolbar : public TCustomVCLToolbar {
    Q_OBJECT
public:
    using TCustomVCLToolbar::TCustomVCLToolbar;
};
