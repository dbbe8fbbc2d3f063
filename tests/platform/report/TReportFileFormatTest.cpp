// The saved-report format: pages load back as they were saved; damaged,
// foreign and impossible files are refused with a clear error.

#include "tests/platform/report/ReportTestSupport.h"

#include "platform/report/TReportFileFormat.h"
#include "platform/report/TReportImage.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace ReportTest;

namespace {

class TReportFileFormatTest : public ::testing::Test {
protected:
    TReportFileFormatTest() {
        report = MakeListing(&form, QStringLiteral("rptSalvo"), QStringLiteral("Relatório Salvo"),
                             MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 70));
        QImage logo(20, 10, QImage::Format_RGB32);
        logo.fill(QColor(200, 30, 40));
        auto* img = new TReportImage(&form);
        img->SetParent(report->BandOfType(TBandType::rbPageHeader));
        img->SetBounds(300, 2, 20, 10);
        img->SetPicture(logo);
        report->BandOfType(TBandType::rbPageHeader)->SetColor(QColor(0xCC, 0xCC, 0xCC));
        report->Prepare();
        saved = TReportFileFormat::Write({report->ReportPrinter().Title(), report->ReportPrinter().Pages()});
    }

    static void ExpectRefused(const QByteArray& data, const char* why) {
        SCOPED_TRACE(why);
        try {
            TReportFileFormat::Read(data);
            ADD_FAILURE() << "accepted";
        } catch (const EReportFileError& e) {
            EXPECT_FALSE(e.Message().isEmpty());
        }
    }

    // `data` with its header's CRC-32 made to fit the (edited) body again.
    static QByteArray Resealed(QByteArray data) {
        const QByteArray body = data.mid(TReportFileFormat::kHeaderSize);
        quint32 crc = 0xFFFFFFFFu;
        for (char c : body) {
            crc ^= static_cast<uchar>(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        }
        crc ^= 0xFFFFFFFFu;
        for (int i = 0; i < 4; ++i)
            data[TReportFileFormat::kHeaderSize - 4 + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
        return data;
    }

    TComponent form;
    TBandReport* report;
    QByteArray saved;
    QTemporaryDir dir;
};

TEST_F(TReportFileFormatTest, PagesLoadBackAsTheyWereSaved) {
    const QString file = dir.filePath(QStringLiteral("salvo.qrp"));
    report->ReportPrinter().SaveToFile(file);
    TReportPrinter loaded;
    loaded.LoadFromFile(file);

    ASSERT_EQ(loaded.PageCount(), 2);
    EXPECT_EQ(loaded.Title(), QStringLiteral("Relatório Salvo"));
    EXPECT_EQ(loaded.Pages(), report->ReportPrinter().Pages());
    // The logo of both headers is stored once.
    int pictures = 0;
    for (const TPreparedPage& page : loaded.Pages())
        for (const TDrawItem& item : page.Items)
            pictures += item.Kind == TDrawKind::dkImage;
    EXPECT_EQ(pictures, 2);
    EXPECT_EQ(saved.count(QByteArray("\x89PNG")), 1);
    EXPECT_EQ(TextPages(loaded), TextPages(report->ReportPrinter()));
}

TEST_F(TReportFileFormatTest, DamagedAndForeignFilesAreRefused) {
    ExpectRefused(QByteArray(), "empty");
    ExpectRefused(QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj"), "foreign");
    ExpectRefused(saved.left(saved.size() - 1), "truncated");
    ExpectRefused(saved.left(TReportFileFormat::kHeaderSize), "header only");
    ExpectRefused(saved + QByteArray("x"), "trailing byte");
    QByteArray flipped = saved;
    flipped[saved.size() / 2] = static_cast<char>(flipped[saved.size() / 2] ^ 0x20);
    ExpectRefused(flipped, "flipped byte");
    QByteArray version = saved;
    version[8] = 2;
    ExpectRefused(version, "later version");
}

TEST_F(TReportFileFormatTest, ImpossibleCountsAreRefusedBeforeAllocating) {
    // A page count far beyond what the body can hold, with a sound checksum.
    QByteArray pages = saved;
    for (int i = 0; i < 4; ++i)
        pages[16 + i] = static_cast<char>(0xFF);
    ExpectRefused(Resealed(pages), "page count");

    QByteArray images = saved;
    for (int i = 0; i < 4; ++i)
        images[12 + i] = static_cast<char>(0xFF);
    ExpectRefused(Resealed(images), "picture count");

    // The first page's item count, after the title and the single picture.
    const QByteArray title = QStringLiteral("Relatório Salvo").toUtf8();
    qsizetype offset = TReportFileFormat::kHeaderSize + 4 + title.size();
    quint32 pngSize = 0;
    for (int i = 0; i < 4; ++i)
        pngSize |= static_cast<quint32>(static_cast<uchar>(saved[offset + i])) << (8 * i);
    offset += 4 + pngSize + 16;
    QByteArray items = saved;
    for (int i = 0; i < 4; ++i)
        items[offset + i] = static_cast<char>(0xFF);
    ExpectRefused(Resealed(items), "item count");

    // The same checksum trick leaves a sound file sound.
    EXPECT_NO_THROW(TReportFileFormat::Read(Resealed(saved)));
}

TEST_F(TReportFileFormatTest, AFailedLoadKeepsThePagesHeldBefore) {
    const QString file = dir.filePath(QStringLiteral("estragado.qrp"));
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(saved.left(saved.size() / 2));
    damaged.close();

    TReportPrinter& printer = report->ReportPrinter();
    EXPECT_THROW(printer.LoadFromFile(file), EReportFileError);
    EXPECT_THROW(printer.LoadFromFile(dir.filePath(QStringLiteral("nao-existe.qrp"))), EReportFileError);
    EXPECT_EQ(printer.PageCount(), 2);
}

} // namespace
