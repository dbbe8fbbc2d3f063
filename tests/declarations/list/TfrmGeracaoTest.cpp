#include "declarations/list/TfrmGeracao.h"

#include "core/forms/TfrmModPrincipal.h"
#include "declarations/list/TfrmDlgGeracao.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDBGrid.h"
#include "tests/declarations/list/TfrmGeracaoFixture.h"
#include "tests/support/input/UserInput.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QImage>
#include <QTableView>

using TfrmGeracaoTest = TfrmGeracaoFixture;
using Chaves = std::vector<int>;

TEST_F(TfrmGeracaoTest, OffersTheDeclarationsValidatedWithoutErrorsAndWithTheBoxOnOnlyThoseNotGenerated) {
    EXPECT_TRUE(geracao->cbNao_Geradas->Checked());
    EXPECT_EQ(Listadas(), (Chaves{1, 5}));
    Seleciona({1});
    UserInput::Click(geracao->cbNao_Geradas);
    EXPECT_EQ(Listadas(), (Chaves{1, 2, 5}));
    EXPECT_EQ(geracao->dbgGeracao->SelectedRows().Count(), 0);
    UserInput::Click(geracao->cbNao_Geradas);
    EXPECT_EQ(Listadas(), (Chaves{1, 5}));
}

TEST_F(TfrmGeracaoTest, WithoutASelectedRowTheDialogDoesNotOpen) {
    prompter.Answer(mrOk);
    bool aberto = false;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject*) { aberto = true; });
    geracao->acGerar->Execute();
    Application->OnModalBegin = nullptr;
    EXPECT_FALSE(aberto);
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Pelo menos uma Declaração deve estar selecionada!"));
}

TEST_F(TfrmGeracaoTest, AGeneratedDeclarationShowsItsMarkInsteadOfTheDate) {
    UserInput::Click(geracao->cbNao_Geradas);
    ASSERT_TRUE(def->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1));
    Application->ProcessMessages();
    QTableView* view = geracao->dbgGeracao->View();
    auto verdes = [view](int row) {
        const QImage cell = view->viewport()->grab(view->visualRect(view->model()->index(row, 5))).toImage();
        int count = 0;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x) {
                const QColor c = cell.pixelColor(x, y);
                count += c.green() > 100 && c.red() < 80 && c.blue() < 100 ? 1 : 0;
            }
        return count;
    };
    EXPECT_EQ(verdes(0), 0);
    EXPECT_GT(verdes(1), 5); // declaration 2, generated

    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(pasta));
    ASSERT_TRUE(principal->Widget()->grab().toImage().save(pasta + QStringLiteral("/generation-window.png")));
}

TEST_F(TfrmGeracaoTest, ClosingDropsTheFilterAndClosesTheSharedList) {
    geracao->acSair->Execute();
    Application->ProcessMessages();
    EXPECT_FALSE(def->cdsSelDeclaracao->Active());
    EXPECT_FALSE(def->cdsSelDeclaracao->Filtered());
    EXPECT_TRUE(def->cdsSelDeclaracao->Filter().isEmpty());
}
