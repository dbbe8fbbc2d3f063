#pragma once
// Signatures and record sizes of the zip format, and the values this engine
// puts into the fields it writes.

#include <cstdint>

namespace ZipFormat {

constexpr std::uint32_t LocalHeaderSignature = 0x04034B50;
constexpr std::uint32_t CentralHeaderSignature = 0x02014B50;
constexpr std::uint32_t EndCentralSignature = 0x06054B50;
constexpr std::uint32_t DataDescriptorSignature = 0x08074B50;

constexpr int LocalHeaderSize = 30;
constexpr int CentralHeaderSize = 46;
constexpr int EndCentralSize = 22;
// A data descriptor: CRC and two sizes, optionally after its signature.
constexpr int DataDescriptorSize = 12;
// The same with 8-byte sizes, after a local header with a ZIP64 extra field.
constexpr int Zip64DataDescriptorSize = 20;
// Header id of the ZIP64 extended information in an extra field.
constexpr std::uint16_t Zip64ExtraId = 0x0001;
constexpr int EncryptionHeaderSize = 12;

constexpr int MaxCommentLength = 0xFFFF;
// The longest end record: the fixed part and the longest comment.
constexpr int MaxEndCentralSize = EndCentralSize + MaxCommentLength;

// Largest value of a 32-bit size or offset field.
constexpr std::uint64_t MaxSize32 = 0xFFFFFFFFu;

// Disk numbers above this are not believed.
constexpr int MaxDiskNumber = 999;

// Version made by and needed to extract: 2.0, host MS-DOS.
constexpr std::uint16_t ZipVersion = 20;
// The host byte of version made by (high byte).
constexpr int HostMsDos = 0;
constexpr int HostUnix = 3;

// General-purpose flags.
constexpr std::uint16_t FlagEncrypted = 0x0001;
constexpr std::uint16_t FlagMaximum = 0x0002; // deflate levels 8 and 9; implode 8 KiB dictionary
constexpr std::uint16_t FlagFast = 0x0004;    // deflate levels 1 and 2; implode literal tree
constexpr std::uint16_t FlagDataDescriptor = 0x0008;
constexpr std::uint16_t FlagUtf8 = 0x0800;

// Compression methods.
constexpr std::uint16_t MethodStored = 0;
constexpr std::uint16_t MethodShrunk = 1;
constexpr std::uint16_t MethodReducedFirst = 2;
constexpr std::uint16_t MethodReducedLast = 5;
constexpr std::uint16_t MethodImploded = 6;
constexpr std::uint16_t MethodDeflated = 8;

// Internal attributes: text, binary, and undecided while deflating.
constexpr std::uint16_t InternalBinary = 0;
constexpr std::uint16_t InternalText = 1;
constexpr std::uint16_t InternalUndecided = 2;

// External attributes in MS-DOS form.
constexpr std::uint32_t AttrReadOnly = 0x01;
constexpr std::uint32_t AttrDirectory = 0x10;
constexpr std::uint32_t AttrArchive = 0x20;

// Blocks of the decoders and the copy loops.
constexpr int BlockSize = 32768;
// Buffer of every archive, piece and output file stream.
constexpr int StreamBufferSize = 8192;

} // namespace ZipFormat
