#pragma once
// The program-wide busy cursor for the time of a block: set when made, back
// to the default when the block is left, by return or by exception.

#include "platform/ui/UiTypes.h"

class TBusyCursor {
public:
    explicit TBusyCursor(TCursor cursor = crHourGlass);
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
