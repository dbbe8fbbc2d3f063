#include "platform/os/Windows1252LineWriter.h"

#include "platform/base/Exceptions.h"
#include "tests/support/FileSizeLimit.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

} // namespace

TEST(Windows1252LineWriterTest, WritesWindows1252WithCrLfAfterEveryLine) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.zeb"));
    Windows1252LineWriter file(path);
    file.WriteLine(u"Razão € ok");
    file.WriteLine(u"");
    file.WriteLine(u"中x");
    file.Close();
    EXPECT_EQ(Contents(path), QByteArray("Raz\xE3o \x80 ok\r\n\r\n?x\r\n"));
    EXPECT_EQ(QFile::permissions(path),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser)
        << "the file is its owner's alone";
    EXPECT_EQ(file.Size(), 18);
    EXPECT_EQ(file.LineCount(), 3);
}

TEST(Windows1252LineWriterTest, RefusesALineWithABreakAndAnExistingFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.zeb"));
    {
        Windows1252LineWriter file(path);
        EXPECT_THROW(file.WriteLine(u"a\r\nb"), Exception);
        EXPECT_THROW(file.WriteLine(u"a\nb"), Exception);
        file.WriteLine(u"kept");
        file.Close();
    }
    EXPECT_THROW(Windows1252LineWriter again(path), Exception);
    EXPECT_EQ(Contents(path), QByteArray("kept\r\n")); // the refused writer left it alone
    const QString nowhere = folder.filePath(QStringLiteral("missing/b.zeb"));
    try {
        Windows1252LineWriter file(nowhere);
        ADD_FAILURE() << "created in a folder that does not exist";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Não foi possível criar o arquivo \"%1\": o arquivo ou a pasta não existe.")
                      .arg(nowhere));
    }
}

TEST(Windows1252LineWriterTest, AFileNotClosedIsRemoved) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.zeb"));
    {
        Windows1252LineWriter file(path);
        file.WriteLine(u"partial");
        EXPECT_TRUE(QFile::exists(path));
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST(Windows1252LineWriterTest, AFullDiskFailsTheWriteAndLeavesNoFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.zeb"));
    const QString line(848, QLatin1Char('x'));
    bool failed = false;
    {
        FileSizeLimit limit(100 * 1024);
        Windows1252LineWriter file(path);
        try {
            for (int i = 0; i < 1000; ++i)
                file.WriteLine(line);
            file.Close();
        } catch (const Exception& e) {
            failed = true;
            EXPECT_TRUE(e.Message().contains(path)) << e.what();
        }
    }
    EXPECT_TRUE(failed);
    EXPECT_FALSE(QFile::exists(path));
}
