#include "platform/ui/TGridDataLink.h"

#include "platform/ui/TDBGrid.h"

void TGridDataLink::ActiveChanged() {
    m_grid->LinkActiveChanged();
}
void TGridDataLink::DataSetChanged() {
    m_grid->LinkDataChanged();
}
void TGridDataLink::DataSetScrolled(int) {
    m_grid->LinkScrolled();
}
void TGridDataLink::RecordChanged(TField*) {
    m_grid->LinkRecordChanged();
}
void TGridDataLink::EditingChanged() {
    m_grid->LinkRecordChanged();
}
void TGridDataLink::LayoutChanged() {
    m_grid->LinkActiveChanged();
}
