// The zip engine against zlib, side by side in one run: deflate at levels 1,
// 6 and 9 (speed and size), inflate of the same streams, and CRC-32, over
// corpora the program makes itself (text, a database backup, random bytes,
// zeros). Each figure is the median of five runs taken in turn with zlib's.
//
//   ZipBench [megabytes]                 the table (default 32 MB per corpus)
//   ZipBench corpus KIND MB FILE          writes a corpus: text, backup, random, zeros
//   ZipBench zip ARCHIVE FILE LEVEL       packs one file with the writer
//   ZipBench unzip ARCHIVE FOLDER         extracts everything with the reader
//   ZipBench deflate ours|zlib FILE LEVEL deflates a file in memory once
// The last four serve whole-process comparisons (with Info-ZIP's zip and
// unzip, and of the two deflaters by their CPU time) and the peak memory for
// small and large inputs.

#include "bench/BenchMedian.h"
#include "platform/base/Crc32.h"
#include "zip/TDeflater.h"
#include "zip/TInflater.h"
#include "zip/TZipWriter.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr std::size_t kChunk = 65536;

// ---- corpora -------------------------------------------------------------------------

QByteArray Text(std::size_t size) {
    std::mt19937 random(1);
    std::vector<QByteArray> words;
    for (int i = 0; i < 4000; ++i) {
        QByteArray word;
        const int length = 2 + static_cast<int>(random() % 9);
        for (int j = 0; j < length; ++j)
            word.append(static_cast<char>('a' + random() % 26));
        words.push_back(word);
    }
    QByteArray text;
    text.reserve(static_cast<qsizetype>(size) + 16);
    while (static_cast<std::size_t>(text.size()) < size) {
        // Zipf-like: a few words are frequent.
        const std::size_t pick = (random() % 4000) * (random() % 4000) / 4000;
        text.append(words[pick]);
        text.append(random() % 12 == 0 ? '\n' : ' ');
    }
    text.truncate(static_cast<qsizetype>(size));
    return text;
}

// Like a database backup: records of fixed fields (keys, dates, money as
// integers, padded names and codes) with page headers now and then.
QByteArray Backup(std::size_t size) {
    std::mt19937 random(2);
    static const char* const names[] = {"COMERCIO DE ALIMENTOS LTDA", "INDUSTRIA METALURGICA SA",
                                        "DISTRIBUIDORA CENTRAL", "TRANSPORTES RAPIDOS ME",
                                        "FARMACIA POPULAR"};
    QByteArray out;
    out.reserve(static_cast<qsizetype>(size) + 256);
    std::uint32_t key = 1000;
    while (static_cast<std::size_t>(out.size()) < size) {
        if (random() % 64 == 0) {
            char page[32] = {};
            std::snprintf(page, sizeof page, "PAGE%08u", key);
            out.append(page, 16);
        }
        const std::uint32_t fields[6] = {key++,
                                         static_cast<std::uint32_t>(20200101 + random() % 1231),
                                         static_cast<std::uint32_t>(random() % 1000000),
                                         static_cast<std::uint32_t>(random() % 100),
                                         static_cast<std::uint32_t>(5102 + random() % 6),
                                         static_cast<std::uint32_t>(random())};
        out.append(reinterpret_cast<const char*>(fields), sizeof fields);
        QByteArray name(names[random() % 5]);
        name.resize(40, ' ');
        out.append(name);
        out.append(QByteArray::number(random() % 99999999).rightJustified(8, '0'));
    }
    out.truncate(static_cast<qsizetype>(size));
    return out;
}

QByteArray Random(std::size_t size) {
    std::mt19937_64 random(3);
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
        const std::uint64_t value = random();
        std::memcpy(out.data() + i, &value, 8);
    }
    return out;
}

QByteArray Corpus(const QByteArray& kind, std::size_t size) {
    if (kind == "text")
        return Text(size);
    if (kind == "backup")
        return Backup(size);
    if (kind == "random")
        return Random(size);
    return QByteArray(static_cast<qsizetype>(size), '\0');
}

