#include "platform/db/DisabledControls.h"

#include "platform/db/TDataSet.h"

DisabledControls::DisabledControls(TDataSet& dataSet) : m_dataSet(dataSet) {
    m_dataSet.DisableControls();
}

DisabledControls::~DisabledControls() {
    m_dataSet.EnableControls();
}
