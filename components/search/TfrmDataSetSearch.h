#pragma once
// The search dialog: the search frame with OK and Cancel. On show it widens
// to fit the grid's columns (never past the screen), centres itself on the
// desktop and puts the focus in the search box. OK is enabled while the data
// set is open and has rows; a double click on a row answers OK then too.

#include "platform/ui/TForm.h"

class TBevel;
class TField;
class TButton;
class TfraDataSetSearch;
class TPanel;

class TfrmDataSetSearch : public TForm {
    Q_OBJECT
public:
    explicit TfrmDataSetSearch(TComponent* owner);

    void FormShow(TObject* sender);
    // The width that shows every column of the grid that fits on the screen.
    int FittingWidth() const;

    TfraDataSetSearch* fdsPesquisa;
    TBevel* bvBotoes;
    TPanel* pnBotoes;
    TButton* btnOk;
    TButton* btnCancel;

private:
    void BuildButtons();
    bool CanConfirm() const;
    void UpdateOk();
    void fdsPesquisaStateChange(TObject* sender);
    void fdsPesquisaDataChange(TObject* sender, TField* field);
    void fdsPesquisaGridDblClick(TObject* sender);
};
