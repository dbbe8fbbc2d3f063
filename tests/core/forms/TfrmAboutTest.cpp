// The about box: its size, its timer and the memory figures of the system.

#include "core/forms/TfrmAbout.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/sysinfo.h>
#include <utility>

namespace {

TEST(TfrmAboutTest, WithoutDatabasesTheBoxIsShorter) {
    std::unique_ptr<TfrmAbout> about(TForm::Create<TfrmAbout>(nullptr));
    EXPECT_EQ(about->ClientHeight(), 308 - 68);
    EXPECT_EQ(about->tmrUpdate->Interval(), 2000);
    about->pnBotoesDblClick(nullptr);
    EXPECT_FALSE(about->tmrUpdate->Enabled());
    about->pnBotoesDblClick(nullptr);
    EXPECT_TRUE(about->tmrUpdate->Enabled());
}

long long Kilobytes(const QString& caption) {
    if (!caption.endsWith(QStringLiteral(" KB")))
        return -1;
    QString digits = caption.chopped(3).trimmed();
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const long long value = digits.toLongLong(&ok);
    return ok ? value : -1;
}

TEST(TfrmAboutTest, MemoryFiguresAreTheSystems) {
    std::unique_ptr<TfrmAbout> about(TForm::Create<TfrmAbout>(nullptr));
    struct sysinfo system {};
    ASSERT_EQ(::sysinfo(&system), 0);
    const long long total = static_cast<long long>(system.totalram) * system.mem_unit / 1024;
    EXPECT_EQ(Kilobytes(about->lblMemTotal->Caption()), total) << about->lblMemTotal->Caption().toStdString();
    const long long inUse = Kilobytes(about->lblMemInUse->Caption());
    EXPECT_GT(inUse, 0) << about->lblMemInUse->Caption().toStdString();
    EXPECT_LT(inUse, total);
}

TEST(TfrmAboutTest, EveryLabelFitsItsWindow) {
    std::unique_ptr<TfrmAbout> about(TForm::Create<TfrmAbout>(nullptr));
    // The longest texts the program hands over: the main window's support address.
    about->SetTexts(QStringLiteral("ZEB-ICMS"), QStringLiteral("0.3.3.4"), QString(),
                    QStringLiteral("suporte.zeb@sefaz.kv.gov.br"));
    about->Show();
    QApplication::processEvents();
    const QRect client = about->ClientWidget()->rect();
    int labels = 0;
    for (int i = 0; i < about->ComponentCount(); ++i) {
        auto* label = dynamic_cast<TLabel*>(about->Components(i));
        if (!label || !label->Visible() || label->Caption().isEmpty())
            continue;
        ++labels;
        SCOPED_TRACE(label->Name().toStdString());
        QWidget* widget = label->Widget();
        // The whole text inside the label, the label inside its parent and the window.
        const QFontMetrics metrics(widget->font());
        if (label->WordWrap())
            EXPECT_LE(
                metrics.boundingRect(QRect(0, 0, widget->width(), 10000), Qt::TextWordWrap, label->Caption())
                    .height(),
                widget->height());
        else
            EXPECT_LE(metrics.horizontalAdvance(label->Caption()), widget->width());
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
            << widget->geometry().x() << "," << widget->geometry().y() << " " << widget->width() << "x"
            << widget->height() << " in " << widget->parentWidget()->width() << "x"
            << widget->parentWidget()->height();
        const QRect onWindow(widget->mapTo(about->ClientWidget(), QPoint(0, 0)), widget->size());
        EXPECT_TRUE(client.contains(onWindow));
    }
    EXPECT_GE(labels, 8);
    // A figure never runs into the text before it.
    for (auto [text, figure] :
         {std::pair{"lblMemoriaUso", about->lblMemInUse}, std::pair{"lblMemoriaTotal", about->lblMemTotal}}) {
        auto* caption = dynamic_cast<TLabel*>(about->FindComponent(QLatin1String(text)));
        ASSERT_NE(caption, nullptr) << text;
        EXPECT_LT(caption->BoundsRight(), figure->Left()) << text;
    }
    const QString pastaImagens = QStringLiteral(ZEB_BUILD_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(pastaImagens);
    EXPECT_TRUE(about->Widget()->grab().save(pastaImagens + QStringLiteral("/about-box.png")));
}

} // namespace