// ---- coders --------------------------------------------------------------------------------

class Source : public TByteSource {
public:
    explicit Source(const QByteArray& data) : m_data(data) {}
    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const std::size_t n = std::min(capacity, static_cast<std::size_t>(m_data.size()) - m_position);
        std::memcpy(buffer, m_data.constData() + m_position, n);
        m_position += n;
        return n;
    }

private:
    const QByteArray& m_data;
    std::size_t m_position = 0;
};

class Collect : public TByteSink {
public:
    void Write(const std::uint8_t* data, std::size_t size) override {
        bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    QByteArray bytes;
};

// Output thrown away after a glance, as a file write would take it.
class Discard : public TByteSink {
public:
    void Write(const std::uint8_t* data, std::size_t size) override {
        total += size;
        last = data[size - 1];
    }
    std::size_t total = 0;
    std::uint8_t last = 0;
};

QByteArray OursDeflate(const QByteArray& data, int level) {
    static TDeflater deflater;
    Source source(data);
    Collect sink;
    const TDeflater::Result result = deflater.Deflate(source, sink, level);
    return result.stored ? QByteArray() : sink.bytes;
}

QByteArray ZlibDeflate(const QByteArray& data, int level) {
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::vector<std::uint8_t> chunk(kChunk);
    QByteArray out;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = static_cast<uInt>(data.size());
    int status;
    do {
        z.next_out = chunk.data();
        z.avail_out = static_cast<uInt>(chunk.size());
        status = deflate(&z, Z_FINISH);
        out.append(reinterpret_cast<const char*>(chunk.data()),
                   static_cast<qsizetype>(chunk.size() - z.avail_out));
    } while (status != Z_STREAM_END);
    deflateEnd(&z);
    return out;
}

std::size_t OursInflate(const QByteArray& stream) {
    static TInflater inflater;
    Source source(stream);
    Discard sink;
    inflater.Decode(source, sink);
    return sink.total;
}

// The stream reaches zlib the way an archive reaches either decoder: read
// into a 32 KiB buffer piece by piece (ours takes it through its source).
std::size_t ZlibInflate(const QByteArray& stream) {
    z_stream z{};
    inflateInit2(&z, -15);
    std::vector<std::uint8_t> input(32768);
    std::vector<std::uint8_t> chunk(kChunk);
    std::size_t read = 0;
    std::size_t total = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        if (z.avail_in == 0) {
            const std::size_t n = std::min(input.size(), static_cast<std::size_t>(stream.size()) - read);
            std::memcpy(input.data(), stream.constData() + read, n);
            read += n;
            z.next_in = input.data();
            z.avail_in = static_cast<uInt>(n);
        }
        z.next_out = chunk.data();
        z.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&z, Z_NO_FLUSH);
        total += chunk.size() - z.avail_out;
    }
    inflateEnd(&z);
    return total;
}

// ---- timing -----------------------------------------------------------------------------------

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Pair {
    double ours;  // seconds
    double zlib;  // seconds
    double ratio; // median of zlib time / our time, run by run: above 1 is faster
};

// Runs both in turn and takes medians, so that a drifting machine hits both alike.
Pair Compare(const std::function<void()>& ours, const std::function<void()>& zlib) {
    std::vector<double> a, b, r;
    for (int i = 0; i < kRuns; ++i) {
        a.push_back(Seconds(ours));
        b.push_back(Seconds(zlib));
        r.push_back(b.back() / a.back());
    }
    return Pair{Median(a), Median(b), Median(r)};
}

double MBps(std::size_t bytes, double seconds) {
    return static_cast<double>(bytes) / 1e6 / seconds;
}

