#pragma once
// A band of a report: a horizontal strip printed at a point of the report's
// flow chosen by its BandType. Height is in design units; the band grows when
// a control stretches. BeforePrint may set PrintBand to false to skip the
// band (and its child band) this time. ForceNewPage starts the band on a new
// page. Controls are printed in the order they were placed on the band.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "platform/report/TDrawItem.h"
#include "platform/report/TPrintContext.h"
#include "platform/report/TReportFrame.h"

#include <QColor>
#include <vector>

class TBandReport;
class TPrintable;
class TReportChildBand;

enum class TBandType {
    rbTitle,
    rbPageHeader,
    rbColumnHeader,
    rbDetail,
    rbGroupHeader,
    rbSubDetail,
    rbGroupFooter,
    rbSummary,
    rbPageFooter,
    rbChild
};

// (Sender, PrintBand): PrintBand starts as true.
using TBandBeforePrintEvent = TEvent<TObject*, bool&>;

class TReportBand : public TComponent {
public:
    explicit TReportBand(TComponent* owner = nullptr, TBandType type = TBandType::rbDetail);
    ~TReportBand() override;

    TBandType BandType() const { return m_bandType; }
    void SetBandType(TBandType type) { m_bandType = type; }
    TBandReport* Parent() const { return m_parent; }
    void SetParent(TBandReport* report);

    double Height() const { return m_height; }
    void SetHeight(double height) { m_height = height; }
    // Width in design units: the report's printable width, or one column's
    // width for the bands that flow in columns.
    double Width() const;
    // Detail, group and sub-detail bands (and their child bands) flow in columns.
    bool FlowsInColumns() const;

    QColor Color() const { return m_color; } // invalid: transparent
    void SetColor(const QColor& color) { m_color = color; }
    TReportFrame& Frame() { return m_frame; }
    const TReportFrame& Frame() const { return m_frame; }
    bool ForceNewPage() const { return m_forceNewPage; }
    void SetForceNewPage(bool value) { m_forceNewPage = value; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }

    TBandBeforePrintEvent BeforePrint;

    const std::vector<TPrintable*>& Controls() const { return m_controls; }
    // The child band printed right after this one, if any.
    TReportChildBand* ChildBand() const { return m_childBand; }

    // Runs BeforePrint; false when the band is not to print.
    bool WantsToPrint();
    // Lays the band out: background, controls and frame in design units
    // relative to the band; returns the height it takes.
    double Render(const TPrintContext& context, std::vector<TDrawItem>& items);
    // After the band is placed on a page: totals that reset after printing start again.
    void Printed();

    // For TPrintable::SetParent and TReportChildBand::SetParentBand.
    void AddControl(TPrintable* control);
    void RemoveControl(TPrintable* control);
    void SetChildBand(TReportChildBand* child) { m_childBand = child; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TBandType m_bandType;
    TBandReport* m_parent = nullptr;
    double m_height = 40;
    QColor m_color;
    TReportFrame m_frame;
    bool m_forceNewPage = false;
    bool m_enabled = true;
    std::vector<TPrintable*> m_controls;
    TReportChildBand* m_childBand = nullptr;
};
