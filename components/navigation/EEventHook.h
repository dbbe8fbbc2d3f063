#pragma once
// The error of the event hooks: a property that does not exist or is not an
// event.

#include "platform/base/Exceptions.h"

class EEventHook : public Exception {
public:
    using Exception::Exception;
};
