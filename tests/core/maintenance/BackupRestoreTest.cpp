// The backup and restore dialog over a live database in a program folder:
// archives the peers read and gbak restores, old archives kept on every way
// a backup can end early, pieces, and restores that either put the database
// back whole or leave the live file byte for byte as it was.
#include "core/maintenance/BackupToArchive.h"
#include "core/maintenance/TfrmBackupRestore.h"
#include "platform/db/FbClient.h"
#include "platform/os/HeldPath.h"
#include "platform/os/MountTable.h"
#include "platform/os/RemovableDrives.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "tests/core/maintenance/MaintenanceFixture.h"
#include "zip/TZipWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString Versao = QStringLiteral("SELECT TX_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 1");
const QString Contador = QStringLiteral("SELECT VL_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 3");
const QString Estados = QStringLiteral("SELECT COUNT(*) FROM UFS");

class BackupRestoreTest : public MaintenanceFixture {
protected:
    BackupRestoreTest() {
        // The engine keeps its lock files in a folder made when it loads;
        // it must not be the test's temporary folder, which goes.
        FbClient::Instance();
        m_tmp = Scratch(QStringLiteral("tmp"));
        QDir().mkpath(m_tmp);
        m_oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(m_tmp));
    }
    ~BackupRestoreTest() override {
        qputenv("TMPDIR", m_oldTmp);
        for (const QString& folder : m_mounted)
            Peer(QStringLiteral("umount"), {folder});
    }

    // Mounts a small file system (size as tmpfs takes it) on folder for the
    // rest of the test; false when this system does not let the test mount.
    bool MountSmall(const QString& folder, const QString& size) {
        QDir().mkpath(folder);
        if (Peer(QStringLiteral("mount"),
                 {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                  QStringLiteral("size=") + size, QStringLiteral("tmpfs"), folder})
                .exitCode != 0)
            return false;
        m_mounted << folder;
        return true;
    }

    std::unique_ptr<TfrmBackupRestore> Dialogo(int mode, const QString& name) {
        std::unique_ptr<TfrmBackupRestore> dialog(TForm::Create<TfrmBackupRestore>(nullptr));
        dialog->Prepare(&live, name, mode);
        return dialog;
    }

    // Backs up into target through the dialog, answering the closing box.
    QString Backup(const QString& target, TfrmBackupRestore* dialog = nullptr) {
        std::unique_ptr<TfrmBackupRestore> own;
        if (!dialog) {
            own = Dialogo(TfrmBackupRestore::ModeBackup, target);
            dialog = own.get();
        }
        prompter.Answer(mrOk);
        dialog->btnBkpClick(dialog->btnBkp);
        return prompter.Last().Text;
    }

    // Restores from archive as the user does: clicks Restaurar, answers the closing box.
    QString Restore(const QString& archive) {
        auto dialog = Dialogo(TfrmBackupRestore::ModeRestore, archive);
        dialog->Show();
        prompter.Answer(mrOk);
        QTest::mouseClick(dialog->btnRestore->Widget(), Qt::LeftButton);
        m_used = dialog->UsedFileName();
        return prompter.Last().Text;
    }

    // A backup into target in pieces of the smallest size (stored, so that
    // it needs several).
    QStringList Pieces(const QString& target) {
        TZipWriter zip;
        zip.SetOverwriteMode(TUZOverwriteMode::Always);
        zip.SetZipAction(TZipAction::zaReplace);
        zip.MultiZipInfo().WriteDiskLabels = false;
        zip.MultiZipInfo().CheckDiskLabels = false;
        zip.SetPackLevel(0);
        BackupToArchive backup(live, zip);
        backup.PieceSize = TMultiZipInfo::MinBlockSize;
        return backup.Run(target);
    }

    // Runs a python script with arguments; it must succeed.
    static void Python(const QString& script, const QStringList& arguments) {
        const PeerResult result =
            Peer(QStringLiteral("python3"), QStringList{QStringLiteral("-c"), script} + arguments);
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    }

    // Nothing of a backup or restore stays behind in the temporary folder,
    // beside the live database or in the target's folder.
    void ExpectNoLeftovers() {
        EXPECT_EQ(Leftovers(m_tmp, QStringLiteral("zeb-")), QStringList{});
        EXPECT_EQ(Leftovers(QFileInfo(Live()).absolutePath(), QStringLiteral(".")), QStringList{});
        EXPECT_EQ(Leftovers(Scratch(QString()), QStringLiteral(".BkpZeb")), QStringList{});
    }

    QString m_tmp;
    QByteArray m_oldTmp;
    QStringList m_mounted;
    QString m_used;
};

