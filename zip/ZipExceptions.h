#pragma once
// The exceptions of the zip engine. Each carries only its message (English
// texts); per-entry problems are not raised but reported through events.

#include "platform/base/Exceptions.h"

// The directory of an archive cannot be read and rebuilding it failed.
class EBadZipFile : public Exception {
public:
    using Exception::Exception;
};

// No end-of-central-directory record (the last disk of a set may be missing).
class EIncompleteZip : public Exception {
public:
    using Exception::Exception;
};

class ENotAZipFile : public Exception {
public:
    using Exception::Exception;
};

// The archive ends inside an entry.
class EFatalUnzipError : public Exception {
public:
    using Exception::Exception;
};

// The user (or a handler on the user's behalf) stopped the operation.
class EUserCanceled : public Exception {
public:
    using Exception::Exception;
};

// An entry decodes to more bytes than its header states.
class EBiggerThanUncompressed : public Exception {
public:
    using Exception::Exception;
};

// A write to the archive was short: the disk is full.
class ENotEnoughRoom : public Exception {
public:
    using Exception::Exception;
};

// A write to an extracted file was short.
class ECantWriteUCF : public Exception {
public:
    using Exception::Exception;
};

// A sorted list refused an item, or an index was out of range.
class EListError : public Exception {
public:
    using Exception::Exception;
};

class EStreamError : public Exception {
public:
    using Exception::Exception;
};

// Compressed data that do not decode: an invalid code, tree, length or
// distance, or data that end too early.
class EZipDataError : public Exception {
public:
    using Exception::Exception;
};

// A file, an entry or the archive does not fit the format's 32-bit sizes and
// offsets.
class EZipTooLarge : public Exception {
public:
    using Exception::Exception;
};

// Any other failure of the engine: unusable settings, a disk that never
// came, a file that changed while it was read, an archive that could not be
// finished on disk.
class EZipError : public Exception {
public:
    using Exception::Exception;
};
