#include "platform/ui/TBusyCursor.h"

#include "platform/ui/TScreen.h"

TBusyCursor::TBusyCursor(TCursor cursor) {
    if (Screen)
        Screen->SetCursor(cursor);
}

TBusyCursor::~TBusyCursor() {
    if (Screen)
        Screen->SetCursor(crDefault);
}
