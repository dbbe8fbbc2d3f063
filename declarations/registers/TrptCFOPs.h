#pragma once
// The listing of the fiscal operation codes, each with its history of
// validity periods and descriptions.

#include "components/report/TrptModBase.h"

class TReportBand;
class TReportSubDetail;

class TrptCFOPs : public TrptModBase {
public:
    explicit TrptCFOPs(TComponent* owner = nullptr);

    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
    TReportSubDetail* qrsHistorico;

    // Previews as the base does, then opens the codes again.
    void rptModeloGeralPreview(TObject* sender);
};
