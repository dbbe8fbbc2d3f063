#pragma once
// The listing of legal representatives: name, area code and telephone.

#include "components/report/TrptModBase.h"

class TReportBand;

class TrptRepresentante : public TrptModBase {
public:
    explicit TrptRepresentante(TComponent* owner = nullptr);

    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
};