TEST_F(BackupRestoreTest, BackupIsReadByThePeersAndItsEntryRestoredByGbak) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    const QString message = Backup(archive);
    EXPECT_EQ(message,
              QStringLiteral("Backup completado.\rO seguinte arquivo foi gerado: \r\r\"%1\"\r\rGuarde-o num "
                             "local seguro.")
                  .arg(archive));
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Informação"));
    ExpectNoLeftovers();

    const PeerResult test = Peer(QStringLiteral("unzip"), {QStringLiteral("-t"), archive});
    EXPECT_EQ(test.exitCode, 0) << test.output.toStdString();
    const PeerResult python = Peer(QStringLiteral("python3"),
                                   {QStringLiteral("-c"),
                                    QStringLiteral("import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1])\n"
                                                   "print(z.testzip(), z.namelist())"),
                                    archive});
    EXPECT_EQ(python.output.trimmed(), QStringLiteral("None ['dbdef.bkp']"));

    const QString unpacked = Scratch(QStringLiteral("unpacked"));
    ASSERT_EQ(Peer(QStringLiteral("unzip"), {QStringLiteral("-q"), archive, QStringLiteral("-d"), unpacked})
                  .exitCode,
              0);
    const QString rebuilt = Scratch(QStringLiteral("rebuilt.gdb"));
    const PeerResult gbak =
        Peer(QStringLiteral("gbak"), {QStringLiteral("-c"), QStringLiteral("-user"), QStringLiteral("SYSDBA"),
                                      unpacked + QStringLiteral("/dbdef.bkp"), rebuilt});
    ASSERT_EQ(gbak.exitCode, 0) << gbak.output.toStdString();
    EXPECT_EQ(Scalar(rebuilt, Versao), QStringLiteral("0.3.3.4"));
    EXPECT_EQ(Scalar(rebuilt, Estados), Scalar(Live(), Estados));
}

TEST_F(BackupRestoreTest, RefusingToOverwriteKeepsTheOldArchive) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    WriteAll(archive, "arquivo anterior");
    auto dialog = Dialogo(TfrmBackupRestore::ModeBackup, archive);
    for (TModalResult answer : {mrNo, mrCancel}) {
        prompter.Answer(answer).Answer(mrOk);
        dialog->btnBkpClick(dialog->btnBkp);
        ASSERT_EQ(prompter.Count() % 2, 0);
        const TPromptRequest& question = prompter.Requests()[prompter.Count() - 2];
        EXPECT_EQ(question.Text,
                  QStringLiteral("O arquivo\r%1\rjá existe.\r\rDeseja sobrescrevê-lo?").arg(archive));
        EXPECT_EQ(question.Buttons,
                  (std::vector<TMsgDlgBtn>{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel}));
        EXPECT_EQ(prompter.Last().Text, QStringLiteral("Operação cancelada."));
        EXPECT_EQ(ReadAll(archive), QByteArray("arquivo anterior"));
        EXPECT_EQ(dialog->UsedFileName(), QString());
    }
}

