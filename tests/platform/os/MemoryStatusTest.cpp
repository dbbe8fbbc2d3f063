#include "platform/os/MemoryStatus.h"

#include <gtest/gtest.h>

#include <sys/sysinfo.h>

TEST(MemoryStatusTest, FiguresAreTheSystems) {
    struct sysinfo system {};
    ASSERT_EQ(::sysinfo(&system), 0);
    const std::uint64_t total = static_cast<std::uint64_t>(system.totalram) * system.mem_unit;
    const MemoryStatus memory = MemoryStatus::Current();
    // The kernel reports the same total in both places, to the KiB.
    EXPECT_EQ(memory.TotalPhysical / 1024, total / 1024);
    EXPECT_GT(memory.AvailablePhysical, 0u);
    EXPECT_LE(memory.AvailablePhysical, memory.TotalPhysical);
}
