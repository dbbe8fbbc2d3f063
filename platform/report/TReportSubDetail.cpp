#include "platform/report/TReportSubDetail.h"

#include "platform/db/TDataSet.h"

TReportSubDetail::TReportSubDetail(TComponent* owner) : TReportBand(owner, TBandType::rbSubDetail) {}

void TReportSubDetail::SetDataSet(TDataSet* dataSet) {
    m_dataSet = dataSet;
    if (dataSet)
        FreeNotification(dataSet);
}

void TReportSubDetail::SetHeaderBand(TReportBand* band) {
    m_headerBand = band;
    if (band) {
        band->SetBandType(TBandType::rbGroupHeader);
        FreeNotification(band);
    }
}

void TReportSubDetail::SetFooterBand(TReportBand* band) {
    m_footerBand = band;
    if (band) {
        band->SetBandType(TBandType::rbGroupFooter);
        FreeNotification(band);
    }
}

void TReportSubDetail::Notification(TComponent* component, TOperation operation) {
    TReportBand::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_dataSet)
        m_dataSet = nullptr;
    if (component == m_headerBand)
        m_headerBand = nullptr;
    if (component == m_footerBand)
        m_footerBand = nullptr;
}