TEST_F(BackupRestoreTest, OverwritingReplacesTheArchiveOnlyOnceTheNewOneIsWhole) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    WriteAll(archive, "arquivo anterior");
    prompter.Answer(mrYes);
    EXPECT_TRUE(Backup(archive).startsWith(QStringLiteral("Backup completado.")));
    EXPECT_EQ(Peer(QStringLiteral("unzip"), {QStringLiteral("-tq"), archive}).exitCode, 0);
    ExpectNoLeftovers();
}

TEST_F(BackupRestoreTest, AFailedBackupAfterYesKeepsTheOldArchive) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    WriteAll(archive, "arquivo anterior");
    // The backup service cannot read a file that is not a database.
    const QString broken = Scratch(QStringLiteral("quebrado.gdb"));
    WriteAll(broken, QByteArray(8192, 'x'));
    live.SetDatabaseName(broken);
    prompter.Answer(mrYes);
    const QString message = Backup(archive);
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("Não foi possível gerar o arquivo de backup %1.").arg(archive)))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral("O arquivo anterior foi mantido.")));
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtError);
    EXPECT_EQ(ReadAll(archive), QByteArray("arquivo anterior"));
    EXPECT_EQ(Leftovers(Scratch(QString()), QStringLiteral(".BkpZeb")), QStringList{});
    EXPECT_EQ(Leftovers(m_tmp, QStringLiteral("zeb-")), QStringList{});
}

TEST_F(BackupRestoreTest, AFolderThatTakesNoFilesIsReportedBeforeAnyWork) {
    const QString archive = QStringLiteral("/proc/zeb-copia.zip");
    EXPECT_EQ(Backup(archive), QStringLiteral("Não foi possível criar o arquivo %1.").arg(archive));
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtError);
    EXPECT_EQ(prompter.Count(), 1);
    // An empty name is refused as such.
    auto dialog = Dialogo(TfrmBackupRestore::ModeBackup, QString());
    dialog->cboBak->SetText(QStringLiteral("   "));
    prompter.Answer(mrOk);
    dialog->btnBkpClick(dialog->btnBkp);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Nome de arquivo inválido!"));
}

TEST_F(BackupRestoreTest, AFullFolderIsReportedAndTheOldArchiveKept) {
    // A file system with room for the old archive only.
    const QString cheia = Scratch(QStringLiteral("cheia"));
    if (!MountSmall(cheia, QStringLiteral("16k")))
        GTEST_SKIP() << "cannot mount a small file system here";
    const QString archive = cheia + QStringLiteral("/copia.zip");
    WriteAll(archive, "arquivo anterior");
    prompter.Answer(mrYes);
    const QString message = Backup(archive);
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("Não foi possível gerar o arquivo de backup %1.").arg(archive)))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral("O arquivo anterior foi mantido.")));
    EXPECT_EQ(ReadAll(archive), QByteArray("arquivo anterior"));
    EXPECT_EQ(Leftovers(cheia, QStringLiteral(".")), QStringList{});
    EXPECT_EQ(Leftovers(m_tmp, QStringLiteral("zeb-")), QStringList{});
}

TEST_F(BackupRestoreTest, AbortStopsThePackingAndKeepsTheOldArchive) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    WriteAll(archive, "arquivo anterior");
    auto dialog = Dialogo(TfrmBackupRestore::ModeBackup, archive);
    const TTotalPercentDone gauge = dialog->bkpZip->OnTotalPercentDone;
    bool running = false;
    dialog->bkpZip->OnTotalPercentDone = TTotalPercentDone::fromFunction([&](TObject* sender, int percent) {
        gauge(sender, percent);
        running = dialog->btnAbort->Enabled();
        bool canClose = true;
        dialog->FormCloseQuery(dialog.get(), canClose);
        EXPECT_FALSE(canClose);
        dialog->btnAbortClick(dialog->btnAbort);
    });
    prompter.Answer(mrYes);
    EXPECT_EQ(Backup(archive, dialog.get()),
              QStringLiteral("Backup cancelado pelo usuário.\r\rO arquivo anterior foi mantido."));
    EXPECT_TRUE(running);
    EXPECT_FALSE(dialog->btnAbort->Enabled());
    EXPECT_TRUE(dialog->btnBkp->Enabled());
    EXPECT_EQ(ReadAll(archive), QByteArray("arquivo anterior"));
    ExpectNoLeftovers();
}

