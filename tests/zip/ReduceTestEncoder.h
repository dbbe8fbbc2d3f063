#pragma once
// A small encoder of the reduce method (methods 2 to 5, compression factor 1
// to 4) for tests and fuzz seeds, since no current tool writes it: runs of
// earlier bytes become DLE sequences, then every byte is coded through the
// follower set of the byte before it. Bits go least-significant first.

#include <QByteArray>

namespace ReduceTestEncoder {

// maxFollowers limits the follower sets (0 to 32).
QByteArray Encode(const QByteArray& data, int factor, int maxFollowers = 32);

} // namespace ReduceTestEncoder
