#include "platform/report/TReportChildBand.h"

TReportChildBand::TReportChildBand(TComponent* owner) : TReportBand(owner, TBandType::rbChild) {}

TReportChildBand::~TReportChildBand() {
    SetParentBand(nullptr);
}

void TReportChildBand::SetParentBand(TReportBand* band) {
    if (band == m_parentBand)
        return;
    if (m_parentBand && m_parentBand->ChildBand() == this)
        m_parentBand->SetChildBand(nullptr);
    m_parentBand = band;
    if (m_parentBand) {
        m_parentBand->SetChildBand(this);
        FreeNotification(m_parentBand);
        SetParent(m_parentBand->Parent());
    }
}

void TReportChildBand::Notification(TComponent* component, TOperation operation) {
    TReportBand::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_parentBand)
        m_parentBand = nullptr;
}