TEST_F(BackupRestoreTest, ABackupInPiecesRestores) {
    const QString original = Scalar(Live(), Contador);
    const QStringList pieces = Pieces(Scratch(QStringLiteral("partes.zip")));
    ASSERT_GE(pieces.size(), 2);
    for (int i = 0; i < pieces.size(); ++i)
        EXPECT_EQ(pieces[i], Scratch(QStringLiteral("partes.%1").arg(i + 1, 3, 10, QLatin1Char('0'))));
    EXPECT_FALSE(QFileInfo::exists(Scratch(QStringLiteral("partes.zip"))));

    // From the first piece, which the user is shown, as from the last.
    for (const QString& chosen : {pieces.first(), pieces.last()}) {
        SCOPED_TRACE(chosen.toStdString());
        Execute(Live(), {QStringLiteral("UPDATE PARAMETROS_DEF SET VL_PARAM1 = 999 WHERE ID_PARAMETRO = 3")});
        EXPECT_EQ(Restore(chosen), QStringLiteral("Restauração completada com sucesso."));
        EXPECT_EQ(m_used, chosen);
        EXPECT_EQ(Scalar(Live(), Contador), original);
        ExpectNoLeftovers();
    }
    // A missing piece is named.
    ASSERT_TRUE(QFile::remove(pieces.last()));
    const QString message = Restore(pieces.first());
    EXPECT_TRUE(message.contains(QStringLiteral("falta a parte %1 do backup").arg(pieces.size())))
        << message.toStdString();
}

TEST_F(BackupRestoreTest, PiecesOnARemovableDriveAreAskedForOneByOne) {
    const QString drive = Scratch(QStringLiteral("disquete"));
    ASSERT_TRUE(QDir().mkpath(drive));
    const QStringList pieces = Pieces(QDir(drive).filePath(QStringLiteral("partes.zip")));
    ASSERT_GE(pieces.size(), 2);
    // The folder is the mount point of a removable disk (sdb1) of a fake system.
    QTemporaryDir sys;
    ASSERT_TRUE(QDir().mkpath(sys.filePath(QStringLiteral("sdb/sdb1"))));
    WriteAll(sys.filePath(QStringLiteral("sdb/removable")), "1\n");
    const RemovableDrives drives(sys.path(), MountTable::Parse(QFile::encodeName(
                                                 QStringLiteral("/dev/sdb1 %1 vfat rw 0 0\n").arg(drive))));
    const QString original = Scalar(Live(), Contador);

    for (const bool refuse : {true, false}) {
        SCOPED_TRACE(refuse ? "refused" : "inserted");
        Execute(Live(), {QStringLiteral("UPDATE PARAMETROS_DEF SET VL_PARAM1 = 999 WHERE ID_PARAMETRO = 3")});
        const QByteArray before = Digest(Live());
        auto dialog = Dialogo(TfrmBackupRestore::ModeRestore, pieces.first());
        dialog->SetDrives(drives);
        dialog->Show();
        QStringList asked;
        // The last piece is looked for first (it holds the directory), then
        // the pieces are read in order.
        QStringList expected;
        for (int disk = 2; disk <= pieces.size(); ++disk)
            expected << QStringLiteral("Por favor insira o disco %1:").arg(disk);
        for (int disk = 1; disk <= pieces.size(); ++disk)
            expected << QStringLiteral("Por favor insira o disco %1:").arg(disk);
        for (int i = 0; i < (refuse ? 1 : expected.size()); ++i)
            prompter.AnswerWith([&, refuse](const TPromptRequest& request) {
                TPromptResult result;
                asked << request.Text;
                result.Button = refuse ? mrCancel : mrOk;
                return result;
            });
        prompter.Answer(mrOk);
        QTest::mouseClick(dialog->btnRestore->Widget(), Qt::LeftButton);
        if (refuse) {
            EXPECT_EQ(asked, QStringList{QStringLiteral("Por favor insira o disco 2:")});
            EXPECT_EQ(prompter.Last().Text, QStringLiteral("Restauração cancelada pelo usuário."));
            EXPECT_EQ(dialog->UsedFileName(), QString());
            EXPECT_EQ(Digest(Live()), before);
        } else {
            EXPECT_EQ(asked, expected);
            EXPECT_EQ(prompter.Last().Text, QStringLiteral("Restauração completada com sucesso."));
            EXPECT_EQ(Scalar(Live(), Contador), original);
        }
    }
}

