#pragma once
// The listing of the municipalities: name and state.

#include "components/report/TrptModBase.h"

class TReportBand;

class TrptMunicipios : public TrptModBase {
public:
    explicit TrptMunicipios(TComponent* owner = nullptr);

    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
};
