#pragma once
// A transmission file that cannot be written as it must be: a layout the
// writer cannot follow, a value that does not fit its field, a file or
// database failure during the run. The generation window answers it with
// message 269.

#include "platform/base/Exceptions.h"

class ETransmissionError : public Exception {
public:
    using Exception::Exception;
};
