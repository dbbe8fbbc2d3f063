#pragma once
// The taxpayer listing: registration, telephone, CNPJ, name, fax and e-mail
// of every taxpayer, landscape.

#include "components/report/TrptModBase.h"

class TReportBand;

class TrptContribuinte : public TrptModBase {
public:
    explicit TrptContribuinte(TComponent* owner = nullptr);

    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
};
