#include "declarations/transmission/TransmissionGenerator.h"

#include "declarations/transmission/ETransmissionError.h"
#include "platform/db/EIBError.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/database/TempDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <memory>

using namespace TransmissionFormat;

namespace {

const QDateTime Momento(QDate(2011, 3, 5), QTime(14, 30, 15));
const QString Versao = QStringLiteral("0.3.3.4");

Currency R(double value) {
    return Currency::fromDouble(value);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QList<QByteArray> Lines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

} // namespace

class TransmissionGeneratorTest : public ::testing::Test {
protected:
    TransmissionGeneratorTest() : fixture(banco.Database()), gerador(banco.Database()) {
        fixture.Taxpayer(DeclarationFixture::DefaultInscricao, QStringLiteral("Empresa Teste"),
                         QStringLiteral("fiscal@empresa.com.br"));
    }

    // A declaration validated without errors.
    DeclarationFixture::Declaration Validada(int sq, int ano, int mes) {
        DeclarationFixture::Declaration d;
        d.sq = sq;
        d.ano = ano;
        d.mes = mes;
        d.validacao = QDate(2011, 3, 1);
        d.comErro = QStringLiteral("N");
        return d;
    }

    // The two declarations of the golden file: the small one with a line
    // break in its observation and an observation longer than its field;
    // one with an amount of four decimals, a negative amount and a closing date.
    void DuasDeclaracoes() {
        DeclarationFixture::Declaration primeira = Validada(1, 2011, 1);
        primeira.observacao = QStringLiteral("Linha 1\r\nLinha 2");
        primeira.observacaoST = QString(230, QLatin1Char('x'));
        primeira.saldoAnterior = R(44);
        fixture.AddDeclaration(primeira);
        fixture.FillSmall(1);
        DeclarationFixture::Declaration segunda = Validada(2, 2011, 2);
        segunda.representante = QStringLiteral("José Conceição");
        segunda.encerramento = QDate(2011, 2, 28);
        segunda.email = QStringLiteral("antigo@empresa.com.br");
        fixture.AddDeclaration(segunda);
        fixture.AddEntry(2, 1102, {Currency::fromRaw(12345678), R(1000), R(180), {}, R(-10.25), {}, {}});
        fixture.AddExit(2, 5102, {R(2000), R(2000), R(360), {}, {}, {}, {}});
    }

    // The last transmission counted in PARAMETROS_DEF.
    int Contador() {
        return banco.Count(
            QStringLiteral("SELECT CAST(VL_PARAM1 AS INTEGER) FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 17"));
    }

    QString Destino(const QString& name = QStringLiteral("ZEB20110305143015.zeb")) {
        return QDir(banco.Folder()).filePath(name);
    }

    // Nothing of a failed run: no file beside the database and no stamp, no record.
    void NadaGravado(const QString& path) {
        EXPECT_FALSE(QFile::exists(path));
        const QStringList left = QDir(QFileInfo(path).absolutePath())
                                     .entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(banco.Count(QStringLiteral(
                      "SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL WHERE DT_TRANSMISSAO IS NOT NULL")),
                  0);
        EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM TRANSMISSAO_DEF")), 0);
        EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM DECLARACAO_TRANSMITIDA")), 0);
        EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL WHERE "
                                             "NO_CORREIO_ELETRONICO = 'fiscal@empresa.com.br'")),
                  0);
    }

    // A failed run, raising the exception of its own kind.
    template <class Failure = ETransmissionError>
    void Falha(const QString& path,
               const std::vector<DeclarationKey>& keys = {DeclarationKey(1), DeclarationKey(2)}) {
        EXPECT_THROW(gerador.Generate(path, keys, Versao, Momento, false), Failure);
        NadaGravado(path);
    }

    TempDatabase banco;
    DeclarationFixture fixture;
    TransmissionGenerator gerador;
};