TEST_F(BackupRestoreTest, RestoreOfABackupArchivePutsTheDataBack) {
    const QString original = Scalar(Live(), Contador);
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    Backup(archive);
    Execute(Live(), {QStringLiteral("UPDATE PARAMETROS_DEF SET VL_PARAM1 = 999 WHERE ID_PARAMETRO = 3")});
    live.Open();
    EXPECT_EQ(Restore(archive), QStringLiteral("Restauração completada com sucesso."));
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Informação"));
    EXPECT_EQ(m_used, archive);
    // The connection is as it was.
    EXPECT_TRUE(live.Connected());
    live.Close();
    EXPECT_EQ(Scalar(Live(), Contador), original);
    ExpectNoLeftovers();
}

TEST_F(BackupRestoreTest, RestoreOfAnArchiveHoldingADatabaseFileCopiesIt) {
    const QString copy = Scratch(QStringLiteral("dbdef.gdb"));
    ASSERT_TRUE(QFile::copy(Live(), copy));
    Execute(copy, {QStringLiteral("UPDATE PARAMETROS_DEF SET VL_PARAM1 = 4321 WHERE ID_PARAMETRO = 3")});
    const QString archive = Scratch(QStringLiteral("banco.zip"));
    PythonZip(archive, {copy});
    EXPECT_EQ(Restore(archive), QStringLiteral("Restauração completada com sucesso."));
    EXPECT_EQ(Scalar(Live(), Contador).toDouble(), 4321.0);
    ExpectNoLeftovers();
}

