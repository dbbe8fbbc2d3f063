#pragma once
// A subscription to the changes of an image list: OnChange runs with the
// list as Sender. The link unregisters itself when it goes away.

#include "platform/base/TEvent.h"

class TImageList;

class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    TNotifyEvent OnChange;

private:
    friend class TImageList;
    TImageList* m_sender = nullptr;
};
