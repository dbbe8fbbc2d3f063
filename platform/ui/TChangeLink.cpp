#include "platform/ui/TChangeLink.h"

#include "platform/ui/TImageList.h"

TChangeLink::~TChangeLink() {
    if (m_sender)
        m_sender->UnRegisterChanges(this);
}
