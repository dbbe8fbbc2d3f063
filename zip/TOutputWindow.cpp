#include "zip/TOutputWindow.h"

#include "zip/ZipExceptions.h"
#include "zip/ZipFormat.h"

TOutputWindow::TOutputWindow(TByteSink& output) : m_output(output), m_window(ZipFormat::BlockSize) {}

void TOutputWindow::FlushFull() {
    m_output.Write(m_window.data(), m_window.size());
    m_position = 0;
}

void TOutputWindow::CopyBack(std::uint32_t distance, std::uint32_t length) {
    if (distance == 0 || distance > m_window.size())
        throw EZipDataError(QStringLiteral("Invalid distance %1 in compressed data").arg(distance));
    const std::size_t mask = m_window.size() - 1;
    for (std::uint32_t i = 0; i < length; ++i) {
        const std::uint8_t byte = distance > m_total ? 0 : m_window[(m_position - distance) & mask];
        Put(byte);
    }
}

void TOutputWindow::Finish() {
    if (m_position > 0)
        m_output.Write(m_window.data(), m_position);
    m_position = 0;
}
