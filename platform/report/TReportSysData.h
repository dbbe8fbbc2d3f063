#pragma once
// Data the report itself supplies: page number, date, time, report title.
// Text is printed before the value ("Página: "). sdPageOfPages prints the
// page number with the page count, "1 de 3".

#include "platform/report/TTextPrintable.h"

enum class TSysDataType { sdPageNumber, sdPageOfPages, sdDate, sdTime, sdDateTime, sdReportTitle };

class TReportSysData : public TTextPrintable {
public:
    using TTextPrintable::TTextPrintable;

    TSysDataType Data() const { return m_data; }
    void SetData(TSysDataType data) { m_data = data; }
    const QString& Text() const { return m_text; }
    void SetText(const QString& text) { m_text = text; }

    QString PrintText(const TPrintContext& context) const override;

private:
    TSysDataType m_data = TSysDataType::sdPageNumber;
    QString m_text;
};
