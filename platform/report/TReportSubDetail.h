#pragma once
// A sub-detail: a band printed once per record of its own data set, each time
// the report prints a record of its detail loop. HeaderBand
// prints before the records and FooterBand after them; with PrintIfEmpty
// they print even when the data set has no records.
// (Components referred to here are watched: one that goes away is dropped.)

#include "platform/report/TReportBand.h"

class TDataSet;

class TReportSubDetail : public TReportBand {
public:
    explicit TReportSubDetail(TComponent* owner = nullptr);

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    bool PrintIfEmpty() const { return m_printIfEmpty; }
    void SetPrintIfEmpty(bool value) { m_printIfEmpty = value; }
    TReportBand* HeaderBand() const { return m_headerBand; }
    void SetHeaderBand(TReportBand* band);
    TReportBand* FooterBand() const { return m_footerBand; }
    void SetFooterBand(TReportBand* band);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSet* m_dataSet = nullptr;
    bool m_printIfEmpty = true;
    TReportBand* m_headerBand = nullptr;
    TReportBand* m_footerBand = nullptr;
};
