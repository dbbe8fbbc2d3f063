#pragma once
// The document window in which one declaration is filled in: a tree of its
// 39 pages at the left, the page of the selected node in the panel at the
// right (one page at a time, created on selection and freed on the next),
// and Voltar/Avançar stepping through the tree over the sections that the
// declaration marks as without movement or that its period does not have.
// Closing the window saves the declaration and, when anything was applied,
// clears its validation and transmission marks.
//
// The declaration list opens it (owner: the list window, which it disables
// while open) after opening DMDef.cdsDeclaracao on the declaration.

#include "core/forms/TfrmModDocumento.h"

class TAction;
class TActionList;
class TButton;
class TDataSource;
class TImageList;
class TLabel;
class TPanel;
class TSpeedButton;
class TSplitter;
class TTreeNode;
class TTreeView;
class TfrmDetalheDEF;

class TfrmDeclaracao : public TfrmModDocumento {
    Q_OBJECT
public:
    TfrmDeclaracao(TComponent* owner, int documentId);

    // The tree's last node.
    static constexpr int LastNode = 38;

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyPress(TObject* sender, QChar& key);
    void tvNavegadorChange(TObject* sender, TTreeNode* node);
    void tvNavegadorChanging(TObject* sender, TTreeNode* node, bool& allowChange);
    void tvNavegadorExpanding(TObject* sender, TTreeNode* node, bool& allowExpansion);
    void acVoltarExecute(TObject* sender);
    void acAvancarExecute(TObject* sender);
    void acSairExecute(TObject* sender);

    void AtualizaNavegacao();
    void MostraNo();
    void AbreQuadro(int no);

    // The page shown (none before the first selection).
    TfrmDetalheDEF* Page() const { return m_page; }

    TPanel* pnlEsquerda;
    TPanel* pnlCabecalho;
    TLabel* lblPeriodo;
    TLabel* lblTipo;
    TTreeView* tvNavegador;
    TPanel* pnlNavegacao;
    TButton* btnVoltar;
    TButton* btnAvancar;
    TSplitter* splNavegador;
    TPanel* pnlFundo;
    TPanel* pnlTopo;
    TPanel* pnlDescricao;
    TSpeedButton* sbtnSair;
    TPanel* pnlDetalhes;
    TDataSource* dsDeclaracao;
    TActionList* alDeclaracao;
    TAction* acVoltar;
    TAction* acAvancar;
    TAction* acSair;
    TImageList* imlDeclarador;

private:
    void BuildActions();
    void BuildLeftSide();
    void BuildTree();
    void BuildRightSide();
    void BuildTreeNodes();
    // The message code refusing to open the section of node `no`; 0 when it opens.
    int SectionRefusal(int no) const;
    // Whether Avançar enters the children of node `no`.
    bool EntersSection(int no) const;
    void PostPendingDeclaration();
    void ClearValidationMarks();
    void ClosePage();

    TfrmDetalheDEF* m_page = nullptr;
};
