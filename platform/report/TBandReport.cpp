#include "platform/report/TBandReport.h"

#include "platform/db/TDataSet.h"
#include "platform/report/TBandPrinter.h"
#include "platform/report/TPrintable.h"
#include "platform/report/TReportExpr.h"
#include "platform/report/TReportGroup.h"
#include "platform/report/TReportPreview.h"
#include "platform/report/TReportSubDetail.h"

#include <algorithm>

namespace {

// Keeps a data set's position and controls while the report walks it.
class DataSetWalk {
public:
    explicit DataSetWalk(TDataSet* dataSet) : m_dataSet(dataSet) {
        if (!m_dataSet)
            return;
        if (!m_dataSet->Active())
            m_dataSet->Open();
        m_dataSet->DisableControls();
        m_bookmark = m_dataSet->GetBookmark();
    }
    ~DataSetWalk() {
        if (!m_dataSet)
            return;
        try {
            if (m_dataSet->Active() && m_bookmark && m_dataSet->BookmarkValid(m_bookmark))
                m_dataSet->GotoBookmark(m_bookmark);
        } catch (const Exception&) {
            // The position is a courtesy; the report's own outcome counts.
        }
        m_dataSet->EnableControls();
    }
    DataSetWalk(const DataSetWalk&) = delete;
    DataSetWalk& operator=(const DataSetWalk&) = delete;

private:
    TDataSet* m_dataSet;
    TBookmark m_bookmark{};
};

} // namespace

TBandReport::TBandReport(TComponent* owner) : TComponent(owner) {
    m_font = TReportFont(QStringLiteral("Arial"), 10);
}

TBandReport::~TBandReport() {
    for (TReportBand* band : std::vector<TReportBand*>(m_bands))
        band->SetParent(nullptr);
}

void TBandReport::SetDataSet(TDataSet* dataSet) {
    m_dataSet = dataSet;
    if (dataSet)
        FreeNotification(dataSet);
}

TDataSet* TBandReport::FindDataSet(const QString& name) const {
    if (name.isEmpty())
        return m_dataSet;
    auto named = [&name](const TDataSet* dataSet) {
        return dataSet && dataSet->Name().compare(name, Qt::CaseInsensitive) == 0;
    };
    if (named(m_dataSet))
        return m_dataSet;
    for (const TReportSubDetail* subDetail : BandsOf<TReportSubDetail>())
        if (named(subDetail->DataSet()))
            return subDetail->DataSet();
    if (Owner())
        if (auto* dataSet = dynamic_cast<TDataSet*>(Owner()->FindComponent(name)))
            return dataSet;
    return dynamic_cast<TDataSet*>(FindComponent(name));
}

TReportBand* TBandReport::BandOfType(TBandType type) const {
    for (TReportBand* band : m_bands)
        if (band->BandType() == type)
            return band;
    return nullptr;
}

void TBandReport::AddBand(TReportBand* band) {
    if (std::find(m_bands.begin(), m_bands.end(), band) == m_bands.end())
        m_bands.push_back(band);
}

void TBandReport::RemoveBand(TReportBand* band) {
    std::erase(m_bands, band);
}

void TBandReport::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_dataSet)
        m_dataSet = nullptr;
    m_bands.erase(std::remove_if(m_bands.begin(), m_bands.end(),
                                 [component](TReportBand* band) { return band == component; }),
                  m_bands.end());
}

template <class TBandKind> std::vector<TBandKind*> TBandReport::BandsOf() const {
    std::vector<TBandKind*> bands;
    for (TReportBand* band : m_bands)
        if (auto* kind = dynamic_cast<TBandKind*>(band))
            bands.push_back(kind);
    return bands;
}

void TBandReport::Accumulate(const TDataSet* dataSet) {
    for (TReportBand* band : m_bands)
        for (TPrintable* control : band->Controls())
            if (auto* expr = dynamic_cast<TReportExpr*>(control))
                expr->Accumulate(dataSet);
}

void TBandReport::ResetTotals() {
    for (TReportBand* band : m_bands)
        for (TPrintable* control : band->Controls())
            if (auto* expr = dynamic_cast<TReportExpr*>(control))
                expr->Reset();
}

void TBandReport::PrintRecords(TBandPrinter& out, TDataSet* dataSet, TReportBand* band,
                               const std::vector<TReportGroup*>& groups,
                               const std::vector<TReportSubDetail*>& subDetails) {
    auto printRecord = [&] {
        if (dataSet)
            Accumulate(dataSet);
        out.PrintBand(band);
        for (TReportSubDetail* subDetail : subDetails)
            PrintSubDetail(out, subDetail);
    };
    if (!dataSet) {
        printRecord();
        return;
    }
    DataSetWalk walk(dataSet);
    std::vector<QString> values(groups.size());
    bool first = true;
    for (dataSet->First(); !dataSet->Eof(); dataSet->Next()) {
        // The outermost group whose value changed closes the inner groups too.
        std::size_t changed = groups.size();
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const QString value = groups[i]->CurrentValue(dataSet);
            if ((first || value != values[i]) && changed == groups.size())
                changed = i;
            values[i] = value;
        }
        if (!first)
            for (std::size_t i = groups.size(); i-- > changed;)
                out.PrintBand(groups[i]->FooterBand());
        for (std::size_t i = changed; i < groups.size(); ++i)
            out.PrintBand(groups[i]);
        first = false;
        printRecord();
    }
    if (!first)
        for (std::size_t i = groups.size(); i-- > 0;)
            out.PrintBand(groups[i]->FooterBand());
}

void TBandReport::PrintSubDetail(TBandPrinter& out, TReportSubDetail* subDetail) {
    TDataSet* dataSet = subDetail->DataSet();
    if (!dataSet)
        return;
    if (!dataSet->Active())
        dataSet->Open();
    if (dataSet->IsEmpty() && !subDetail->PrintIfEmpty())
        return;
    out.PrintBand(subDetail->HeaderBand());
    if (!dataSet->IsEmpty())
        PrintRecords(out, dataSet, subDetail, {}, {});
    out.PrintBand(subDetail->FooterBand());
}

void TBandReport::PrintTo(TBandPrinter& out) {
    bool printReport = true;
    BeforePrint(this, printReport);
    if (!printReport)
        return;
    if (m_dataSet && !m_dataSet->Active())
        m_dataSet->Open();
    const bool empty = m_dataSet && m_dataSet->IsEmpty();
    if (empty && !m_printIfEmpty)
        return;
    ResetTotals();
    out.BeginReport(*this);
    if (!empty)
        PrintRecords(out, m_dataSet, BandOfType(TBandType::rbDetail), BandsOf<TReportGroup>(),
                     BandsOf<TReportSubDetail>());
    out.PrintBand(BandOfType(TBandType::rbSummary));
}

void TBandReport::Prepare() {
    m_printer.Clear();
    m_printer.SetTitle(m_reportTitle);
    TBandPrinter out(m_printer, m_firstPageHeader, m_lastPageFooter);
    PrintTo(out);
    m_printer.SetPages(out.Finish());
    if (m_printer.PageCount() > 0)
        m_printer.PageAvailable(m_printer.PageCount());
}

void TBandReport::Preview() {
    Prepare();
    if (OnPreview)
        OnPreview(this);
    else
        TReportPreview::ShowModal(m_printer, m_reportTitle);
}

void TBandReport::Print(QPrinter& printer) {
    Prepare();
    m_printer.Print(printer);
}
