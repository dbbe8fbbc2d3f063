#pragma once
// The about box: the authority, the product and its version, the machine's
// memory (refreshed every two seconds), the maker's web and mail links.

#include "platform/ui/TForm.h"

class TButton;
class TImage;
class TLabel;
class TListBox;
class TMemo;
class TPanel;
class TTimer;

class TfrmAbout : public TForm {
    Q_OBJECT
public:
    explicit TfrmAbout(TComponent* owner);

    // What the version component hands over before the box is shown.
    void SetTexts(const QString& description, const QString& version, const QString& customInfo,
                  const QString& eMail);

    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void UpdateMemory();
    void lblLinkClick(TObject* sender);
    void lblEmailClick(TObject* sender);
    void pnBotoesDblClick(TObject* sender);
    void tmrUpdateTimer(TObject* sender);

    // The maker's web address, the caption of lblLink.
    static const QString WebAddress;

    TPanel* pnlImage;
    TImage* imgLogo;
    TLabel* lblSigla;
    TLabel* lblSecretaria;
    TLabel* lblLink;
    TLabel* lblEmail;
    TLabel* lblMemInUse;
    TLabel* lblMemTotal;
    TMemo* mmSysInfo;
    TLabel* lblBancoDados;
    TListBox* lstDatabases;
    TPanel* pnBotoes;
    TButton* btnOK;
    TTimer* tmrUpdate;

protected:
    // Fills the database list; the program lists none.
    virtual void FillDatabases();

private:
    void BuildButtons();
    void BuildImagePanel();
    TLabel* Label(const QString& name, const QString& caption, int left, int top, TWinControl* parent);

    QString m_description;
    QString m_version;
    QString m_customInfo;
    QString m_eMail;
};
