#pragma once
// The template of register windows around any navigator: the status bar
// names the state of the navigator's data set ("Consultando", "Incluindo",
// "Alterando"), and the window refuses to close while an insert or edit is
// pending ("Inclusão ou Alteração em andamento. Confirme ou cancele."), so
// the record keeps its state and the window stays open.
//
// The state display takes over the navigator's OnStateChange and calls the
// handler that was there after it.

#include "core/forms/TfrmModDocumento.h"

class TfraDataSetNavigator;
class TStatusBar;

// The text of the close refusal.
extern const QString PendingEditMessage;

class TfrmModCadastroCustom : public TfrmModDocumento {
    Q_OBJECT
public:
    TfrmModCadastroCustom(TComponent* owner, int documentId);
    ~TfrmModCadastroCustom() override;

    TfraDataSetNavigator* Navigator() const { return m_navigator; }
    void SetNavigator(TfraDataSetNavigator* navigator);

    void FormClose(TObject* sender, TCloseAction& action);

    TStatusBar* sbCadastro;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Chain();
    void Unchain();
    void NavigatorStateChange(TObject* sender);

    TfraDataSetNavigator* m_navigator = nullptr;
    TNotifyEvent m_savedStateChange;
};
