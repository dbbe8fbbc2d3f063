#pragma once
// The listing of accountants: name, area code and telephone.

#include "components/report/TrptModBase.h"

class TReportBand;

class TrptContabilistas : public TrptModBase {
public:
    explicit TrptContabilistas(TComponent* owner = nullptr);

    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
};
