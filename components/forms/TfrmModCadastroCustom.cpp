#include "components/forms/TfrmModCadastroCustom.h"

#include "components/navigation/TfraDataSetNavigator.h"
#include "platform/ui/Make.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"

const QString PendingEditMessage = QStringLiteral("Inclusão ou Alteração em andamento. Confirme ou cancele.");

TfrmModCadastroCustom::TfrmModCadastroCustom(TComponent* owner, int documentId)
    : TfrmModDocumento(owner, documentId) {
    SetName(QStringLiteral("frmModCadastroCustom"));
    SetCaption(QStringLiteral("frmModCadastroCustom"));
    SetBounds(0, 0, 519, 343);
    sbCadastro = Make<TStatusBar>(this, QStringLiteral("sbCadastro"), this);
    sbCadastro->AddPanel(75);
    sbCadastro->AddPanel(50);
    sbCadastro->SetAlign(TAlign::alBottom);
    OnClose = TCloseEvent(this, &TfrmModCadastroCustom::FormClose);
}

TfrmModCadastroCustom::~TfrmModCadastroCustom() {
    Unchain();
}

void TfrmModCadastroCustom::SetNavigator(TfraDataSetNavigator* navigator) {
    if (m_navigator && !IsLoading())
        Unchain();
    if (m_navigator)
        RemoveFreeNotification(m_navigator);
    m_navigator = navigator;
    if (navigator)
        FreeNotification(navigator);
    if (navigator && !IsLoading())
        Chain();
}

void TfrmModCadastroCustom::Chain() {
    const TNotifyEvent display(this, &TfrmModCadastroCustom::NavigatorStateChange);
    if (m_navigator->OnStateChange == display)
        return;
    m_savedStateChange = m_navigator->OnStateChange;
    m_navigator->OnStateChange = display;
}

void TfrmModCadastroCustom::Unchain() {
    if (!m_navigator)
        return;
    if (m_navigator->OnStateChange == TNotifyEvent(this, &TfrmModCadastroCustom::NavigatorStateChange))
        m_navigator->OnStateChange = m_savedStateChange;
    m_savedStateChange = nullptr;
}

void TfrmModCadastroCustom::Notification(TComponent* component, TOperation operation) {
    TfrmModDocumento::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_navigator) {
        m_navigator = nullptr;
        m_savedStateChange = nullptr;
    }
}

void TfrmModCadastroCustom::NavigatorStateChange(TObject* sender) {
    QString text;
    const TDataSet* dataSet = m_navigator ? m_navigator->DataSet() : nullptr;
    switch (dataSet ? dataSet->State() : dsInactive) {
    case dsBrowse:
        text = QStringLiteral("Consultando");
        break;
    case dsEdit:
        text = QStringLiteral("Alterando");
        break;
    case dsInsert:
        text = QStringLiteral("Incluindo");
        break;
    default:
        break;
    }
    sbCadastro->Panels(0)->SetText(text);
    if (m_savedStateChange && !(m_navigator && m_savedStateChange == m_navigator->OnStateChange))
        m_savedStateChange(sender);
}

void TfrmModCadastroCustom::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModDocumento::FormClose(sender, action);
    const TDataSet* dataSet = m_navigator ? m_navigator->DataSet() : nullptr;
    if (dataSet && (dataSet->State() == dsEdit || dataSet->State() == dsInsert))
        throw EDatabaseError(PendingEditMessage);
}
