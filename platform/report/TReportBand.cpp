#include "platform/report/TReportBand.h"

#include "platform/report/ReportUnits.h"
#include "platform/report/TBandReport.h"
#include "platform/report/TPrintable.h"
#include "platform/report/TReportChildBand.h"
#include "platform/report/TReportExpr.h"

#include <algorithm>

TReportBand::TReportBand(TComponent* owner, TBandType type) : TComponent(owner), m_bandType(type) {}

TReportBand::~TReportBand() {
    for (TPrintable* control : std::vector<TPrintable*>(m_controls))
        control->SetParent(nullptr);
    SetParent(nullptr);
}

void TReportBand::SetParent(TBandReport* report) {
    if (report == m_parent)
        return;
    if (m_parent)
        m_parent->RemoveBand(this);
    m_parent = report;
    if (m_parent) {
        m_parent->AddBand(this);
        FreeNotification(m_parent);
    }
}

bool TReportBand::FlowsInColumns() const {
    switch (m_bandType) {
    case TBandType::rbDetail:
    case TBandType::rbGroupHeader:
    case TBandType::rbGroupFooter:
    case TBandType::rbSubDetail:
        return true;
    case TBandType::rbChild: {
        const auto* child = dynamic_cast<const TReportChildBand*>(this);
        return child && child->ParentBand() && child->ParentBand()->FlowsInColumns();
    }
    default:
        return false;
    }
}

double TReportBand::Width() const {
    if (!m_parent)
        return 0;
    const TPageSetup& page = m_parent->Page();
    return MmToDesign(FlowsInColumns() ? page.ColumnWidth() : page.UsableWidth());
}

bool TReportBand::WantsToPrint() {
    if (!m_enabled)
        return false;
    bool printBand = true;
    BeforePrint(this, printBand);
    return printBand;
}

double TReportBand::Render(const TPrintContext& context, std::vector<TDrawItem>& items) {
    std::vector<TDrawItem> content;
    double height = m_height;
    for (TPrintable* control : m_controls)
        if (control->Enabled())
            height = std::max(height, control->Print(context, content));

    const QRectF box(0, 0, Width(), height);
    if (m_color.isValid()) {
        TDrawItem fill;
        fill.Kind = TDrawKind::dkRect;
        fill.Rect = box;
        fill.Brush = m_color;
        items.push_back(fill);
    }
    items.insert(items.end(), std::make_move_iterator(content.begin()),
                 std::make_move_iterator(content.end()));
    m_frame.AppendLines(box, items);
    return height;
}

void TReportBand::Printed() {
    for (TPrintable* control : m_controls)
        if (auto* expr = dynamic_cast<TReportExpr*>(control); expr && expr->ResetAfterPrint())
            expr->Reset();
}

void TReportBand::AddControl(TPrintable* control) {
    if (std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end())
        m_controls.push_back(control);
}

void TReportBand::RemoveControl(TPrintable* control) {
    std::erase(m_controls, control);
}

void TReportBand::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_parent)
        m_parent = nullptr;
    m_controls.erase(std::remove_if(m_controls.begin(), m_controls.end(),
                                    [component](TPrintable* c) { return c == component; }),
                     m_controls.end());
    if (component == m_childBand)
        m_childBand = nullptr;
}
