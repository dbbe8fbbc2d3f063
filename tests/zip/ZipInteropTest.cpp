// Both ways with the peers: archives written by Info-ZIP zip and python's
// zipfile extract byte for byte, and every archive this engine writes passes
// unzip -t, zip -T, zipinfo -v and python's testzip, and opens with unzip -P.
#include "tests/zip/ZipTestSupport.h"

#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ZipTest;

namespace {

class ZipInteropTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A tree with text, binary and empty files, a deeper folder and an accented name.
        Make("src/readme.txt", TextData(120000, 51));
        Make("src/data/table.bin", RandomData(80000, 52));
        Make("src/data/zeros.dat", QByteArray(300000, '\0'));
        Make("src/data/empty.txt", QByteArray());
        Make("src/deep/er/relatório.txt", TextData(5000, 53));
    }
    // Every file the peers wrote is named so that the folder can go.
    void TearDown() override { EXPECT_TRUE(m_dir.remove()); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    void Make(const QString& name, const QByteArray& data) {
        WriteFile(Path(name), data);
        m_files.append(name.mid(4));
    }
    // Every file of the tree is in folder with the same bytes.
    void ExpectTree(const QString& folder) {
        for (const QString& name : m_files)
            EXPECT_EQ(ReadFile(folder + "/" + name), ReadFile(Path("src/" + name))) << name.toStdString();
    }
    int ExtractWithOurs(const QString& archive, const QString& folder, const QString& password = QString()) {
        TZipReader reader;
        reader.SetZipName(archive);
        reader.SetDestDir(folder);
        reader.SetDoAll(true);
        reader.SetRecreateDirs(true);
        reader.SetPassword(password);
        reader.OnBadCRC =
            TBadCRC::fromFunction([](TObject*, quint32, quint32, int index) { ADD_FAILURE() << index; });
        reader.OnSkippingFile =
            TSkippingFile::fromFunction([](TObject*, TSkipReason reason, const QString& name, int, bool&) {
                ADD_FAILURE() << static_cast<int>(reason) << " " << name.toStdString();
            });
        return reader.UnZip();
    }
    void WriteWithOurs(const QString& archive, int level, const QString& password = QString()) {
        TZipWriter writer;
        writer.SetZipName(archive);
        writer.SetPackLevel(level);
        writer.SetPassword(password);
        writer.SetRootDir(Path("src"));
        writer.SetRelativePaths(true);
        writer.SetAddDirEntriesOnRecurse(true);
        writer.FilesList() = QStringList{Path("src/*.*")};
        ASSERT_EQ(writer.Zip(), m_files.size() + 3); // and three folder entries
    }
    // Every peer agrees the archive is sound.
    void ExpectPeersAccept(const QString& archive) {
        const ProcessResult unzip = ZipTest::Run("unzip", {"-t", archive});
        EXPECT_EQ(unzip.exitCode, 0) << unzip.output.toStdString() << unzip.errors.toStdString();
        const ProcessResult zip = ZipTest::Run("zip", {"-T", archive});
        EXPECT_EQ(zip.exitCode, 0) << zip.output.toStdString() << zip.errors.toStdString();
        const ProcessResult zipinfo = ZipTest::Run("zipinfo", {"-v", archive});
        EXPECT_EQ(zipinfo.exitCode, 0) << zipinfo.errors.toStdString();
        EXPECT_FALSE(zipinfo.output.contains("error")) << zipinfo.output.toStdString();
        const ProcessResult python = Python("import sys, zipfile\n"
                                            "z = zipfile.ZipFile(sys.argv[1])\n"
                                            "bad = z.testzip()\n"
                                            "sys.exit(1 if bad else 0)\n",
                                            {archive});
        EXPECT_EQ(python.exitCode, 0) << python.errors.toStdString();
    }

    QTemporaryDir m_dir;
    QStringList m_files;
};

TEST_F(ZipInteropTest, InfoZipArchivesExtractByteForByte) {
    struct Case {
        const char* name;
        QStringList options;
    };
    const Case cases[] = {
        {"stored", {"-0"}}, {"fast", {"-1"}}, {"normal", {"-6"}}, {"best", {"-9"}}, {"nodirs", {"-9", "-D"}}};
    for (const Case& c : cases) {
        const QString archive = Path(QStringLiteral("%1.zip").arg(c.name));
        const ProcessResult made =
            ZipTest::Run("zip", QStringList{"-q", "-r"} + c.options + QStringList{archive, "."}, Path("src"));
        ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
        const QString out = Path(QStringLiteral("out-%1").arg(c.name));
        EXPECT_GE(ExtractWithOurs(archive, out), m_files.size()) << c.name;
        ExpectTree(out);
    }
}

