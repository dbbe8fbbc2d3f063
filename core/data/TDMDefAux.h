#pragma once
// The auxiliary data module: the registers of the legal representative and
// of the accountant, and the services many windows share: opening a detail
// set for the current declaration, rule messages by code, the checks of an
// occurrence's complementary data, and the declaration totals and existence
// counts (the public blocks inherited below).
//
// The checks show their own message (MsgErro) and return false; the caller
// then aborts its post. The totals and counts show the message of code 300
// and abort silently when a query fails; what was filled before stays.

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

class TDMDefAux : public TComponent,
                  public TTotaisOperacoesProprias,
                  public TTotaisSaldoCredorExportacao,
                  public TTotaisSubstTributaria,
                  public TTotaisOutrosICMS,
                  public TResumoOperacoes {
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
    bool DataNoPeriodoReferencia(const QString& sqDeclaracao, const QString& data);
    // The month with two digits (5 -> 05).
    static QString FormataMes(const QString& mes);
    // The printed description of an occurrence row: DS_OCORRENCIA, each typed
    // datum with the meaning of its type, then extra; empty when the row has
    // no description.
    QString DescricaoOcorrencia(TDataSet* dataSet, const QString& extra);

    // Totals of a declaration (key as text).
    void CalculaOperacoesProprias(const QString& sqDeclaracao);
    void CalculaSaldoCredorExportacao(const QString& sqDeclaracao, Currency vlAnterior,
                                      Currency vlCreditoEnergia, Currency vlProvisao);
    void CalculaResumoOperacoes(const QString& sqDeclaracao, Currency vlAnterior, Currency vlCreditoEnergia,
                                Currency vlProvisao);
    void CalculaSubstTributaria(const QString& sqDeclaracao);
    void CalculaOutrosICMS(const QString& sqDeclaracao);
    // 1 when the declaration has such movement, else 0.
    int ContaMovSaldoCredor(const QString& sqDeclaracao);
    int ContaMovOperProp(const QString& sqDeclaracao);
    int ContaMovOutrosICMS(const QString& sqDeclaracao);
    int ContaMovSubstTribut(const QString& sqDeclaracao);
    int ContaMovALCZFM(const QString& sqDeclaracao);

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
    void CriaRegistros();
    // Runs the query on DMDefGeral.cdsAuxiliar; message 300 and abort when it fails.
    void Consulta(const QStringList& sql);
    // The sum columns of the single result row, cut to hundredths.
    static Currency Soma(const QString& coluna);
    void SomaColunas(const QStringList& sql, std::initializer_list<std::pair<const char*, Currency*>> alvos);
    int ContaExistencia(const QString& sqDeclaracao, const QStringList& condicoes);
    int Contagem(const QStringList& sql);
    // The key as SQL digits; a key that is no integer counts as a failing query.
    QString Chave(const QString& sqDeclaracao);
    [[noreturn]] void FalhaConsulta();
};

extern TDMDefAux* DMDefAux;
