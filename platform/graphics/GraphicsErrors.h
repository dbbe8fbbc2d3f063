#pragma once
// Errors of the picture classes.

#include "platform/base/Exceptions.h"

// A picture whose data cannot be used ("Bitmap image is not valid").
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// An operation the picture cannot perform, or damaged picture data.
class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};

// Data that end before what they announce.
class EReadError : public Exception {
public:
    EReadError() : Exception(QStringLiteral("Stream read error")) {}
    using Exception::Exception;
};