TEST_F(BackupRestoreTest, BadArchivesLeaveTheLiveDatabaseUntouched) {
    const QString good = Scratch(QStringLiteral("bom.zip"));
    Backup(good);
    const QString text = Scratch(QStringLiteral("leiame.txt"));
    WriteAll(text, "Isto não é um banco de dados.\n");
    const QString foreign = Scratch(QStringLiteral("outro.gdb"));
    CreateForeignDatabase(foreign);
    const QString foreignBackup = Scratch(QStringLiteral("outro.gbk"));
    ASSERT_EQ(Peer(QStringLiteral("gbak"), {QStringLiteral("-b"), QStringLiteral("-user"),
                                            QStringLiteral("SYSDBA"), foreign, foreignBackup})
                  .exitCode,
              0);
    const QByteArray goodBytes = ReadAll(good);
    const QString old = Scratch(QStringLiteral("antigo.gdb"));
    ASSERT_TRUE(QFile::copy(Live(), old));
    Execute(old, {QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '0.3.2.3' WHERE ID_PARAMETRO = 1")});
    // A database whose shadow file stayed on the machine it came from.
    const QString shadowed = Scratch(QStringLiteral("sombra.gdb"));
    const QString shadow = Scratch(QStringLiteral("sombra.shd"));
    ASSERT_TRUE(QFile::copy(Live(), shadowed));
    Execute(shadowed, {QStringLiteral("CREATE SHADOW 1 '%1'").arg(shadow)});
    ASSERT_TRUE(QFile::remove(shadow));
    const QByteArray before = Digest(Live());

    struct Case {
        QString name;
        std::function<void(const QString&)> make;
        QString expected;
    };
    const std::vector<Case> cases{
        {QStringLiteral("not a zip"), [&](const QString& a) { WriteAll(a, QByteArray(5000, 'z')); },
         QStringLiteral("não é um arquivo zip legível")},
        {QStringLiteral("truncated"),
         [&](const QString& a) { WriteAll(a, goodBytes.left(goodBytes.size() / 2)); },
         QStringLiteral("Não foi possível restaurar o arquivo de backup")},
        {QStringLiteral("no file"), [&](const QString& a) { PythonZip(a, {}); },
         QStringLiteral("o arquivo zip não contém nenhum arquivo.")},
        {QStringLiteral("an empty file"), [&](const QString& a) { WriteAll(a, QByteArray()); },
         QStringLiteral("o arquivo está vazio (0 bytes).")},
        {QStringLiteral("a database with a shadow"), [&](const QString& a) { PythonZip(a, {shadowed}); },
         QStringLiteral("o banco de dados contido nele define uma sombra (shadow) ou uma continuação em "
                        "outro arquivo, %1, que não veio com ele")
             .arg(shadow)},
        {QStringLiteral("a text file"), [&](const QString& a) { PythonZip(a, {text}); },
         QStringLiteral("não é um banco de dados nem uma cópia de segurança")},
        {QStringLiteral("another program's database"), [&](const QString& a) { PythonZip(a, {foreign}); },
         QStringLiteral("não é um banco de dados deste sistema")},
        {QStringLiteral("another program's backup"), [&](const QString& a) { PythonZip(a, {foreignBackup}); },
         QStringLiteral("não é um banco de dados deste sistema")},
        {QStringLiteral("data older than the program can update"),
         [&](const QString& a) { PythonZip(a, {old}); },
         QStringLiteral("os dados contidos nele estão na versão 0.3.2.3, que esta versão do sistema")},
        // Two entries that claim 3.75 GiB each: refused before a byte is unpacked.
        {QStringLiteral("a zip bomb"),
         [&](const QString& a) {
             Python(QStringLiteral("import sys, zipfile, struct\n"
                                   "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                                   "    z.writestr('a.bkp', bytes(100000))\n"
                                   "    z.writestr('b.bkp', bytes(100000))\n"
                                   "data = bytearray(open(sys.argv[1], 'rb').read())\n"
                                   "for signature, at in ((b'PK\\x03\\x04', 22), (b'PK\\x01\\x02', 24)):\n"
                                   "    i = data.find(signature)\n"
                                   "    while i >= 0:\n"
                                   "        data[i + at:i + at + 4] = struct.pack('<I', 0xF0000000)\n"
                                   "        i = data.find(signature, i + 4)\n"
                                   "open(sys.argv[1], 'wb').write(data)\n"),
                    {a});
         },
         QStringLiteral(
             "o conteúdo do arquivo zip ocuparia 7680 MB descompactado, mais do que cabe numa cópia de "
             "segurança (4096 MB).")},
        {QStringLiteral("encrypted"),
         [&](const QString& a) {
             ASSERT_EQ(Peer(QStringLiteral("zip"), {QStringLiteral("-j"), QStringLiteral("-P"),
                                                    QStringLiteral("senha"), a, foreignBackup})
                           .exitCode,
                       0);
         },
         QStringLiteral("o arquivo zip está protegido por senha")},
        {QStringLiteral("an entry name that cannot be a file"),
         [&](const QString& a) {
             Python(QStringLiteral("import sys, zipfile\n"
                                   "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                                   "    z.writestr('..', b'x')\n"),
                    {a});
         },
         QStringLiteral("o nome de um arquivo contido nele não pode ser usado como nome de arquivo (..).")},
        {QStringLiteral("an entry name too long for a file"),
         [&](const QString& a) {
             Python(QStringLiteral(
                        "import sys, zipfile\n"
                        "with zipfile.ZipFile(sys.argv[1], 'w') as z: z.writestr('n' * 5000, b'x')\n"),
                    {a});
         },
         QStringLiteral("o nome de um arquivo contido nele tem 5000 caracteres, mais do que cabe")},
    };
    int i = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString archive = Scratch(QStringLiteral("ruim%1.zip").arg(++i));
        c.make(archive);
        const QString message = Restore(archive);
        EXPECT_TRUE(message.contains(c.expected)) << message.toStdString();
        EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtError);
        EXPECT_EQ(m_used, QString());
        EXPECT_EQ(Digest(Live()), before);
        ExpectNoLeftovers();
    }
}

TEST_F(BackupRestoreTest, AnArchiveLargerThanTheRoomOfTheWorkFolderIsRefusedBeforeUnpacking) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    Backup(archive);
    const QString small = Scratch(QStringLiteral("pequena"));
    if (!MountSmall(small, QStringLiteral("128k")))
        GTEST_SKIP() << "cannot mount a small file system here";
    qputenv("TMPDIR", QFile::encodeName(small));
    const QByteArray before = Digest(Live());
    const QString message = Restore(archive);
    EXPECT_TRUE(
        message.contains(QStringLiteral("descompactado, e há apenas 128 KB livres em %1.").arg(small)))
        << message.toStdString();
    EXPECT_EQ(Digest(Live()), before);
    EXPECT_EQ(Leftovers(small, QStringLiteral("zeb-")), QStringList{});
}

