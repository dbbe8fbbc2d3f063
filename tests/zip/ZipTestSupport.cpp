#include "tests/zip/ZipTestSupport.h"

#include "platform/base/ByteWriter.h"
#include "platform/base/Crc32.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <random>

namespace ZipTest {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool OwnerOnly(const QString& path) {
    return QFile::permissions(path) ==
           (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

const char* const PythonPipe = "class Pipe(io.RawIOBase):\n"
                               "    def __init__(self): self.data = bytearray()\n"
                               "    def writable(self): return True\n"
                               "    def write(self, b): self.data += b; return len(b)\n";

QString DataFile(const QString& name) {
    return QStringLiteral(ZEB_TEST_DATA_DIR "/zip/") + name;
}

QByteArray TextData(int size, std::uint32_t seed) {
    static const char* const words[] = {"declaração ", "ICMS ",    "valor ",  "contribuinte ", "saída ",
                                        "entrada ",    "crédito ", "débito ", "1234,56 ",      "CFOP ",
                                        "5102 ",       "\r\n",     "total ",  "mês ",          "apuração "};
    std::mt19937 random(seed);
    QByteArray text;
    text.reserve(size + 32);
    while (text.size() < size)
        text.append(words[random() % (sizeof words / sizeof words[0])]);
    text.truncate(size);
    return text;
}

QByteArray RandomData(int size, std::uint32_t seed) {
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

ProcessResult Run(const QString& program, const QStringList& arguments, const QString& folder,
                  const QByteArray& input) {
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForStarted(10000))
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

ProcessResult Python(const QString& source, const QStringList& arguments, const QString& folder) {
    // The system's interpreter starts faster than a version manager's shim.
    const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3"))
                               ? QStringLiteral("/usr/bin/python3")
                               : QStringLiteral("python3");
    return Run(python, QStringList{QStringLiteral("-c"), source} + arguments, folder);
}

std::vector<QByteArray> ZlibDeflate(const QByteArray& data, const std::vector<int>& levels) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    WriteFile(in, data);
    QStringList arguments{in};
    for (const int level : levels)
        arguments.append(QString::number(level));
    const QString source =
        QStringLiteral("import sys, zlib\n"
                       "data = open(sys.argv[1], 'rb').read()\n"
                       "for level in sys.argv[2:]:\n"
                       "    c = zlib.compressobj(int(level), zlib.DEFLATED, -15)\n"
                       "    open(sys.argv[1] + '.' + level, 'wb').write(c.compress(data) + c.flush())\n");
    const ProcessResult result = Python(source, arguments);
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    std::vector<QByteArray> streams;
    for (const int level : levels)
        streams.push_back(ReadFile(in + u'.' + QString::number(level)));
    return streams;
}

std::vector<QByteArray> ZlibInflate(const std::vector<QByteArray>& streams) {
    QTemporaryDir dir;
    QStringList arguments;
    for (std::size_t i = 0; i < streams.size(); ++i) {
        arguments.append(dir.filePath(QString::number(i)));
        WriteFile(arguments.last(), streams[i]);
    }
    const QString source = QStringLiteral("import sys, zlib\n"
                                          "for name in sys.argv[1:]:\n"
                                          "    try:\n"
                                          "        d = zlib.decompress(open(name, 'rb').read(), -15)\n"
                                          "    except zlib.error:\n"
                                          "        d = b''\n"
                                          "    open(name + '.out', 'wb').write(d)\n");
    const ProcessResult result = Python(source, arguments);
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    std::vector<QByteArray> plain;
    for (const QString& name : arguments)
        plain.push_back(ReadFile(name + QStringLiteral(".out")));
    return plain;
}

RawEntry Stored(const QByteArray& name, const QByteArray& text) {
    RawEntry entry;
    entry.name = name;
    entry.data = text;
    entry.crc = Crc32(text.constData(), static_cast<std::size_t>(text.size()));
    entry.size = static_cast<std::uint32_t>(text.size());
    return entry;
}

QByteArray BuildArchive(const std::vector<RawEntry>& entries, const QByteArray& comment) {
    ByteWriter archive;
    std::vector<std::uint32_t> offsets;
    for (const RawEntry& e : entries) {
        offsets.push_back(static_cast<std::uint32_t>(archive.Size()));
        const QByteArray localName = e.localName.isNull() ? e.name : e.localName;
        archive.U32(0x04034B50);
        archive.U16(20);
        archive.U16(e.flags);
        archive.U16(e.localMethod >= 0 ? static_cast<std::uint16_t>(e.localMethod) : e.method);
        archive.U32(0x28210000); // 2000-01-01 00:00
        archive.U32(e.crc);
        archive.U32(static_cast<std::uint32_t>(e.data.size()));
        archive.U32(e.size);
        archive.U16(static_cast<std::uint16_t>(localName.size()));
        archive.U16(0);
        archive.Bytes(localName);
        archive.Bytes(e.data);
    }
    const std::uint32_t directory = static_cast<std::uint32_t>(archive.Size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const RawEntry& e = entries[i];
        archive.U32(0x02014B50);
        archive.U16(20);
        archive.U16(20);
        archive.U16(e.flags);
        archive.U16(e.method);
        archive.U32(0x28210000);
        archive.U32(e.crc);
        archive.U32(static_cast<std::uint32_t>(e.data.size()));
        archive.U32(e.size);
        archive.U16(static_cast<std::uint16_t>(e.name.size()));
        archive.U16(static_cast<std::uint16_t>(e.centralExtra.size()));
        archive.U16(0);
        archive.U16(0);
        archive.U16(0);
        archive.U32(0x20);
        archive.U32(offsets[i]);
        archive.Bytes(e.name);
        archive.Bytes(e.centralExtra);
    }
    const std::uint32_t size = static_cast<std::uint32_t>(archive.Size()) - directory;
    archive.U32(0x06054B50);
    archive.U16(0);
    archive.U16(0);
    archive.U16(static_cast<std::uint16_t>(entries.size()));
    archive.U16(static_cast<std::uint16_t>(entries.size()));
    archive.U32(size);
    archive.U32(directory);
    archive.U16(static_cast<std::uint16_t>(comment.size()));
    archive.Bytes(comment);
    return archive.Take();
}

} // namespace ZipTest
