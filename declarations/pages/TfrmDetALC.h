#pragma once
// The exempt exits to municipalities of the Manaus free-trade zone and the
// free-trade areas, one row per invoice. The municipality of a row is chosen
// among those of the period when the row is inserted and cannot change
// afterwards. Two rows of the same invoice are refused by the database; the
// page then says so in its own words.

#include "declarations/pages/GridPage.h"
#include "platform/db/TClientDataSet.h"

class TDBLookupComboBox;
class TDataSet;

class TfrmDetALC : public GridPage {
    Q_OBJECT
public:
    explicit TfrmDetALC(TComponent* owner);
    ~TfrmDetALC() override;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void fraMidasNavigator1BeforeInsert(TDataSet* dataSet);
    void dsALCStateChange(TObject* sender);
    void fraMidasNavigator1NewRecord(TDataSet* dataSet);
    void fraMidasNavigator1BeforePost(TDataSet* dataSet);
    void fraMidasNavigator1ReconcileError(TClientDataSet* dataSet, EReconcileError& error, TUpdateKind shape,
                                          TReconcileAction& action);
    // A typed date that is no date is refused with the date check's message.
    void DT_EMISSAO_NFSetText(TField* sender, const QString& text);

    TDBLookupComboBox* dblcMunicipios;
    TDBEdit* dbeUF;
    TDBEdit* dbeSerieNF;
    TDBEdit* dbeSubSerieNF;
    TDBEdit* dbeNumeroNF;
    TDBEdit* dbeDataEmissao;
    TDBEdit* dbeVlNotaFiscal;
    TDBEdit* dbedtVlIsentas;
    TDBEdit* dbedtNSuframa;
    TDBEdit* dbeVlBCalcNCNTB; // the addressee's CNPJ
    TReconcileDialog* rdCadastro;
    TDataSource* dsMunicipios;

private:
    void BuildFields();
    void ConnectNavigator();
    TField* m_issueDate;
};