int Table(std::size_t megabytes) {
    const std::size_t size = megabytes << 20;
    std::printf("Corpora of %zu MB; median of %d runs each, ours and zlib %s in turn.\n\n", megabytes, kRuns,
                ZLIB_VERSION);
    std::printf("%-7s %-8s %10s %10s %7s %12s %12s %8s\n", "corpus", "work", "ours MB/s", "zlib MB/s",
                "speed", "ours bytes", "zlib bytes", "size");
    for (const char* const name : {"text", "backup", "random", "zeros"}) {
        const QByteArray kind(name);
        const QByteArray data = Corpus(kind, size);
        for (const int level : {1, 6, 9}) {
            QByteArray ours;
            QByteArray zlib;
            const Pair deflate =
                Compare([&] { ours = OursDeflate(data, level); }, [&] { zlib = ZlibDeflate(data, level); });
            const double oursSize =
                ours.isEmpty() ? static_cast<double>(data.size()) : static_cast<double>(ours.size());
            std::printf("%-7s deflate%d %10.1f %10.1f %6.2fx %12.0f %12lld %+7.2f%%\n", kind.constData(),
                        level, MBps(size, deflate.ours), MBps(size, deflate.zlib), deflate.ratio, oursSize,
                        static_cast<long long>(zlib.size()),
                        (oursSize / static_cast<double>(zlib.size()) - 1) * 100);
            if (level != 6)
                continue;
            std::size_t a = 0;
            std::size_t b = 0;
            const Pair inflate = Compare([&] { a = OursInflate(zlib); }, [&] { b = ZlibInflate(zlib); });
            if (a != size || b != size)
                std::printf("inflate size mismatch: %zu %zu\n", a, b);
            std::printf("%-7s %-8s %10.1f %10.1f %6.2fx\n", kind.constData(), "inflate",
                        MBps(size, inflate.ours), MBps(size, inflate.zlib), inflate.ratio);
        }
    }
    const QByteArray data = Corpus("random", size);
    std::uint32_t a = 0;
    uLong b = 0;
    const Pair crc = Compare([&] { a = Crc32(data.constData(), static_cast<std::size_t>(data.size())); },
                             [&] {
                                 b = crc32(0, reinterpret_cast<const Bytef*>(data.constData()),
                                           static_cast<uInt>(data.size()));
                             });
    std::printf("\nCRC-32: ours %.2f GB/s, zlib %.2f GB/s (%s)\n", static_cast<double>(size) / 1e9 / crc.ours,
                static_cast<double>(size) / 1e9 / crc.zlib, a == b ? "same value" : "DIFFERENT VALUES");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "corpus" && argc == 5) {
        QFile file(QString::fromLocal8Bit(argv[4]));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(Corpus(argv[2], static_cast<std::size_t>(std::atoll(argv[3])) << 20));
        return 0;
    }
    if (mode == "zip" && argc == 5) {
        TZipWriter writer;
        writer.SetZipName(QString::fromLocal8Bit(argv[2]));
        writer.SetPackLevel(std::atoi(argv[4]));
        writer.SetZipAction(TZipAction::zaReplace);
        writer.FilesList() = QStringList{QString::fromLocal8Bit(argv[3])};
        return writer.Zip() == 1 ? 0 : 1;
    }
    if (mode == "unzip" && argc == 4) {
        TZipReader reader;
        reader.SetZipName(QString::fromLocal8Bit(argv[2]));
        reader.SetDestDir(QString::fromLocal8Bit(argv[3]));
        reader.SetDoAll(true);
        reader.SetOverwriteMode(TUZOverwriteMode::Always);
        return reader.UnZip() > 0 ? 0 : 1;
    }
    if (mode == "deflate" && argc == 5) {
        QFile file(QString::fromLocal8Bit(argv[3]));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray data = file.readAll();
        const int level = std::atoi(argv[4]);
        const QByteArray stream =
            QByteArray(argv[2]) == "zlib" ? ZlibDeflate(data, level) : OursDeflate(data, level);
        std::printf("%lld\n", static_cast<long long>(stream.size()));
        return 0;
    }
    if (argc > 2) {
        std::fprintf(stderr, "usage: ZipBench [MB] | corpus KIND MB FILE | zip ARCHIVE FILE LEVEL | unzip "
                             "ARCHIVE FOLDER | deflate "
                             "ours|zlib FILE LEVEL\n");
        return 2;
    }
    return Table(argc > 1 ? static_cast<std::size_t>(std::atoll(argv[1])) : 32);
}
