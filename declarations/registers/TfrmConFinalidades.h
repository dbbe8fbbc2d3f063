#pragma once
// The lookup of the purposes of the export credit balance
// ("finalidades", DMDefBasica.cdsFinalidades) with the history of each one
// (cdsFinalHist, following the current purpose). Search lists the active
// purposes (calculation type E).

#include "declarations/registers/OccurrenceLookup.h"

class TDBGrid;

class TfrmConFinalidades : public OccurrenceLookup {
    Q_OBJECT
public:
    TfrmConFinalidades(TComponent* owner, int documentId);

    TDataSource* dsConFinalidades;
    TDataSource* dsConHistFinalidades;
    TDBGrid* dbgHistorico;
    TDataSetSearch* dssFinalidades;

protected:
    void PreviewListing() override;
};
