#pragma once
// A cipher applied to a block of bytes in place: the traditional zip
// encryption or decryption, or a handler that stands in for it.

#include <cstddef>
#include <cstdint>
#include <functional>

using ByteCipher = std::function<void(std::uint8_t* block, std::size_t size)>;
