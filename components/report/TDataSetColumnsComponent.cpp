#include "components/report/TDataSetColumnsComponent.h"

#include "components/report/TLinkedDbGridColumns.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/ui/Make.h"
#include "platform/ui/TDBGrid.h"

#include <QFont>

TDataSetColumnsComponent::TDataSetColumnsComponent(TComponent* owner) : TComponent(owner) {
    m_grid = Make<TDBGrid>(this, QStringLiteral("dbgColumns"));
    // The listing's face: MS Sans Serif, 11 pixels.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    m_grid->SetFont(font);
    m_grid->SetTitleFont(font);
    m_source = Make<TDataSource>(this, QStringLiteral("dsColumns"));
    m_grid->SetDataSource(m_source);
    m_columns = std::make_unique<TLinkedDbGridColumns>(m_grid);
}

TDataSetColumnsComponent::~TDataSetColumnsComponent() {
    m_columns.reset();
}

void TDataSetColumnsComponent::SetDataSet(TDataSet* dataSet) {
    if (m_dataSet)
        RemoveFreeNotification(m_dataSet);
    m_dataSet = dataSet;
    if (dataSet)
        FreeNotification(dataSet);
    if (!IsLoading())
        m_source->SetDataSet(dataSet);
}

void TDataSetColumnsComponent::SetColumns(const TDBGridColumns& columns) {
    m_columns->Assign(columns);
}

void TDataSetColumnsComponent::Loaded() {
    TComponent::Loaded();
    m_source->SetDataSet(m_dataSet);
}

void TDataSetColumnsComponent::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    // The data source lets go of the set by itself.
    if (operation == TOperation::opRemove && component == m_dataSet)
        m_dataSet = nullptr;
}