TEST_F(ZipInteropTest, InfoZipCommentsPasswordsAndStreams) {
    const QString commented = Path("comment.zip");
    ASSERT_EQ(
        ZipTest::Run("zip", {"-q", "-r", "-z", commented, "."}, Path("src"), "a comment from zip\n").exitCode,
        0);
    TZipReader reader;
    reader.SetZipName(commented);
    reader.ReadZip();
    EXPECT_EQ(reader.ZipComment().trimmed(), "a comment from zip");

    const QString locked = Path("locked.zip");
    ASSERT_EQ(ZipTest::Run("zip", {"-q", "-r", "-P", "pass word", locked, "."}, Path("src")).exitCode, 0);
    EXPECT_GE(ExtractWithOurs(locked, Path("out-locked"), "pass word"), m_files.size());
    ExpectTree(Path("out-locked"));

    // Input from a pipe (an entry named "-" of unknown size), into a file
    // and into a pipe as well.
    const QByteArray text = ReadFile(Path("src/readme.txt"));
    const QString streamed = Path("streamed.zip");
    ASSERT_EQ(ZipTest::Run("zip", {"-q", streamed, "-"}, Path("src"), text).exitCode, 0);
    const ProcessResult piped = ZipTest::Run("zip", {"-q", "-", "-"}, Path("src"), text);
    ASSERT_EQ(piped.exitCode, 0);
    WriteFile(Path("piped.zip"), piped.output);
    for (const char* name : {"streamed", "piped"}) {
        const QString out = Path(QStringLiteral("out-%1").arg(name));
        EXPECT_EQ(ExtractWithOurs(Path(QStringLiteral("%1.zip").arg(name)), out), 1) << name;
        EXPECT_EQ(ReadFile(out + "/-"), text) << name;
    }
}

TEST_F(ZipInteropTest, PythonArchivesExtractByteForByte) {
    const QString source =
        QStringLiteral(
            "import sys, io, os, zipfile\n"
            "root = sys.argv[1]\n"
            "files = []\n"
            "for folder, _, names in os.walk(root):\n"
            "    for n in names:\n"
            "        full = os.path.join(folder, n)\n"
            "        files.append((os.path.relpath(full, root), open(full, 'rb').read()))\n"
            "for kind, method in (('stored', zipfile.ZIP_STORED), ('deflated', zipfile.ZIP_DEFLATED)):\n"
            "    with zipfile.ZipFile(os.path.join(sys.argv[2], kind + '.zip'), 'w', method) as z:\n"
            "        for name, data in files: z.writestr(name, data)\n") +
        PythonPipe +
        QStringLiteral("pipe = Pipe()\n"
                       "with zipfile.ZipFile(pipe, 'w', zipfile.ZIP_DEFLATED) as z:\n"
                       "    for name, data in files:\n"
                       "        with z.open(name, 'w') as f: f.write(data)\n"
                       "open(os.path.join(sys.argv[2], 'descriptors.zip'), 'wb').write(pipe.data)\n");
    const ProcessResult made = Python(source, {Path("src"), m_dir.path()});
    ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
    for (const char* kind : {"stored", "deflated", "descriptors"}) {
        const QString out = Path(QStringLiteral("out-%1").arg(kind));
        EXPECT_EQ(ExtractWithOurs(Path(QStringLiteral("%1.zip").arg(kind)), out), m_files.size()) << kind;
        ExpectTree(out);
    }
    // The accented name is UTF-8 with bit 11 there.
    EXPECT_TRUE(QFileInfo::exists(Path("out-deflated/deep/er/relatório.txt")));
}

