#pragma once
// The printed list of a validation's findings: the declaration (registration,
// company name, CNPJ, type, month and year of the current row of
// DMDef.cdsSelDeclaracao) under the page header, then one line per finding
// of the result set with its kind, code, message and detail.

#include "components/report/TrptModBase.h"

class TDataSet;
class TReportBand;

class TrptErrosValidacao : public TrptModBase {
public:
    // `resultado`: the validation window's result set.
    TrptErrosValidacao(TComponent* owner, TDataSet* resultado);

    TReportBand* qrbDetalhe;

private:
    void BuildHeader();
};