TEST_F(BackupRestoreTest, ARestoredFileTheMainWindowRefusesIsNotPutInPlace) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    Backup(archive);
    const QByteArray before = Digest(Live());
    auto dialog = Dialogo(TfrmBackupRestore::ModeRestore, archive);
    QString asked;
    dialog->OnDialogRestore =
        TBackupRestoreEvent::fromFunction([&](TObject*, const QString& file, bool& cancel) {
            asked = file;
            // The file handed over is the one really made, complete and beside the live one.
            EXPECT_EQ(QFileInfo(file).absolutePath(), QFileInfo(Live()).absolutePath());
            EXPECT_EQ(Scalar(file, Versao), QStringLiteral("0.3.3.4"));
            cancel = true;
        });
    prompter.Answer(mrOk);
    dialog->btnRestoreClick(dialog->btnRestore);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Restauração cancelada."));
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(asked));
    EXPECT_EQ(Digest(Live()), before);
    EXPECT_TRUE(dialog->btnRestore->Enabled());
    EXPECT_FALSE(dialog->btnAbort->Enabled());
}

TEST_F(BackupRestoreTest, ABackupThatDefinesAShadowNeverMakesOne) {
    const QString copy = Scratch(QStringLiteral("sombra.gdb"));
    ASSERT_TRUE(QFile::copy(Live(), copy));
    const QString shadow = Scratch(QStringLiteral("sombra.shd"));
    Execute(copy, {QStringLiteral("CREATE SHADOW 1 '%1'").arg(shadow)});
    ASSERT_TRUE(QFileInfo::exists(shadow));
    const QString backup = Scratch(QStringLiteral("sombra.gbk"));
    ASSERT_EQ(Peer(QStringLiteral("gbak"),
                   {QStringLiteral("-b"), QStringLiteral("-user"), QStringLiteral("SYSDBA"), copy, backup})
                  .exitCode,
              0);
    ASSERT_TRUE(QFile::remove(shadow));
    const QString archive = Scratch(QStringLiteral("sombra.zip"));
    PythonZip(archive, {backup});
    EXPECT_EQ(Restore(archive), QStringLiteral("Restauração completada com sucesso."));
    EXPECT_FALSE(QFileInfo::exists(shadow));
}