TEST_F(ZipInteropTest, OurArchivesPassEveryPeer) {
    for (int level : {0, 1, 6, 9}) {
        const QString archive = Path(QStringLiteral("ours%1.zip").arg(level));
        WriteWithOurs(archive, level);
        ExpectPeersAccept(archive);
        const QString out = Path(QStringLiteral("unzip%1").arg(level));
        QDir().mkpath(out);
        // unzip names the accented file through its own code page table, in
        // bytes that are no UTF-8 name: it is left in the archive.
        const ProcessResult unzip = ZipTest::Run("unzip", {"-q", archive, "-x", "*relat*", "-d", out});
        EXPECT_EQ(unzip.exitCode, 0) << unzip.errors.toStdString();
        for (const QString& name : m_files) {
            if (name.contains(QStringLiteral("relatório")))
                continue;
            EXPECT_EQ(ReadFile(out + "/" + name), ReadFile(Path("src/" + name))) << name.toStdString();
        }
        const ProcessResult python = Python("import sys, zipfile\n"
                                            "z = zipfile.ZipFile(sys.argv[1])\n"
                                            "sys.stdout.buffer.write(z.read('data/table.bin'))\n",
                                            {archive});
        EXPECT_EQ(python.output, ReadFile(Path("src/data/table.bin")));
    }
}

TEST_F(ZipInteropTest, OurEncryptedArchivesOpenWithUnzip) {
    const QString archive = Path("locked.zip");
    WriteWithOurs(archive, 6, "s3cret pw");
    const ProcessResult test = ZipTest::Run("unzip", {"-t", "-P", "s3cret pw", archive});
    EXPECT_EQ(test.exitCode, 0) << test.output.toStdString();
    const ProcessResult wrong = ZipTest::Run("unzip", {"-t", "-P", "wrong", archive});
    EXPECT_NE(wrong.exitCode, 0);
    const ProcessResult content = ZipTest::Run("unzip", {"-p", "-P", "s3cret pw", archive, "readme.txt"});
    EXPECT_EQ(content.output, ReadFile(Path("src/readme.txt")));
    const ProcessResult python = Python("import sys, zipfile\n"
                                        "z = zipfile.ZipFile(sys.argv[1])\n"
                                        "z.setpassword(b's3cret pw')\n"
                                        "sys.exit(1 if z.testzip() else 0)\n",
                                        {archive});
    EXPECT_EQ(python.exitCode, 0) << python.errors.toStdString();
}

TEST_F(ZipInteropTest, UpdatedArchivesStaySound) {
    const QString archive = Path("updated.zip");
    ASSERT_EQ(ZipTest::Run("zip", {"-q", "-r", "-9", archive, "."}, Path("src")).exitCode, 0);
    TZipWriter writer;
    writer.SetZipName(archive);
    writer.SetZipAction(TZipAction::zaReplace);
    writer.SetStorePaths(true);
    writer.SetRootDir(Path("src"));
    writer.SetRelativePaths(true);
    WriteFile(Path("src/readme.txt"), TextData(9000, 77));
    Make("src/added.txt", TextData(7000, 78));
    writer.FilesList() = QStringList{Path("src/readme.txt"), Path("src/added.txt")};
    EXPECT_EQ(writer.Zip(), 2);
    ExpectPeersAccept(archive);
    EXPECT_GE(ExtractWithOurs(archive, Path("out")), m_files.size());
    ExpectTree(Path("out"));
}

// Past 65,535 entries python writes a ZIP64 end record: the whole directory
// is read, and without that record the archive is refused, never read in part.
TEST_F(ZipInteropTest, ArchivesOfMoreThan65535EntriesAreReadWholeOrRefused) {
    const QString archive = Path("many.zip");
    const ProcessResult made = Python("import sys, zipfile\n"
                                      "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                                      "    for i in range(70000): z.writestr('f%05d' % i, str(i))\n",
                                      {archive});
    ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
    TZipReader reader;
    reader.SetZipName(archive);
    reader.ReadZip();
    EXPECT_EQ(reader.Count(), 70000);
    reader.FilesList() = QStringList{"f69999"};
    reader.SetDestDir(Path("many"));
    EXPECT_EQ(reader.UnZip(), 1);
    EXPECT_EQ(ReadFile(Path("many/f69999")), "69999");

    // The same directory with its ZIP64 records cut out: the end record counts 65535.
    const QByteArray bytes = ReadFile(archive);
    const qsizetype end = bytes.size() - 22;
    const QString cut = Path("cut.zip");
    WriteFile(cut, bytes.left(end - 56 - 20) + bytes.mid(end));
    TZipReader refusing;
    refusing.SetZipName(cut);
    refusing.SetDoAll(true);
    refusing.SetDestDir(Path("cut"));
    EXPECT_THROW(refusing.UnZip(), EBadZipFile);
    EXPECT_FALSE(QFileInfo::exists(Path("cut/f00000")));
}

} // namespace
