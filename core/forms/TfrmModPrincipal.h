#pragma once
// The template of the program's main window: an MDI frame that paints a
// stretched background picture behind its document windows, draws the
// issuing authority's name with a shadow, shows the version in its status
// bar and offers exit and about.
//
// The labels of the frame (lblSigla, lblSistema and the authority's name)
// live on the MDI client area, beneath the document windows.

#include "core/forms/TfrmModBase.h"

#include <utility>
#include <vector>

class TAction;
class TActionList;
class TDatabaseTimeout;
class TExeVer;
class TfrmModDocumento;
class TImage;
class TImageList;
class TLabel;
class TMainMenu;
class TMenuItem;
class TStatusBar;

class TfrmModPrincipal : public TfrmModBase {
    Q_OBJECT
public:
    explicit TfrmModPrincipal(TComponent* owner);
    ~TfrmModPrincipal() override;

    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void acSairExecute(TObject* sender);
    void acSobreExecute(TObject* sender);

    // Takes over painting of the MDI client area.
    virtual void HookClientWindow();
    // Paints the background picture, stretched to the client area (the
    // form's colour when there is none), beneath the frame's labels.
    virtual void DrawBackground();

    // A document window owned by this window was built (opInsert) or is
    // going (opRemove).
    virtual void DocumentNotification(TfrmModDocumento* document, TOperation operation);

    // The authority's name, black and its white shadow, once shown.
    TLabel* AuthorityNameLabel() const { return m_authorityName; }
    TLabel* AuthorityNameShadow() const { return m_authorityNameShadow; }

    TImage* imgFundo;
    TLabel* lblSigla;
    TLabel* lblSistema;
    TStatusBar* sbApp;
    TActionList* alApp;
    TAction* acSair;
    TAction* acSobre;
    TImageList* imlApp;
    TMainMenu* mmApp;
    TMenuItem* mniPrincipal;
    TMenuItem* mniSair;
    TMenuItem* mniAjuda;
    TMenuItem* mniSobre;
    TExeVer* evApp;
    TDatabaseTimeout* dtApp;

    // Keeps a label of the client area this far from its right edge.
    void KeepFromRightEdge(TLabel* label, int distance);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Puts a label of the frame onto the MDI client area.
    void PlaceOnClientArea(TLabel* label);

private:
    void BuildMainMenu();
    TLabel* CreateLabel(const QString& name, const QString& caption);
    void PlaceRightAligned();

    bool m_painting = false;
    bool m_hooked = false;
    TLabel* m_authorityName = nullptr;
    TLabel* m_authorityNameShadow = nullptr;
    std::vector<std::pair<TLabel*, int>> m_rightAligned;
};
