// The writer: new archives, updates, stored paths, lists and the faults a
// run must survive (a missing file, a failed run over an existing archive,
// a file too large for the format).
#include "ZipTestSupport.h"

#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace ZipTest;

namespace {

class ZipWriterTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString MakeFile(const QString& name, const QByteArray& data) {
        WriteFile(Path(name), data);
        return Path(name);
    }
    // Names of the entries of the writer's directory (folder + name, backslashes).
    QStringList Names(const TZipReader& reader) const {
        QStringList names;
        for (int i = 0; i < reader.Count(); ++i)
            names.append(reader.Entry(i).FullName());
        return names;
    }
    // Extracts all of archive into folder with a fresh reader; returns the count.
    int ExtractAll(const QString& archive, const QString& folder) {
        TZipReader reader;
        reader.SetZipName(archive);
        reader.SetDestDir(folder);
        reader.SetDoAll(true);
        reader.SetRecreateDirs(true);
        reader.SetOverwriteMode(TUZOverwriteMode::Always);
        return reader.UnZip();
    }

    QTemporaryDir m_dir;
    TZipWriter m_writer;
};

TEST_F(ZipWriterTest, NewArchiveRoundTripsEveryLevel) {
    const QByteArray text = TextData(300000);
    const QByteArray noise = RandomData(70000);
    const QString a = MakeFile(QStringLiteral("in/a.txt"), text);
    const QString b = MakeFile(QStringLiteral("in/b.bin"), noise);
    const QString empty = MakeFile(QStringLiteral("in/empty"), QByteArray());
    for (int level : {0, 1, 6, 9}) {
        const QString archive = Path(QStringLiteral("out%1.zip").arg(level));
        m_writer.SetZipName(archive);
        m_writer.SetPackLevel(level);
        m_writer.FilesList() = QStringList{a, b, empty};
        EXPECT_EQ(m_writer.Zip(), 3);
        EXPECT_TRUE(m_writer.FilesList().isEmpty());
        EXPECT_EQ(Names(m_writer), (QStringList{"a.txt", "b.bin", "empty"}));
        const QString out = Path(QStringLiteral("x%1").arg(level));
        EXPECT_EQ(ExtractAll(archive, out), 3);
        EXPECT_EQ(ReadFile(out + "/a.txt"), text);
        EXPECT_EQ(ReadFile(out + "/b.bin"), noise);
        EXPECT_TRUE(QFileInfo::exists(out + "/empty"));
        EXPECT_EQ(ReadFile(out + "/empty"), QByteArray());
    }
}

} // namespace
