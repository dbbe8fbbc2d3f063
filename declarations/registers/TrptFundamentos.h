#pragma once
// The listing of the legal grounds (occurrences), each with its history of
// validity periods, legislation and complementary data.

#include "components/report/TrptModBase.h"

class TReportBand;
class TReportSubDetail;

class TrptFundamentos : public TrptModBase {
public:
    explicit TrptFundamentos(TComponent* owner = nullptr);

    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
    TReportSubDetail* qrsHistorico;
};