TEST_F(TransmissionGeneratorTest, TwoDeclarationsMatchTheGoldenFileAndAreRecorded) {
    DuasDeclaracoes();
    const int contador = Contador();
    const QString path = Destino();
    gerador.Generate(path, {DeclarationKey(1), DeclarationKey(2)}, Versao, Momento, false);

    const QByteArray bytes = Contents(path);
    const QString golden = QStringLiteral(ZEB_TEST_DATA_DIR "/transmission/two-declarations.zeb");
    if (qEnvironmentVariableIsSet("ZEB_WRITE_GOLDEN")) {
        QFile out(golden);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    EXPECT_EQ(bytes, Contents(golden))
        << "compare " << path.toStdString() << " with " << golden.toStdString();

    const QList<QByteArray> lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 1 + 20 + 3 + 1);
    for (const QByteArray& line : lines)
        EXPECT_EQ(line.size(), LineWidth + 1); // and the CR before the LF
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL "
                                         "WHERE DT_TRANSMISSAO = CURRENT_DATE")),
              0); // the day of the run's moment, not of the machine
    EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL "
                                         "WHERE DT_TRANSMISSAO = '2011-03-05'")),
              2);
    EXPECT_EQ(banco.Count(QStringLiteral("SELECT SQ_TRANSMISSAO FROM TRANSMISSAO_DEF")), contador + 1);
    EXPECT_EQ(Contador(), contador + 1);
    const auto transmitidas = banco.Rows(QStringLiteral(
        "SELECT SQ_DECLARACAO_TRANSMITIDA, ME_REFERENCIA, AN_REFERENCIA, IN_RETIFICADORA, IN_PERIODICIDADE "
        "FROM DECLARACAO_TRANSMITIDA ORDER BY SQ_DECLARACAO_TRANSMITIDA"));
    ASSERT_EQ(transmitidas.size(), 2u);
    EXPECT_EQ(transmitidas[1], (QVariantList{2, 2, 2011, QStringLiteral("N"), QStringLiteral("M")}));
    // The e-mail is refreshed from the taxpayer; the file carries the one the declaration held.
    EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL WHERE "
                                         "NO_CORREIO_ELETRONICO = 'fiscal@empresa.com.br'")),
              2);
    EXPECT_FALSE(bytes.contains("fiscal@empresa.com.br"));
    EXPECT_TRUE(bytes.contains("antigo@empresa.com.br"));
}

