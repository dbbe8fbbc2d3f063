#pragma once
// The machine's physical memory, in bytes, as the system reports it.

#include <cstdint>

struct MemoryStatus {
    std::uint64_t TotalPhysical = 0;
    std::uint64_t AvailablePhysical = 0;

    // Read from /proc/meminfo; zeros when it cannot be read.
    static MemoryStatus Current();
};
