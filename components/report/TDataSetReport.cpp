#include "components/report/TDataSetReport.h"

#include "components/report/TrptGrid.h"

#include <memory>

TDataSetReport::TDataSetReport(TComponent* owner) : TDataSetColumnsComponent(owner) {}

void TDataSetReport::SetInternalName(const QString& name) {
    m_internalName = name.isEmpty() ? Name() : name;
}

void TDataSetReport::SetName(const QString& name) {
    const QString old = Name();
    TDataSetColumnsComponent::SetName(name);
    if (m_internalName.isEmpty() || m_internalName == old)
        m_internalName = name;
}

void TDataSetReport::Loaded() {
    TDataSetColumnsComponent::Loaded();
    SetInternalName(m_internalName);
}

void TDataSetReport::Print() {
    if (!DataSet())
        return;
    std::unique_ptr<TrptGrid> report(new TrptGrid(this));
    report->SetReportTitle(m_title);
    report->SetInternalName(m_internalName);
    report->Page().SetOrientation(m_orientation);
    report->SetDBGrid(Grid());
    report->BuildAndPreview();
}
