#pragma once
// Helpers of the zip tests: files, sample data, child processes (the peers
// zip, unzip, zipinfo and python3 run as separate programs), and archives
// built byte by byte so that tests can craft damaged ones.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

#include <ostream>

// Texts in test messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ZipTest {

QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);
// Only the file's owner may read or write it (mode 0600).
bool OwnerOnly(const QString& path);
// A fixture of tests/data/zip.
QString DataFile(const QString& name);

// Words and lines, compressible like text; and incompressible bytes.
QByteArray TextData(int size, std::uint32_t seed = 1);
QByteArray RandomData(int size, std::uint32_t seed = 1);

struct ProcessResult {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};
ProcessResult Run(const QString& program, const QStringList& arguments, const QString& folder = QString(),
                  const QByteArray& input = QByteArray());
// Python source of the class Pipe: a stream that cannot seek and gathers
// what is written to it in its member data.
extern const char* const PythonPipe;
// Runs a python3 program (source text) with arguments.
ProcessResult Python(const QString& source, const QStringList& arguments = {},
                     const QString& folder = QString());
// Raw deflate streams of data made by python's zlib, one per level (0:
// stored blocks only).
std::vector<QByteArray> ZlibDeflate(const QByteArray& data, const std::vector<int>& levels);
// What python's zlib makes of raw deflate streams (empty for a stream it refuses).
std::vector<QByteArray> ZlibInflate(const std::vector<QByteArray>& streams);

// One entry of a hand-built archive; the data are written as given.
struct RawEntry {
    QByteArray name;
    QByteArray data;
    std::uint16_t method = 0;
    std::uint16_t flags = 0;
    std::uint32_t crc = 0;
    std::uint32_t size = 0;
    // The local header's name and method when they should disagree with the central one.
    QByteArray localName;
    int localMethod = -1;
    QByteArray centralExtra;
};
// A stored entry of text with its CRC and size.
RawEntry Stored(const QByteArray& name, const QByteArray& text);
// Local headers and data, central directory and end record, as a zip file.
QByteArray BuildArchive(const std::vector<RawEntry>& entries, const QByteArray& comment = QByteArray());

} // namespace ZipTest
