#pragma once
// The shape of the listings of occurrences (legal grounds, purposes): each
// occurrence on a line (sub-type, code, type, description) with its history
// indented under it. A listing differs from another in its names and in the
// history's columns.

#include "components/report/TrptModBase.h"
#include "declarations/registers/ListingLayout.h"

#include <initializer_list>

class TDataSet;
class TReportBand;
class TReportSubDetail;

class OccurrenceListing : public TrptModBase {
public:
    TReportBand* qrbTitulo;
    TReportBand* qrbDetalhe;
    TReportSubDetail* qrsHistorico;

protected:
    OccurrenceListing(TComponent* owner, const QString& name, const QString& title, TDataSet* occurrences,
                      TDataSet* history, std::initializer_list<ListingColumn> historyColumns);
};
