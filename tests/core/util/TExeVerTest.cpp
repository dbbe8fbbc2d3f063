#include "core/util/TExeVer.h"
#include "platform/os/VersionResource.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList Chaves{"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                         "LegalCopyRight", "OriginalFileName", "ProductName", "ProductVersion"};

QStringList Valores(const TExeVer& ver) {
    return {ver.CompanyName(),    ver.FileDescription(),  ver.FileVersion(), ver.InternalName(),
            ver.LegalCopyRight(), ver.OriginalFileName(), ver.ProductName(), ver.ProductVersion()};
}

} // namespace

TEST(TExeVerTest, ReadVersionStringTheRunningExecutableCarriesTheProgramVersion) {
    const QString exe = RunningExecutable();
    EXPECT_EQ(ReadVersionString(exe, "FileVersion"), "0.3.3.4");
    EXPECT_EQ(ReadVersionString(exe, "ProductVersion"), "0.3.3.4");
    EXPECT_EQ(ReadVersionString(exe, "InternalName"), "ZEB");
    EXPECT_EQ(ReadVersionString(exe, "ProductName"), "ZEB-ICMS");
    // Keys as the version resource compares them.
    EXPECT_EQ(ReadVersionString(exe, "fileversion"), "0.3.3.4");
    EXPECT_EQ(ReadVersionString(exe, "Comments"), "");
    EXPECT_EQ(ReadVersionString("", "FileVersion"), "");
}

TEST(TExeVerTest, ReadVersionStringOtherFilesHaveNoVersionInformation) {
    QTemporaryDir pasta;
    const QString copia = pasta.filePath("copia");
    ASSERT_TRUE(QFile::copy(RunningExecutable(), copia));
    EXPECT_EQ(ReadVersionString(copia, "FileVersion"), "");
    // A link to the executable is the executable.
    const QString link = pasta.filePath("link");
    ASSERT_TRUE(QFile::link(RunningExecutable(), link));
    EXPECT_EQ(ReadVersionString(link, "FileVersion"), "0.3.3.4");
}

TEST(TExeVerTest, FilenameReadsTheEightStrings) {
    TExeVer ver;
    ver.SetFilename(RunningExecutable());
    EXPECT_EQ(ver.Filename(), RunningExecutable());
    QStringList esperados;
    for (const QString& chave : Chaves)
        esperados << ReadVersionString(RunningExecutable(), chave);
    EXPECT_EQ(Valores(ver), esperados);
    EXPECT_EQ(ver.FileVersion(), "0.3.3.4");
    for (const QString& valor : Valores(ver))
        EXPECT_FALSE(valor.isEmpty());
}

TEST(TExeVerTest, AFileWithoutVersionGivesEightEmptyStrings) {
    QTemporaryDir pasta;
    const QString outro = pasta.filePath("outro.exe");
    QFile arquivo(outro);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.close();
    TExeVer ver;
    ver.SetFilename(outro);
    EXPECT_EQ(ver.Filename(), outro);
    EXPECT_EQ(Valores(ver), QStringList(8));
}

TEST(TExeVerTest, AMissingFileClearsWhatWasRead) {
    TExeVer ver;
    ver.SetFilename(RunningExecutable());
    ver.SetFilename("/no/such/file.exe");
    EXPECT_EQ(Valores(ver), QStringList(8));
}

TEST(TExeVerTest, OnGetFileInfoSeesEveryKeyInOrderAndMayReplaceTheValue) {
    TExeVer ver;
    QStringList vistas;
    ver.OnGetFileInfo =
        TGetFileInfoEvent::fromFunction([&](TObject* sender, const QString& chave, QString& valor) {
            EXPECT_EQ(sender, &ver);
            vistas << chave;
            if (chave == "CompanyName")
                valor = "Outra";
        });
    ver.SetFilename(RunningExecutable());
    EXPECT_EQ(vistas, Chaves);
    EXPECT_EQ(ver.CompanyName(), "Outra");
    EXPECT_EQ(ver.FileVersion(), "0.3.3.4");
}
