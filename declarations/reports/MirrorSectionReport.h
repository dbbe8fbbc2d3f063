#pragma once
// The base of every section of the declaration mirror: the section-report
// template with the declaration's data added to its page header, the
// declaration query that drives the report (one row: the declaration with its
// taxpayer), the type text, the detail band of the declaration row (each
// section starts on a new page), an empty summary band, and the family of
// occurrence queries of the data sections.
//
// Every query of a section runs in the section's own transaction on the
// general data module's connection. The print dialog opens them, in the
// order of Queries(), for the declaration chosen in the declaration list;
// the pages number "Página: k de N" over the whole composite mirror.

#include "components/report/TrptModBase.h"

#include <QStringList>
#include <array>
#include <vector>

class TDataSet;
class TField;
class TIBQuery;
class TIBTransaction;
class TReportBand;
class TReportChildBand;
class TReportDBText;
class TReportLabel;

class MirrorSectionReport : public TrptModBase {
public:
    // `name` is the component's name, `transaction` the name of its transaction.
    MirrorSectionReport(TComponent* owner, const QString& name, const QString& transaction);

    // The queries to open for a declaration, in order (ibqDeclaracao first).
    const std::vector<TIBQuery*>& Queries() const { return m_queries; }

    // "Normal", or "Retificadora [n]".
    void ibqDeclaracaoCalcFields(TDataSet* dataSet);
    // The reference-period key of the declaration (year * 100 + month) into dt_periodo.
    void ibqOcorrenciaBeforeOpen(TDataSet* dataSet);
    // DS_OCORRENCIA_35: the legal ground's description with its complementary data.
    void ibqOcorrenciaCalcFields(TDataSet* dataSet);

    // The period key of the declaration row: AN_REFERENCIA followed by the
    // month in two digits (March 2004 gives 200403).
    int ReferencePeriodKey() const;

    TIBQuery* ibqDeclaracao;
    TReportBand* qrbDeclaracao;
    TReportBand* qrbResumo;
    TReportLabel* qrlInscricao;
    TReportDBText* qrdInscricao;
    TReportLabel* qrlRazao;
    TReportDBText* qrdRazao;
    TReportLabel* qrlCNPJ;
    TReportDBText* qrdCNPJ;
    TReportLabel* qrlSequencial;
    TReportDBText* qrdTipo;
    TReportLabel* qrlMes;
    TReportDBText* qrdMes;
    TReportLabel* qrlAno;
    TReportDBText* qrdAno;

protected:
    // A query of the section on its transaction, with persistent fields
    // declared as MakeFields takes them; opened after those made before it.
    TIBQuery* Query(const QString& name, const QStringList& sql, const std::vector<const char*>& campos);
    // The fields of the entry and exit rows.
    static std::vector<const char*> OperationFields();
    // An occurrence query on `tabela` with its money column `valor`: the rows
    // of the declaration whose legal ground has a history row valid in the
    // declaration's month, of computation `apuracao` ('N', 'S'; 0: any, then
    // not ordered), ordered by occurrence kind and number; with the fields
    // Ocorrencia (the ground's code) and DS_OCORRENCIA_35.
    TIBQuery* OccurrenceQuery(const QString& name, const QString& tabela, const QString& valor,
                              char apuracao);
    // The group of an occurrence query: its code, value, description and
    // complementary description; `descricao` titles the third column.
    void OccurrenceGroup(const QString& stem, const QString& titulo, TIBQuery* query, const char* valor,
                         const char* rotuloValor = "Valor", const char* descricao = "Descrição");
    // The six occurrence queries and groups of a computation ('N' own
    // operations, 'S' tax substitution), named ibq<kind><sufixo>, in the
    // order other credits, other debits, credit reversals, debit reversals,
    // deductions, special terms; `descricaoDebitos` titles the description
    // column of the other debits.
    std::array<TIBQuery*, 6> ComputationGroups(char apuracao, const QString& sufixo,
                                               const char* descricaoDebitos = "Descrição");
    // The process number of a credit-balance row: prefix-number/year, empty
    // when the row has none.
    static QString ProcessText(TDataSet* dataSet);
    // The child band of the page header that names the section on every page.
    TReportChildBand* PageTitleBand(const QString& titulo);
    // The declaration row's line "<caption>" <field> on the detail band at `top`.
    void DeclarationLine(const QString& caption, const QString& field, double top, double captionWidth,
                         double width, bool money);

private:
    void BuildDeclarationQuery();
    void BuildBands();
    void BuildHeaderBand();

    TIBTransaction* m_transaction;
    std::vector<TIBQuery*> m_queries;
};
