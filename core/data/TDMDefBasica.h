#pragma once
// The basic data module: the reference tables the authority maintains
// (states, municipalities and their free-trade-area periods, fiscal operation
// codes, legal grounds and purposes with their history), the lookup sets
// restricted to the reference period of the declaration being edited, and
// the filters that hide codes a detail page already uses.
//
// History sets (cdsMunicipiosALC, cdsCFOPsHist, cdsFundHist, cdsFinalHist)
// follow the current record of their master set: they are reopened for it
// after every scroll and closed with it.

#include "platform/base/TComponent.h"

#include <QHash>
#include <QString>

class TClientDataSet;
class TDataSet;
class TDataSetProvider;
class TIBQuery;
class TIBTransaction;

class TDMDefBasica : public TComponent {
public:
    explicit TDMDefBasica(TComponent* owner = nullptr);
    ~TDMDefBasica() override;

    // Hides, in lookupSet, the codes that the rows of detailSet use; with no
    // rows the filter is switched off.
    void FiltraCFOPsUsados(TDataSet* detailSet, TDataSet* lookupSet);
    void FiltraUFsUsadas(TDataSet* detailSet, TDataSet* lookupSet);
    void AplicaFiltro(TDataSet* clientSet, const QString& filterText);
    // (Re)opens a period set for the reference month of DMDef.cdsDeclaracao.
    void AbrePorPeriodo(TClientDataSet* clientSet);
    // The period key year * 100 + month.
    static int PeriodKey(int ano, int mes);

    void cdsCFOPsCalcFields(TDataSet* dataSet);
    void cdsFundamentosCalcFields(TDataSet* dataSet);
    void cdsFundHistCalcFields(TDataSet* dataSet);
    void cdsConFundamentoCalcFields(TDataSet* dataSet);

    TClientDataSet* cdsUFs;
    TClientDataSet* cdsMunicipios;
    TClientDataSet* cdsMunicipiosALC;
    TClientDataSet* cdsCFOPs;
    TClientDataSet* cdsCFOPsHist;
    TClientDataSet* cdsCFOPsEntradas;
    TClientDataSet* cdsCFOPsSaidas;
    TClientDataSet* cdsFundamentos;
    TClientDataSet* cdsFundHist;
    TClientDataSet* cdsFinalidades;
    TClientDataSet* cdsFinalHist;
    TClientDataSet* cdsConFundamento;
    TClientDataSet* cdsConFundamentoDest;
    TClientDataSet* cdsMun;
    TIBTransaction* ibtRefCodes;
    TIBQuery* ibqRefCodes;

private:
    TClientDataSet* Chain(const QString& stem, const QStringList& sql);
    // A history set that follows masterSet by the key field.
    void LinkHistory(TClientDataSet* masterSet, TClientDataSet* detailSet, const QString& key);
    void BuildCfops();
    void BuildLegalGrounds(TClientDataSet* set, TClientDataSet* historico);
    void BuildLegalGroundLookup(TClientDataSet* set);
    void FilterUsed(TDataSet* detailSet, TDataSet* lookupSet, const QString& prefix);
    // DescTpDadoComp1..3 of the record; an empty type reads "Não preencher"
    // unless descreveVazio.
    void DescreveTiposDado(TDataSet* dataSet, bool descreveVazio);
    QString TypeMeaning(const QString& letra);

    QHash<QString, QString> m_meanings; // meaning by type letter, while sets are open
};

extern TDMDefBasica* DMDefBasica;
