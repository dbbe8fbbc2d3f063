#pragma once
// The 32 KiB output window of the older methods: plain bytes go in one by
// one or as copies of earlier output, and are handed on whenever the window
// is full and at the end. Copies that reach before the start of the output
// read zeros there, as the reduce and implode methods define.

#include "zip/TByteStreams.h"

#include <cstdint>
#include <vector>

class TOutputWindow {
public:
    explicit TOutputWindow(TByteSink& output);

    void Put(std::uint8_t byte) {
        m_window[m_position++] = byte;
        ++m_total;
        if (m_position == m_window.size())
            FlushFull();
    }
    // Copies length bytes from distance (1..32768) back.
    void CopyBack(std::uint32_t distance, std::uint32_t length);
    // Hands on what is left in the window.
    void Finish();
    std::uint64_t Total() const { return m_total; }

private:
    void FlushFull();

    TByteSink& m_output;
    std::vector<std::uint8_t> m_window;
    std::size_t m_position = 0;
    std::uint64_t m_total = 0;
};
