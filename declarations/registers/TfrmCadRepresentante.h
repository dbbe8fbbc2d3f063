#pragma once
// The register of the legal representatives (DMDefAux.cdsRepresentante), keyed by SQ_REPRESENTANTE from
// counter 15: a person register (PersonRegister) under its own names.

#include "declarations/registers/PersonRegister.h"

class TfrmCadRepresentante : public PersonRegister {
    Q_OBJECT
public:
    TfrmCadRepresentante(TComponent* owner, int documentId);

    TDataSource* dsRepresentante;
    TDBEdit* dbeNomeRep;
    TDBEdit* dbeDDDRep;
    TDBEdit* dbeTelRep;
    TDataSetSearch* dssRepresentante;

protected:
    void PreviewListing() override;
};
