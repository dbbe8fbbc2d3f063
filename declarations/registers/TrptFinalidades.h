#pragma once
// The listing of the purposes of the export credit balance, each with its
// history of validity periods and complementary data.

#include "components/report/TrptModBase.h"

class TReportBand;
class TReportSubDetail;

class TrptFinalidades : public TrptModBase {
public:
    explicit TrptFinalidades(TComponent* owner = nullptr);

    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
    TReportSubDetail* qrsHistorico;
};
