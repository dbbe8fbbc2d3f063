#pragma once
// The print dialog of the declaration mirror ("espelho"): the user picks the
// kind (data or summaries) and the sections; printing creates one report per
// chosen section, opens its queries for the declaration that is current in
// the declaration list (DMDef.cdsSelDeclaracao) and previews them chained in
// one composite report, its pages numbered over the whole.
//
// The declaration list creates it with itself as owner and shows it modally:
//     TForm::Create<TfrmDlgEspelhoZeb>(this)->ShowModal();
// Closing frees the dialog (close action free); a caller may also free it
// right after ShowModal returns.
//
// The export-balance summary is withdrawn for a declaration without export
// credit data. A failure while the sections are made ("Erro na criação do
// relatório!", after the message of code 300 when a query failed) frees at
// once what was made and previews nothing; the sections of a print are
// freed when its preview closes, also when it fails.

#include "core/forms/TfrmModDialogo.h"

#include <array>
#include <functional>
#include <memory>

class MirrorSectionReport;
class TButton;
class TCheckBox;
class TCompositeReport;
class TDataSet;
class TDataSource;
class TIBQuery;
class TRadioGroup;
class TransactionScope;

class TfrmDlgEspelhoZeb : public TfrmModDialogo {
    Q_OBJECT
public:
    // The section reports, in the composite's order.
    static constexpr std::size_t kSections = 13;
    // Tags of the check boxes: data section, data "Todos", summary section,
    // summary "Todos"; 0 marks a box withdrawn for good.
    static constexpr int kDataTag = 1;
    static constexpr int kAllDataTag = 5;
    static constexpr int kSummaryTag = 6;
    static constexpr int kAllSummariesTag = 10;

    explicit TfrmDlgEspelhoZeb(TComponent* owner);
    ~TfrmDlgEspelhoZeb() override;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void rgTipoClick(TObject* sender);
    void cbOpPropriasClick(TObject* sender);
    void cbOpPropriasRClick(TObject* sender);
    void cbTodosClick(TObject* sender);
    void cbTodosRClick(TObject* sender);
    void btnImprimirClick(TObject* sender);
    void btnCancelarClick(TObject* sender);
    void qrCompositeReportsAddReports(TObject* sender);
    void qrCompositeReportsPreview(TObject* sender);

    // Opens the query for the declaration list's current row; true when it has rows.
    bool AbreQueryDeclaracao(TIBQuery* query);
    // Creates the chosen sections and opens their queries; on any failure
    // frees what it made, shows "Erro na criação do relatório!" and aborts.
    void CreateReports();
    // Frees the sections of the last print (and closes the reference sets it opened).
    void FreeReports();
    // The section reports of the print under way (nullptr for those not chosen).
    const std::array<MirrorSectionReport*, kSections>& Reports() const { return m_reports; }

    TRadioGroup* rgTipo;
    TCheckBox* cbOpProprias;
    TCheckBox* cbSubTrib;
    TCheckBox* cbOutICMS;
    TCheckBox* cbOpInter;
    TCheckBox* cbZFM;
    TCheckBox* cbSCEAcumulado;
    TCheckBox* cbSCERecebido;
    TCheckBox* cbTodos;
    TCheckBox* cbOpICMS_R;
    TCheckBox* cbOpPropriasR;
    TCheckBox* cbSubTribR;
    TCheckBox* cbOpInterR;
    TCheckBox* cbSCEResumo;
    TCheckBox* cbDemais;
    TCheckBox* cbTodosR;
    TButton* btnImprimir;
    TButton* btnCancelar;
    TDataSource* dsEspelhoZeb;
    TCompositeReport* qrCompositeReports;

private:
    void BuildBoxes();
    void FitColumns();
    void ConnectBoxes();
    void BuildButtons();
    void BuildReports();
    using ReportMaker = std::function<MirrorSectionReport*(TComponent*)>;

    std::vector<TCheckBox*> BoxesWithTag(int tag) const;
    // Checked and enabled.
    static bool Chosen(const TCheckBox* caixa);
    void SectionMarked(TCheckBox* caixa, int tagSecao, TCheckBox* todos);
    void MarkAll(TCheckBox* todos, int tagSecao);

    std::array<TCheckBox*, kSections> m_boxes{};
    std::array<ReportMaker, kSections> m_makers;
    std::array<MirrorSectionReport*, kSections> m_reports{};
    std::vector<TCheckBox*> m_allBoxes;
    // Reference sets opened for the print under way.
    std::vector<TDataSet*> m_references;
    // The transaction of the occurrence descriptions, held for the print under way.
    std::unique_ptr<TransactionScope> m_descriptionsTransaction;
    int m_printedPages = 0;
};
