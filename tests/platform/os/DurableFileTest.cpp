#include "platform/os/DurableFile.h"
#include "platform/base/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(DurableFileTest, TheNewFileTakesTheOldOnesPlace) {
    QTemporaryDir folder;
    const QString novo = folder.filePath(QStringLiteral("dbdef-abc123.gbk"));
    const QString final = folder.filePath(QStringLiteral("dbdef.gbk"));
    Write(novo, "novo");
    Write(final, "antigo");
    DurableFile::Replace(novo, final);
    EXPECT_EQ(Read(final), QByteArray("novo"));
    EXPECT_FALSE(QFile::exists(novo));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("dbdef.gbk")});
}

TEST(DurableFileTest, AReplaceThatFailsSaysWhyInPortugueseAndKeepsBoth) {
    QTemporaryDir folder;
    const QString novo = folder.filePath(QStringLiteral("novo.gbk"));
    const QString final = folder.filePath(QStringLiteral("dbdef.gbk"));
    Write(novo, "novo");
    // A folder with something in it stands where the file should go.
    ASSERT_TRUE(QDir().mkpath(final + QStringLiteral("/dentro")));
    try {
        DurableFile::Replace(novo, final);
        FAIL() << "replaced a folder";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Não foi possível pôr \"%1\" no lugar de \"%2\": o caminho é uma pasta.")
                      .arg(novo, final));
    }
    EXPECT_EQ(Read(novo), QByteArray("novo"));
    EXPECT_TRUE(QFileInfo(final).isDir());

    // A file that is not there cannot be flushed either.
    try {
        DurableFile::Replace(folder.filePath(QStringLiteral("sumiu.gbk")), final);
        FAIL() << "flushed a missing file";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral(": o arquivo ou a pasta não existe.")))
            << e.Message().toStdString();
    }
}
