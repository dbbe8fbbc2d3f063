#include "imaging/TIconFrame.h"

void TIconFrame::Assign(const TPersistent* source) {
    if (const auto* frame = dynamic_cast<const TIconFrame*>(source)) {
        m_icon.Assign(&frame->m_icon);
        m_isIcon = frame->m_isIcon;
        m_chunkHeader = frame->m_chunkHeader;
        m_hotSpot = frame->m_hotSpot;
        m_rate = frame->m_rate;
        m_index = frame->m_index;
        return;
    }
    TPersistent::Assign(source);
}
