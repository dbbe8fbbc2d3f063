#pragma once
// The auxiliary data module: the registers of the legal representative and
// of the accountant, and the services many windows share: opening a detail
// set for the current declaration, rule messages by code, the checks of an
// occurrence's complementary data, and the declaration totals (each Calcula
// routine returns one block of figures, a value the caller owns) and
// existence counts.
//
// The checks show their own message (MsgErro) and return false; the caller
// then aborts its post. The totals and counts show the message of a failing
// query and abort silently when a query fails; the block keeps its figures.

#include "core/data/DeclarationTotals.h"
#include "platform/base/TComponent.h"

#include <QString>

class TClientDataSet;
class TDataSet;
class TDataSetProvider;
class TField;
class TIBQuery;
class TIBTransaction;
class TStringField;

class TDMDefAux : public TComponent {
public:
    explicit TDMDefAux(TComponent* owner = nullptr);
    ~TDMDefAux() override;

    // Reopens a detail client set for the current row of DMDef.cdsDeclaracao.
    // Other data sets are left alone; failures show "Erro na abertura das tabelas!".
    void AbreTabelaDeclaracao(TDataSet* dataSet);
    // The text of rule message `codigo` (empty when there is none).
    static QString BuscaMensagemErro(int codigo);

    // Complementary datum `campoValor` of the row against the type
    // `campoTipo` of the legal ground on which DMDefBasica.cdsConFundamento stands.
    bool ValidaDadoComplementar(TDataSet* dataSet, const QString& campoTipo, const QString& campoValor,
                                const QString& numero);
    bool ValidaComplementoPorFundamento(TDataSet* dataSet, TDataSet* fundamento, const QString& campoTipo,
                                        const QString& campoValor, const QString& numero);
    // A date "dd/mm/yyyy" from 1950 up to today.
    bool ValidaDataComplemento(const QString& numero, const QString& valor);
    // A period "mm/yyyy" from 2000 up to the current year.
    bool ValidaMesAnoComplemento(const QString& numero, const QString& valor);
    // A process number "E99-999999/9999" from 1988 up to the current year.
    bool ValidaProcessoComplemento(const QString& numero, const QString& valor);

    // False while a client set of DMDef other than cdsDeclaracao is being edited.
    bool SemEdicaoPendente() const;
    // True when the date "dd/mm/yyyy" falls in the reference month of the declaration.
    bool DataNoPeriodoReferencia(DeclarationKey sqDeclaracao, const QString& data);
    // The month with two digits (5 -> 05).
    static QString FormataMes(const QString& mes);
    // The printed description of an occurrence row: DS_OCORRENCIA, each typed
    // datum with the meaning of its type, then extra; empty when the row has
    // no description.
    QString DescricaoOcorrencia(TDataSet* dataSet, const QString& extra);

    // One block of the totals of a declaration (all five at once:
    // DeclarationFiguresOf).
    OwnOperationsTotals CalculaOperacoesProprias(DeclarationKey sqDeclaracao) const;
    ExportCreditTotals CalculaSaldoCredorExportacao(DeclarationKey sqDeclaracao, Currency vlAnterior,
                                                    Currency vlCreditoEnergia, Currency vlProvisao) const;
    OperationsMovement CalculaResumoOperacoes(DeclarationKey sqDeclaracao, Currency vlAnterior,
                                              Currency vlCreditoEnergia, Currency vlProvisao) const;
    TaxSubstitutionTotals CalculaSubstTributaria(DeclarationKey sqDeclaracao) const;
    // 1 when the declaration has such movement, else 0.
    int ContaMovSaldoCredor(DeclarationKey sqDeclaracao);
    int ContaMovOperProp(DeclarationKey sqDeclaracao);
    int ContaMovOutrosICMS(DeclarationKey sqDeclaracao);
    int ContaMovSubstTribut(DeclarationKey sqDeclaracao);
    int ContaMovALCZFM(DeclarationKey sqDeclaracao);

    // Field handlers of the two registers.
    void cdsRepresentanteNU_DDD_REPRESENTANTE_LEGALValidate(TField* sender);
    void cdsRepresentanteNU_TEL_REPRESENTANTE_LEGALValidate(TField* sender);
    void cdsRepresentanteNO_REPRESENTANTE_LEGALSetText(TField* sender, const QString& text);

    TIBTransaction* ibtRepresentante;
    TIBQuery* ibqRepresentante;
    TDataSetProvider* dspRepresentante;
    TClientDataSet* cdsRepresentante;
    TIBTransaction* ibtContabilista;
    TIBQuery* ibqContabilista;
    TDataSetProvider* dspContabilista;
    TClientDataSet* cdsContabilista;
    TIBTransaction* ibtDescricoes;
    TIBQuery* ibqDescricoes;
    TIBTransaction* ibtAuxiliar;
    TIBQuery* ibqAuxiliar;

private:
    void BuildRegisters();
};

extern TDMDefAux* DMDefAux;
