#pragma once
// The listing of the states: name and abbreviation.

#include "components/report/TrptModBase.h"

class TReportBand;

class TrptUFs : public TrptModBase {
public:
    explicit TrptUFs(TComponent* owner = nullptr);

    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
};
