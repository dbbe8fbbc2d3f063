#pragma once
// Writes a new text file line by line in Windows-1252, every line ended by
// carriage return and line feed whatever the platform (the form the
// transmission file takes). Characters the code page cannot hold are written
// as "?".
//
//     Windows1252LineWriter file(path);   // creates the file; an existing one is an error
//     file.WriteLine(QStringLiteral("..."));
//     file.Close();                       // flushes, syncs to disk, closes
//
// The file is made readable and writable by its owner alone. Every failure
// (the file exists or cannot be made, a write that cannot complete, a full
// disk, a failing sync or close) raises Exception, in Portuguese, naming the
// file and the system's reason. A writer that goes away before Close
// succeeded removes its file, so an interrupted write never leaves a partial
// file behind.

#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <memory>

class Windows1252LineWriter {
public:
    explicit Windows1252LineWriter(const QString& path);
    ~Windows1252LineWriter();
    Windows1252LineWriter(const Windows1252LineWriter&) = delete;
    Windows1252LineWriter& operator=(const Windows1252LineWriter&) = delete;

    // Writes the line and CR LF. A line holding a carriage return or a line
    // feed is refused (it would not stay one line).
    void WriteLine(QStringView line);
    // Writes what is buffered, syncs the file to disk and closes it.
    void Close();

    const QString& Path() const { return m_path; }
    // Bytes handed to the file so far, line ends included.
    std::int64_t Size() const { return m_size; }
    // Lines written so far.
    std::int64_t LineCount() const { return m_lines; }

private:
    // Bytes gathered before they go to the file.
    static constexpr std::size_t BufferSize = 1 << 16;

    void Flush();
    [[noreturn]] void Fail(int error);

    QString m_path;
    int m_fd = -1;
    bool m_closed = false;
    // Bytes not yet handed to the file.
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = BufferSize;
    std::size_t m_used = 0;
    std::int64_t m_size = 0;
    // Bytes whose way to the disk has been started.
    std::int64_t m_writtenBack = 0;
    std::int64_t m_lines = 0;
};
