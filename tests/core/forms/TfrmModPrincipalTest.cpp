#include "core/forms/TfrmModPrincipal.h"
#include "core/forms/TfrmAbout.h"
#include "core/forms/TfrmModDialogo.h"
#include "core/util/SystemIdentity.h"
#include "core/util/TExeVer.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TBevel.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"
#include "platform/ui/TTimer.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <gtest/gtest.h>

#include <sys/sysinfo.h>

namespace {

class ModPrincipal : public ::testing::Test {
protected:
    ModPrincipal() { principal = Application->CreateForm<TfrmModPrincipal>(); }
    ~ModPrincipal() override {
        Application->OnModalBegin = nullptr;
        delete principal;
    }

    TfrmModPrincipal* principal;
};

} // namespace

TEST(IdentidadeSistema, DisplayNameStopsBeforeTheStateKeepingTheBlank) {
    EXPECT_TRUE(NomeOrgao.startsWith(NomeOrgaoExibicao()));
    EXPECT_TRUE(NomeOrgaoExibicao().endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(NomeOrgaoExibicao().contains(QStringLiteral("Korvit")));
    EXPECT_EQ(TituloSistema, QStringLiteral("ZEB-ICMS - ") + NomeProduto);
    EXPECT_EQ(CodigoSistema, QStringLiteral("KORVIT"));
    EXPECT_TRUE(NomeUsuario.isEmpty());
}

TEST_F(ModPrincipal, CreationReadsTheVersionIntoCaptionAndStatusBar) {
    EXPECT_FALSE(principal->Widget()->isVisible());
    EXPECT_EQ(principal->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(principal->Caption(), QStringLiteral("ZEB-ICMS"));
    ASSERT_EQ(principal->sbApp->PanelCount(), 3);
    EXPECT_EQ(principal->sbApp->Panels(0)->Text(), QStringLiteral("0.3.3.4 ZEB"));
    EXPECT_EQ(principal->sbApp->Panels(1)->Width(), 400);
    EXPECT_EQ(principal->FormStyle(), TFormStyle::fsMDIForm);
}

TEST_F(ModPrincipal, ShowDrawsTheAuthorityNameWithItsShadowOnTheClientArea) {
    principal->Show();
    TLabel* nome = principal->NomeOrgaoLabel();
    TLabel* sombra = principal->NomeOrgaoSombra();
    ASSERT_NE(nome, nullptr);
    ASSERT_NE(sombra, nullptr);
    EXPECT_EQ(nome->Caption(), NomeOrgaoExibicao());
    EXPECT_EQ(sombra->Caption(), NomeOrgaoExibicao());
    EXPECT_EQ(sombra->Left(), nome->Left() - 2);
    EXPECT_EQ(sombra->Top(), nome->Top() - 2);
    EXPECT_EQ(nome->Top(), principal->lblSigla->Top());
    EXPECT_GT(nome->Left(), principal->lblSigla->Left());
    EXPECT_TRUE(nome->Font().bold());
    // Beneath the document windows, above the background; the shadow on top.
    QWidget* area = principal->MdiArea()->viewport();
    EXPECT_EQ(nome->Widget()->parentWidget(), area);
    const QObjectList filhos = area->children();
    EXPECT_LT(filhos.indexOf(nome->Widget()), filhos.indexOf(sombra->Widget()));
    EXPECT_EQ(principal->MdiArea()->background().style(), Qt::TexturePattern);

    principal->Hide();
    principal->Show();
    EXPECT_EQ(principal->NomeOrgaoLabel(), nome); // once only
}

TEST_F(ModPrincipal, AboutBoxShowsProductVersionAuthorityAndMemory) {
    principal->evApp->SeteMail(QStringLiteral("suporte@exemplo.kv"));
    principal->evApp->SetCustomInfo(QStringLiteral("Linha extra"));
    QString sysInfo, sigla, secretaria, email, memoria;
    bool listaVisivel = true;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* about = dynamic_cast<TfrmAbout*>(sender);
        ASSERT_NE(about, nullptr);
        sysInfo = about->mmSysInfo->Text();
        sigla = about->lblSigla->Caption();
        secretaria = about->lblSecretaria->Caption();
        email = about->lblEmail->Caption();
        memoria = about->lblMemTotal->Caption();
        listaVisivel = about->lstDatabases->Visible();
        about->SetModalResult(mrOk);
    });
    principal->acSobre->Execute();
    EXPECT_EQ(sysInfo, QStringLiteral("ZEB-ICMS\nVersão 0.3.3.4\nLinha extra"));
    EXPECT_EQ(sigla, SiglaOrgao);
    EXPECT_EQ(secretaria, NomeOrgao);
    EXPECT_EQ(email, QStringLiteral("suporte@exemplo.kv"));
    EXPECT_TRUE(memoria.endsWith(QStringLiteral(" KB")));
    EXPECT_FALSE(listaVisivel);
}

TEST(TfrmAbout, WithoutDatabasesTheBoxIsShorter) {
    std::unique_ptr<TfrmAbout> about(TForm::Create<TfrmAbout>(nullptr));
    EXPECT_EQ(about->ClientHeight(), 308 - 68);
    EXPECT_EQ(about->tmrUpdate->Interval(), 2000);
    about->pnBotoesDblClick(nullptr);
    EXPECT_FALSE(about->tmrUpdate->Enabled());
    about->pnBotoesDblClick(nullptr);
    EXPECT_TRUE(about->tmrUpdate->Enabled());
}

namespace {

// The figure of a memory label ("1.234.567 KB"), in KiB; -1 when it shows none.
long long Kilobytes(const QString& caption) {
    if (!caption.endsWith(QStringLiteral(" KB")))
        return -1;
    QString digits = caption.chopped(3).trimmed();
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const long long value = digits.toLongLong(&ok);
    return ok ? value : -1;
}

} // namespace

TEST(TfrmAbout, MemoryFiguresAreTheSystems) {
    std::unique_ptr<TfrmAbout> about(TForm::Create<TfrmAbout>(nullptr));
    struct sysinfo system {};
    ASSERT_EQ(::sysinfo(&system), 0);
    const long long total = static_cast<long long>(system.totalram) * system.mem_unit / 1024;
    EXPECT_EQ(Kilobytes(about->lblMemTotal->Caption()), total) << about->lblMemTotal->Caption().toStdString();
    const long long inUse = Kilobytes(about->lblMemInUse->Caption());
    EXPECT_GT(inUse, 0) << about->lblMemInUse->Caption().toStdString();
    EXPECT_LT(inUse, total);
}

TEST(TfrmAbout, EveryLabelFitsItsWindow) {
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

TEST(TfrmModDialogo, ButtonPanelSitsAtTheBottomUnderItsLine) {
    std::unique_ptr<TfrmModDialogo> dialogo(TForm::Create<TfrmModDialogo>(nullptr));
    dialogo->Show();
    EXPECT_EQ(dialogo->ClientWidth(), 377);
    EXPECT_EQ(dialogo->ClientHeight(), 286);
    EXPECT_EQ(dialogo->pnBotoes->Top() + dialogo->pnBotoes->Height(), dialogo->ClientHeight());
    EXPECT_EQ(dialogo->bvBotoes->Top() + dialogo->bvBotoes->Height(), dialogo->pnBotoes->Top());
}
