#pragma once
// The exceptions of the zip engine. Each carries only its message (English
// texts); per-entry problems are not raised but reported through events.
// All of them derive from EZipException, so a caller can catch whatever the
// engine raises in one place.

#include "platform/base/Exceptions.h"

class EZipException : public Exception {
public:
    using Exception::Exception;
};

// The directory of an archive cannot be read and rebuilding it failed.
class EBadZipFile : public EZipException {
public:
    using EZipException::EZipException;
};

// No end-of-central-directory record (the last disk of a set may be missing).
class EIncompleteZip : public EZipException {
public:
    using EZipException::EZipException;
};

class ENotAZipFile : public EZipException {
public:
    using EZipException::EZipException;
};

// The archive ends inside an entry.
class EFatalUnzipError : public EZipException {
public:
    using EZipException::EZipException;
};

// The user (or a handler on the user's behalf) stopped the operation.
class EUserCanceled : public EZipException {
public:
    using EZipException::EZipException;
};

// An entry decodes to more bytes than its header states.
class EBiggerThanUncompressed : public EZipException {
public:
    using EZipException::EZipException;
};

// A write to the archive was short: the disk is full.
class ENotEnoughRoom : public EZipException {
public:
    using EZipException::EZipException;
};

// A write to an extracted file was short.
class ECantWriteUCF : public EZipException {
public:
    using EZipException::EZipException;
};

// A sorted list refused an item, or an index was out of range.
class EListError : public EZipException {
public:
    using EZipException::EZipException;
};

class EStreamError : public EZipException {
public:
    using EZipException::EZipException;
};

// Compressed data that do not decode: an invalid code, tree, length or
// distance, or data that end too early.
class EZipDataError : public EZipException {
public:
    using EZipException::EZipException;
};

// A file, an entry or the archive does not fit the format's 32-bit sizes and
// offsets.
class EZipTooLarge : public EZipException {
public:
    using EZipException::EZipException;
};

// Any other failure of the engine: unusable settings, a disk that never
// came, a file that changed while it was read, an archive that could not be
// finished on disk.
class EZipError : public EZipException {
public:
    using EZipException::EZipException;
};
