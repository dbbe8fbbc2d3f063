#include "platform/report/TReportSysData.h"

#include "platform/base/SysUtils.h"
#include "platform/report/TBandReport.h"

QString TReportSysData::PrintText(const TPrintContext& context) const {
    QString value;
    switch (m_data) {
    case TSysDataType::sdPageNumber:
        value = QString::number(context.PageNumber);
        break;
    case TSysDataType::sdPageOfPages:
        value = QStringLiteral("%1 de %2").arg(context.PageNumber).arg(TPrintContext::kPageCountMarker);
        break;
    case TSysDataType::sdDate:
        value = FormatDateTime(QStringLiteral("dd/mm/yyyy"), context.Started);
        break;
    case TSysDataType::sdTime:
        value = FormatDateTime(QStringLiteral("hh:nn"), context.Started);
        break;
    case TSysDataType::sdDateTime:
        value = FormatDateTime(QStringLiteral("dd/mm/yyyy hh:nn"), context.Started);
        break;
    case TSysDataType::sdReportTitle:
        value = context.Report ? context.Report->ReportTitle() : QString();
        break;
    }
    return m_text + value;
}
