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

class TfrmModPrincipalTest : public ::testing::Test {
protected:
    TfrmModPrincipalTest() { principal = Application->CreateForm<TfrmModPrincipal>(); }
    ~TfrmModPrincipalTest() override {
        Application->OnModalBegin = nullptr;
        delete principal;
    }

    TfrmModPrincipal* principal;
};

} // namespace

TEST_F(TfrmModPrincipalTest, CreationReadsTheVersionIntoCaptionAndStatusBar) {
    EXPECT_FALSE(principal->Widget()->isVisible());
    EXPECT_EQ(principal->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(principal->Caption(), QStringLiteral("ZEB-ICMS"));
    ASSERT_EQ(principal->sbApp->PanelCount(), 3);
    EXPECT_EQ(principal->sbApp->Panels(0)->Text(), QStringLiteral("0.3.3.4 ZEB"));
    EXPECT_EQ(principal->sbApp->Panels(1)->Width(), 400);
    EXPECT_EQ(principal->FormStyle(), TFormStyle::fsMDIForm);
}

TEST_F(TfrmModPrincipalTest, ShowDrawsTheAuthorityNameWithItsShadowOnTheClientArea) {
    principal->Show();
    TLabel* nome = principal->AuthorityNameLabel();
    TLabel* sombra = principal->AuthorityNameShadow();
    ASSERT_NE(nome, nullptr);
    ASSERT_NE(sombra, nullptr);
    EXPECT_EQ(nome->Caption(), AuthorityDisplayName());
    EXPECT_EQ(sombra->Caption(), AuthorityDisplayName());
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
    EXPECT_EQ(principal->AuthorityNameLabel(), nome); // once only
}

TEST_F(TfrmModPrincipalTest, AboutBoxShowsProductVersionAuthorityAndMemory) {
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
    EXPECT_EQ(sigla, AuthorityAcronym);
    EXPECT_EQ(secretaria, AuthorityName);
    EXPECT_EQ(email, QStringLiteral("suporte@exemplo.kv"));
    EXPECT_TRUE(memoria.endsWith(QStringLiteral(" KB")));
    EXPECT_FALSE(listaVisivel);
}

namespace {

// The figure of a memory label ("1.234.567 KB"), in KiB; -1 when it shows none.
} // namespace
