#include "core/forms/DocumentWindows.h"
#include "core/forms/TfrmModPrincipal.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class TfrmDocTeste : public TfrmModDocumento {
public:
    TfrmDocTeste(TComponent* owner, int id) : TfrmModDocumento(owner, id) {
        SetFormStyle(TFormStyle::fsMDIChild);
        SetClientWidth(200);
        SetClientHeight(120);
    }
};

class TfrmDocDerivado : public TfrmDocTeste {
public:
    using TfrmDocTeste::TfrmDocTeste;
};

// Records the document windows its owner saw come and go.
class TfrmPrincipalTeste : public TfrmModPrincipal {
public:
    using TfrmModPrincipal::TfrmModPrincipal;
    void DocumentNotification(TfrmModDocumento* document, TOperation operation) override {
        eventos.push_back((operation == TOperation::opInsert ? QStringLiteral("+") : QStringLiteral("-")) +
                          document->ClassName() + QString::number(document->DocumentId()));
    }
    std::vector<QString> eventos;
};

class DocumentWindows : public ::testing::Test {
protected:
    DocumentWindows() {
        principal = Application->CreateForm<TfrmPrincipalTeste>();
        principal->Show();
    }
    ~DocumentWindows() override {
        delete principal;
        Application->ProcessMessages();
    }

    TfrmPrincipalTeste* principal;
};

} // namespace

TEST(DocumentClassName, IsTheExactClassWithoutNamespace) {
    EXPECT_EQ(TfrmModDocumento::ClassNameOf(typeid(TfrmDocTeste)), QStringLiteral("TfrmDocTeste"));
    EXPECT_EQ(TfrmModDocumento::ClassNameOf(typeid(TfrmDocDerivado)), QStringLiteral("TfrmDocDerivado"));
}

TEST_F(DocumentWindows, SameClassWithIdMinusOneGivesOneWindowRestoredAndInFront) {
    auto* primeira = ShowDocument<TfrmDocTeste>(principal, -1);
    ASSERT_EQ(principal->MDIChildCount(), 1);
    primeira->SetWindowState(TWindowState::wsMinimized);
    auto* outra = ShowDocument<TfrmDocDerivado>(principal, -1);
    ASSERT_EQ(principal->ActiveMDIChild(), outra);

    auto* segunda = ShowDocument<TfrmDocTeste>(principal, -1);
    EXPECT_EQ(segunda, primeira);
    EXPECT_EQ(principal->MDIChildCount(), 2);
    EXPECT_EQ(primeira->WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(principal->ActiveMDIChild(), primeira);
}

TEST_F(DocumentWindows, AnIdPicksItsOwnWindowAndMinusOneAnyOfTheClass) {
    auto* dois = ShowDocument<TfrmDocTeste>(principal, 2);
    auto* um = ShowDocument<TfrmDocTeste>(principal, 1);
    EXPECT_NE(um, dois);
    EXPECT_EQ(um->DocumentId(), 1);
    EXPECT_EQ(ShowDocument<TfrmDocTeste>(principal, 2), dois);
    EXPECT_EQ(FindDocument(QStringLiteral("TfrmDocTeste"), -1), dois); // the most recently active first
    EXPECT_EQ(FindDocument(QStringLiteral("TfrmDocTeste"), 3), nullptr);
    EXPECT_EQ(principal->MDIChildCount(), 2);
}

TEST_F(DocumentWindows, ADerivedClassIsNotFoundByItsParentsName) {
    ShowDocument<TfrmDocDerivado>(principal, -1);
    EXPECT_EQ(FindDocument(QStringLiteral("TfrmDocTeste"), -1), nullptr);
    EXPECT_NE(FindDocument(QStringLiteral("TfrmDocDerivado"), -1), nullptr);
    ShowDocument<TfrmDocTeste>(principal, -1);
    EXPECT_EQ(principal->MDIChildCount(), 2);
}

TEST_F(DocumentWindows, EachNewChildOpensOneCaptionHeightFurther) {
    const int legenda = Screen->CaptionHeight();
    ASSERT_GT(legenda, 0);
    std::vector<TfrmDocTeste*> janelas;
    for (int id = 1; id <= 4; ++id)
        janelas.push_back(ShowDocument<TfrmDocTeste>(principal, id));
    EXPECT_EQ(janelas[0]->MdiSubWindow()->pos(), QPoint(0, 0));
    EXPECT_EQ(janelas[1]->MdiSubWindow()->pos(), QPoint(legenda, legenda));
    EXPECT_EQ(janelas[3]->MdiSubWindow()->pos(), QPoint(3 * legenda, 3 * legenda));

    // Closing windows lowers the offset of the next one.
    janelas[3]->Close();
    janelas[2]->Close();
    Application->ProcessMessages();
    ASSERT_EQ(principal->MDIChildCount(), 2);
    auto* nova = ShowDocument<TfrmDocTeste>(principal, 9);
    EXPECT_EQ(nova->MdiSubWindow()->pos(), QPoint(2 * legenda, 2 * legenda));
}

TEST_F(DocumentWindows, ClosedChildrenAreFreedAndTheOwnerHearsOfBoth) {
    auto* janela = ShowDocument<TfrmDocTeste>(principal, 7);
    ShowDocument<TfrmDocDerivado>(principal, -1);
    janela->Close();
    Application->ProcessMessages();
    EXPECT_EQ(principal->MDIChildCount(), 1);
    EXPECT_EQ(FindDocument(QStringLiteral("TfrmDocTeste"), 7), nullptr);
    EXPECT_EQ(principal->eventos,
              (std::vector<QString>{QStringLiteral("+TfrmDocTeste7"), QStringLiteral("+TfrmDocDerivado-1"),
                                    QStringLiteral("-TfrmDocTeste7")}));
}

TEST_F(DocumentWindows, TheMainWindowClosesItsChildrenOrRefusesWhileOneStays) {
    auto* teimosa = ShowDocument<TfrmDocTeste>(principal, 1);
    ShowDocument<TfrmDocTeste>(principal, 2);
    teimosa->OnCloseQuery =
        TCloseQueryEvent::fromFunction([](TObject*, bool& canClose) { canClose = false; });
    TCloseAction acao = TCloseAction::caHide;
    principal->FormClose(principal, acao);
    EXPECT_EQ(acao, TCloseAction::caNone);
    EXPECT_EQ(principal->MDIChildCount(), 1);

    teimosa->OnCloseQuery = nullptr;
    acao = TCloseAction::caHide;
    principal->FormClose(principal, acao);
    EXPECT_EQ(acao, TCloseAction::caHide);
    EXPECT_EQ(principal->MDIChildCount(), 0);
}
