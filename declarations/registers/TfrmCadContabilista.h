#pragma once
// The register of the accountants (DMDefAux.cdsContabilista), keyed by SQ_CONTABILISTA from
// counter 16: a person register (PersonRegister) under its own names.

#include "declarations/registers/PersonRegister.h"

class TfrmCadContabilista : public PersonRegister {
    Q_OBJECT
public:
    TfrmCadContabilista(TComponent* owner, int documentId);

    TDataSource* dsContabilista;
    TDBEdit* dbeNomeCont;
    TDBEdit* dbeDDDCont;
    TDBEdit* dbeTelCont;
    TDataSetSearch* dssContabilista;

protected:
    void PreviewListing() override;
};