TEST_F(BackupRestoreTest, ARestoreClearsWhatKilledRestoresLeftAndNoRunningCopyHolds) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    Backup(archive);
    const QString beside = QFileInfo(Live()).absolutePath();
    const QStringList dead{QDir(beside).filePath(QStringLiteral(".dbdef-restauracao-Dead01.tmp")),
                           QDir(m_tmp).filePath(QStringLiteral("zeb-restore-Dead02"))};
    const QStringList running{QDir(beside).filePath(QStringLiteral(".dbdef-restauracao-Live01.tmp")),
                              QDir(m_tmp).filePath(QStringLiteral("zeb-restore-Live02"))};
    for (const QString& file : {dead[0], running[0]})
        WriteAll(file, "parte de um banco restaurado");
    for (const QString& folder : {dead[1], running[1]}) {
        ASSERT_TRUE(QDir().mkpath(folder));
        WriteAll(QDir(folder).filePath(QStringLiteral("dbdef.bkp")), "cópia de segurança");
    }
    {
        const HeldPath heldFile(running[0]);
        const HeldPath heldFolder(running[1]);
        EXPECT_EQ(Restore(archive), QStringLiteral("Restauração completada com sucesso."));
        for (const QString& path : dead)
            EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
        for (const QString& path : running)
            EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    }
    EXPECT_EQ(Restore(archive), QStringLiteral("Restauração completada com sucesso."));
    ExpectNoLeftovers();
}

TEST_F(BackupRestoreTest, RestoreAsksForAFileFirst) {
    for (const QString& proposed :
         {QStringLiteral("C:\\"), QString(), QStringLiteral("a.z"), QDir::homePath()}) {
        auto dialog = Dialogo(TfrmBackupRestore::ModeRestore, proposed);
        prompter.Answer(mrOk);
        dialog->btnRestoreClick(dialog->btnRestore);
        EXPECT_EQ(prompter.Last().Text, QStringLiteral("Favor selecionar o arquivo de backup "));
    }
    const QString missing = Scratch(QStringLiteral("nada.zip"));
    Restore(missing);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Não foi possível abrir o arquivo %1").arg(missing));
}

TEST_F(BackupRestoreTest, TheDialogShowsThePageOfItsMode) {
    auto backup = Dialogo(TfrmBackupRestore::ModeBackup, QStringLiteral("/x/a.zip"));
    EXPECT_EQ(backup->Caption(), QStringLiteral("Cópia de Segurança"));
    EXPECT_TRUE(backup->btnBkp->Visible());
    EXPECT_FALSE(backup->btnRestore->Visible());
    EXPECT_TRUE(backup->btnBkp->Enabled());
    backup->cboBak->SetText(QString());
    backup->cboBakChange(backup->cboBak);
    EXPECT_FALSE(backup->btnBkp->Enabled());
    auto restore = Dialogo(TfrmBackupRestore::ModeRestore, QString());
    EXPECT_EQ(restore->Caption(), QStringLiteral("Restauração"));
    EXPECT_TRUE(restore->btnRestore->Visible());
    EXPECT_FALSE(restore->btnRestore->Enabled());
    // Browsing puts the chosen file in the combo; the dialog first shows
    // archives and the pieces of a backup in pieces.
    restore->Show();
    prompter.AnswerPath(QStringLiteral("/x/b.zip"));
    QTest::mouseClick(restore->btnLocalizarRes->Widget(), Qt::LeftButton);
    EXPECT_EQ(prompter.Last().Kind, TPromptKind::pkOpenFile);
    const QStringList shown = prompter.Last().Filter.section(u'|', 1, 1).split(u';');
    for (const QString& name : {QStringLiteral("b.zip"), QStringLiteral("b.001"), QStringLiteral("b.002")})
        EXPECT_TRUE(QDir::match(shown, name)) << name.toStdString();
    EXPECT_EQ(restore->cboRes->Text(), QStringLiteral("/x/b.zip"));
    EXPECT_TRUE(restore->btnRestore->Enabled());
}

} // namespace
