#pragma once
// The template of every page of the declaration editor: it fills the
// editor's detail panel without a border, shows the entry hint of the
// focused field in its footer, and never closes by itself (the editor frees
// it when another page is chosen). The editor calls PreparaQuadro after
// creating a page and before showing it: there each page opens and filters
// its data.
//
// Edits and memos of a page carry a Tag: 0 no hint; 1 to 9 a complementary
// datum whose meaning is the field "DescTpDadoComp<Tag>" of the page's data
// set; 10 and above the control's own data field names its hint.

#include "core/forms/TfrmModBase.h"

class TDataSource;
class TPanel;
class TTreeView;

class TfrmDetalheDEF : public TfrmModBase {
    Q_OBJECT
public:
    explicit TfrmDetalheDEF(TComponent* owner);

    virtual void PreparaQuadro() {}

    void FormClose(TObject* sender, TCloseAction& action);
    // The footer hint of the focused tagged edit or memo, read through the
    // data source's data set; empty when no such control has the focus.
    void MostraDescricaoCampo(TDataSource* dataSource);

    TPanel* pnlMensagemRodape;

protected:
    // The tree of the declaration editor when it is the main window's active
    // document window; none otherwise.
    static TTreeView* EditorTree();
};
