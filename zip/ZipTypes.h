#pragma once
// The enumerations the zip reader and writer share with their users.

// Order of a sorted directory view.
enum class TZipSortMode {
    ByName,
    ByFileName,
    ByDirectoryName,
    ByDate,
    ByCompressedSize,
    ByUnCompressedSize,
    ByRate,
    ByNone
};

// mmSpan: the archive runs over removable disks; mmBlocks: it is cut into
// numbered piece files.
enum class TMultiMode { mmNone, mmSpan, mmBlocks };

// What to make of a file without an end-of-central-directory record.
enum class TIncompleteZipMode { izAssumeMulti, izAssumeBad, izAssumeNotAZip };

// What to do when the target of an extracted entry exists.
enum class TUZOverwriteMode { Prompt, Always, Never, ifNewer, ifOlder };

// Why an entry or a file is skipped (OnSkippingFile).
enum class TSkipReason {
    srBadPassword,   // the password check or the CRC of an encrypted entry failed
    srNoOverwrite,   // the target exists and is kept; also a duplicate entry
    srFileOpenError, // a source file cannot be opened
    srCreateError,   // an output file cannot be created
    srDataError,     // the entry's data do not decode, or its headers disagree
    srUnsafeName,    // the entry's name would leave the destination folder
    srUnknownMethod  // a compression method this engine does not decode
};

// What the writer does with files that already have an entry.
enum class TZipAction { zaUpdate, zaReplace, zaFreshen };

// OnUpdate: an existing entry is replaced, or kept although a file matched it.
enum class TUpdateAction { uaReplacing, uaKeeping };
