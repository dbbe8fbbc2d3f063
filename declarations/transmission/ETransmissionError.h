#pragma once
// A transmission file that cannot be written as it must be: a layout the
// writer cannot follow, a value that does not fit its field, a declaration
// not ready for it, a destination it may not take. The generation window
// answers it, as every other failure of the run, with message 269.

#include "platform/base/Exceptions.h"

class ETransmissionError : public Exception {
public:
    using Exception::Exception;
};