TEST_F(TransmissionGeneratorTest, AnExistingFileIsKeptUnlessReplacedAndThenOnlyBySuccess) {
    DuasDeclaracoes();
    const QString path = Destino();
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("anterior");
    }
    EXPECT_THROW(gerador.Generate(path, {DeclarationKey(1), DeclarationKey(2)}, Versao, Momento, false),
                 ETransmissionError);
    EXPECT_EQ(Contents(path), QByteArray("anterior"));
    EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM TRANSMISSAO_DEF")), 0);

    fixture.Execute(
        QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET COMERRO = 'S' WHERE SQ_DECLARACAO = 2"));
    EXPECT_THROW(gerador.Generate(path, {DeclarationKey(1), DeclarationKey(2)}, Versao, Momento, true),
                 ETransmissionError);
    EXPECT_EQ(Contents(path), QByteArray("anterior"));

    fixture.Execute(
        QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET COMERRO = 'N' WHERE SQ_DECLARACAO = 2"));
    gerador.Generate(path, {DeclarationKey(1), DeclarationKey(2)}, Versao, Momento, true);
    EXPECT_TRUE(Contents(path).startsWith("000020110305143015S0.3.3.4"));
}

TEST_F(TransmissionGeneratorTest, TheNextRunIntoAFolderClearsThePartialFilesOfAKilledOne) {
    DuasDeclaracoes();
    const QString path = Destino();
    const QString killed = Destino(QStringLiteral(".ZEB20110301120000.zeb.0123456789abcdef.tmp"));
    const QString running = Destino(QStringLiteral(".ZEB20110305143015.zeb.fedcba9876543210.tmp"));
    const QString others = Destino(QStringLiteral(".notas.txt.tmp"));
    for (const QString& file : {killed, running, others})
        QFile(file).open(QIODevice::WriteOnly);
    QFile held(running);
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    gerador.Generate(path, {DeclarationKey(1), DeclarationKey(2)}, Versao, Momento, false);
    EXPECT_FALSE(QFile::exists(killed));
    EXPECT_TRUE(QFile::exists(running));
    EXPECT_TRUE(QFile::exists(others));
}

TEST_F(TransmissionGeneratorTest, DeclarationsNotValidatedWithoutErrorsAreRefused) {
    DuasDeclaracoes();
    fixture.AddDeclaration({.sq = 3, .ano = 2011, .mes = 3});
    Falha(Destino(), {DeclarationKey(1), DeclarationKey(3)});
    Falha(Destino(), {DeclarationKey(1), DeclarationKey(9)});
}

TEST_F(TransmissionGeneratorTest, ALayoutRowNamingAColumnThatDoesNotExist) {
    DuasDeclaracoes();
    fixture.Execute(QStringLiteral("UPDATE CAMPOS_DEF SET NO_CAMPO = 'NAO_EXISTE' WHERE SQ_CAMPO = 302"));
    Falha(Destino());
}

TEST_F(TransmissionGeneratorTest, ARecordWiderThanTheLine) {
    DuasDeclaracoes();
    fixture.Execute(QStringLiteral("UPDATE CAMPOS_DEF SET NU_TAMANHO_CAMPO = 228 WHERE SQ_CAMPO = 130"));
    Falha(Destino());
}

TEST_F(TransmissionGeneratorTest, AnUnknownFieldType) {
    DuasDeclaracoes();
    fixture.Execute(QStringLiteral("ALTER TABLE CAMPOS_DEF DROP CONSTRAINT CK_CAMPOS_DEF_TP"));
    fixture.Execute(QStringLiteral("UPDATE CAMPOS_DEF SET TP_CAMPO = 'X' WHERE SQ_CAMPO = 1405"));
    Falha(Destino());
}

TEST_F(TransmissionGeneratorTest, ARecordTypeWithoutLayout) {
    DuasDeclaracoes();
    fixture.Execute(QStringLiteral("DELETE FROM CAMPOS_DEF WHERE SQ_TABELA = 17"));
    Falha(Destino());
}

TEST_F(TransmissionGeneratorTest, ANumberWiderThanItsField) {
    DuasDeclaracoes();
    fixture.Execute(QStringLiteral("UPDATE SAIDA_ALC_DECLARADA SET NU_NOTA_FISCAL = 1234567"));
    Falha(Destino());
}

TEST_F(TransmissionGeneratorTest, AnUnwritableFolder) {
    DuasDeclaracoes();
    const QString notAFolder = Destino(QStringLiteral("arquivo"));
    {
        QFile file(notAFolder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString path = notAFolder + QStringLiteral("/ZEB.zeb");
    EXPECT_THROW(gerador.Generate(path, {DeclarationKey(1), DeclarationKey(2)}, Versao, Momento, false),
                 Exception);
    NadaGravado(Destino(QStringLiteral("ZEB.zeb")));
    EXPECT_THROW(gerador.Generate(Destino(QStringLiteral("falta/ZEB.zeb")),
                                  {DeclarationKey(1), DeclarationKey(2)}, Versao, Momento, false),
                 Exception);
    NadaGravado(Destino(QStringLiteral("ZEB.zeb")));
}

TEST_F(TransmissionGeneratorTest, AFullDisk) {
    for (int sq = 1; sq <= 2; ++sq) {
        fixture.AddDeclaration(Validada(sq, 2011, sq));
        fixture.FillBig(sq);
    }
    const std::int64_t lines = 2 * (1 + DeclarationFixture::BigEntries + DeclarationFixture::BigExits +
                                    11 * DeclarationFixture::BigRowsPerTable);
    const std::int64_t fileSize = lines * (LineWidth + 2);
    // Room for the database to grow while the run writes to it, not for the file.
    const std::int64_t limit = QFileInfo(banco.Path()).size() + 4 * 1024 * 1024;
    ASSERT_GT(fileSize, limit);
    const QString path = Destino();
    {
        FileSizeLimit full(static_cast<rlim_t>(limit));
        EXPECT_THROW(gerador.Generate(path, {DeclarationKey(1), DeclarationKey(2)}, Versao, Momento, false),
                     Exception);
    }
    NadaGravado(path);
}

TEST_F(TransmissionGeneratorTest, ADatabaseErrorWhileStampingTheSecondDeclaration) {
    DuasDeclaracoes();
    fixture.Execute(
        QStringLiteral("CREATE TRIGGER FALHA_CARIMBO FOR DECLARACAO_ECONOMICO_FISCAL BEFORE UPDATE AS "
                       "BEGIN IF (NEW.SQ_DECLARACAO = 2 AND NEW.DT_TRANSMISSAO IS NOT NULL) THEN "
                       "NEW.ME_REFERENCIA = 13; END"));
    Falha<EIBError>(Destino());
}

TEST_F(TransmissionGeneratorTest, ADatabaseErrorWhenRecordingAfterTheFileIsComplete) {
    DuasDeclaracoes();
    fixture.Execute(QStringLiteral("ALTER TABLE DECLARACAO_TRANSMITIDA ADD CONSTRAINT FALHA_REGISTRO CHECK "
                                   "(SQ_DECLARACAO_TRANSMITIDA <> 2)"));
    const int contador = Contador();
    Falha<EIBError>(Destino());
    EXPECT_EQ(Contador(), contador);
}
