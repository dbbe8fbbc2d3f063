#include "declarations/list/TfrmDlgValidacao.h"

#include "components/report/TfrmPreview.h"
#include "core/data/TDMDef.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/report/TTextExportFilter.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TImageList.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/database/DeclarationFixture.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Linha {
    QString icone;
    QString codigo;
    QString tipo;
    QString mensagem;
    QString descricao;
};

struct Libera {
    void operator()(TfrmDlgValidacao* form) const { form->Free(); }
};
using Janela = std::unique_ptr<TfrmDlgValidacao, Libera>;

} // namespace

class TfrmDlgValidacaoTest : public DataModules {
protected:
    TfrmDlgValidacaoTest() : fixture(*geral->ibDBDef) { fixture.Taxpayer(); }

    // A declaration without movement, which passes every rule unless changed.
    DeclarationFixture::Declaration Limpa(int sq) {
        DeclarationFixture::Declaration d;
        d.sq = sq;
        d.semMovOperProp = d.semMovSubstTribut = d.semMovOutrosICMS = d.semMovAlcZfm = QStringLiteral("S");
        return d;
    }

    // The window over the declaration, created the way the list creates it.
    Janela Valida(int sq) {
        def->cdsSelDeclaracao->Close();
        def->cdsSelDeclaracao->Open();
        EXPECT_TRUE(def->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), sq));
        return Janela(TfrmModDocumento::CreateDocument<TfrmDlgValidacao>(nullptr, -1));
    }

    std::vector<Linha> Linhas(TfrmDlgValidacao& janela) {
        std::vector<Linha> linhas;
        TClientDataSet* set = janela.cdsValidacao;
        auto campo = [set](const char* nome) {
            return set->FieldByName(QString::fromLatin1(nome))->AsString();
        };
        for (set->First(); !set->Eof(); set->Next())
            linhas.push_back(
                {campo("Icone"), campo("Codigo"), campo("Tipo"), campo("Mensagem"), campo("Descricao")});
        set->First();
        return linhas;
    }

    // Pixels of the icon cell of a row: how many are red (error) and yellow (warning).
    std::pair<int, int> Cores(TfrmDlgValidacao& janela, int row) {
        janela.Show();
        Application->ProcessMessages();
        QTableView* view = janela.dbgValidacao->View();
        const QRect cell = view->visualRect(view->model()->index(row, 0));
        const QImage image = view->viewport()->grab(cell).toImage();
        int red = 0;
        int yellow = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
                    ++red;
                else if (c.red() > 200 && c.green() > 150 && c.blue() < 80)
                    ++yellow;
            }
        return {red, yellow};
    }

    DeclarationFixture fixture;
};

TEST_F(TfrmDlgValidacaoTest, FindingsInTheOrderRaisedWithTheirKindsAndStoredMessages) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.representante.clear();
    fixture.AddDeclaration(d);
    fixture.AddEntry(1, 1949, {});
    Janela janela = Valida(1);
    const std::vector<Linha> linhas = Linhas(*janela);
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0].icone, QStringLiteral("E"));
    EXPECT_EQ(linhas[0].codigo, QStringLiteral("200"));
    EXPECT_EQ(linhas[0].tipo, QStringLiteral("Erro"));
    EXPECT_EQ(linhas[0].mensagem, Mensagem(200));
    EXPECT_EQ(linhas[0].descricao, QStringLiteral("O Nome do Representante Legal não informado."));
    EXPECT_EQ(linhas[1].icone, QStringLiteral("A"));
    EXPECT_EQ(linhas[1].codigo, QStringLiteral("318"));
    EXPECT_EQ(linhas[1].tipo, QStringLiteral("Advertência"));
    EXPECT_EQ(linhas[1].descricao, QStringLiteral("Operações Próprias - Entradas (Código: 1949)"));
    EXPECT_EQ(janela->Caption(),
              QStringLiteral("Resultado da Validação   ( Inscrição : 12.345.674  -  Período : "
                             "01/2011  -  Tipo : Normal )"));

    const auto [vermelho, amarelo] = Cores(*janela, 0);
    EXPECT_GT(vermelho, 20);
    EXPECT_EQ(amarelo, 0);
    const auto [vermelho2, amarelo2] = Cores(*janela, 1);
    EXPECT_EQ(vermelho2, 0);
    EXPECT_GT(amarelo2, 20);

    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(pasta));
    ASSERT_TRUE(janela->Widget()->grab().toImage().save(pasta + QStringLiteral("/validation-window.png")));
}

TEST_F(TfrmDlgValidacaoTest, ACodeWithoutItsStoredMessageCountsAsAnError) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.representante.clear();
    fixture.AddDeclaration(d);
    Executa(QStringLiteral("DELETE FROM TIPO_ERRO_DECLARACAO WHERE CO_ERRO = 200"));
    Janela janela = Valida(1);
    const std::vector<Linha> linhas = Linhas(*janela);
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].icone, QStringLiteral("E"));
    EXPECT_EQ(linhas[0].tipo, QStringLiteral("Erro"));
    EXPECT_EQ(linhas[0].mensagem, QStringLiteral("Erro não descrito na tabela de Erros!"));
}

TEST_F(TfrmDlgValidacaoTest, WithoutFindingsTheResultIsEmptyAndARectificationShowsItsType) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.retificadora = QStringLiteral("S");
    d.nuRetificadora = 2;
    d.mes = 9;
    fixture.AddDeclaration(d);
    Janela janela = Valida(1);
    EXPECT_TRUE(janela->cdsValidacao->Active());
    EXPECT_TRUE(janela->cdsValidacao->IsEmpty());
    EXPECT_TRUE(
        janela->Caption().endsWith(QStringLiteral("Período : 09/2011  -  Tipo : Retificadora [2] )")));
    const auto [vermelho, amarelo] = Cores(*janela, 0);
    EXPECT_EQ(vermelho + amarelo, 0);
}

TEST_F(TfrmDlgValidacaoTest, NavigationFollowsTheRowAndLongDetailsAreCut) {
    fixture.AddDeclaration(Limpa(1));
    Janela janela = Valida(1);
    janela->PutErro(200, QString(400, QLatin1Char('x')));
    janela->PutErro(318, QStringLiteral("b"));
    janela->PutErro(318, QStringLiteral("c"));
    janela->acFirst->Execute();
    EXPECT_FALSE(janela->acFirst->Enabled());
    EXPECT_FALSE(janela->acPrior->Enabled());
    EXPECT_TRUE(janela->acNext->Enabled());
    EXPECT_EQ(janela->cdsValidacao->FieldByName(QStringLiteral("Descricao"))->AsString().size(), 300);
    janela->acLast->Execute();
    EXPECT_TRUE(janela->acFirst->Enabled());
    EXPECT_FALSE(janela->acNext->Enabled());
    EXPECT_FALSE(janela->acLast->Enabled());
    EXPECT_EQ(janela->cdsValidacao->FieldByName(QStringLiteral("Descricao"))->AsString(),
              QStringLiteral("c"));
    janela->acPrior->Execute();
    EXPECT_EQ(janela->cdsValidacao->FieldByName(QStringLiteral("Descricao"))->AsString(),
              QStringLiteral("b"));
    EXPECT_TRUE(janela->acNext->Enabled());
}

TEST_F(TfrmDlgValidacaoTest, AFailingQueryLeavesNoWindowAndNothingToRecord) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.representante.clear();
    fixture.AddDeclaration(d);
    Executa(QStringLiteral("DROP TABLE OUTRO_ICMS_DEVIDO"));
    prompter.Answer(mrOk);
    def->cdsSelDeclaracao->Open();
    ASSERT_TRUE(def->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1));
    EXPECT_THROW(TfrmModDocumento::CreateDocument<TfrmDlgValidacao>(nullptr, -1), EAbort);
    EXPECT_EQ(prompter.Last().Text, Mensagem(300));
}

TEST_F(TfrmDlgValidacaoTest, ClosingRefreshesTheListAndFreesTheWindow) {
    fixture.AddDeclaration(Limpa(1));
    Janela janela = Valida(1);
    Executa(
        QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET COMERRO = 'N', DT_VALIDACAO = '2011-02-01'"));
    TfrmDlgValidacao* aberta = janela.release();
    QPointer<QObject> vigia(aberta);
    aberta->acSair->Execute();
    Application->ProcessMessages();
    EXPECT_TRUE(vigia.isNull());
    EXPECT_EQ(def->cdsSelDeclaracao->FieldByName(QStringLiteral("COMERRO"))->AsString(), QStringLiteral("N"));
}

TEST_F(TfrmDlgValidacaoTest, ThePrintedListThroughTheTextExport) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.representante.clear();
    fixture.AddDeclaration(d);
    fixture.AddEntry(1, 1949, {});
    Janela janela = Valida(1);
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("erros.txt"));
    prompter.AnswerWith([&](const TPromptRequest& request) {
        auto* preview =
            dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window)));
        EXPECT_NE(preview, nullptr);
        if (preview)
            TTextExportFilter().ExportPages(*preview->Report(), arquivo);
        return TPromptResult{mrOk, {}};
    });
    janela->acPrint->Execute();
    QFile file(arquivo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(file.readAll());
    for (const QString& esperado :
         {QStringLiteral("Relatório de Erros e/ou Advertências"), QStringLiteral("Inscrição Estadual:"),
          QStringLiteral("12.345.674"), QStringLiteral("11.222.333/0001-81"), QStringLiteral("Razão Social:"),
          QStringLiteral("Empresa Teste"), QStringLiteral("Tipo:"), QStringLiteral("Normal"),
          QStringLiteral("Código"), QStringLiteral("Mensagem"), QStringLiteral("Descrição"), Mensagem(200),
          QStringLiteral("Advertência"), QStringLiteral("318"), QStringLiteral("(Código: 1949)"),
          QStringLiteral("rptErrosValidacao")})
        EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
    // The findings in their order: the error before the warning.
    EXPECT_LT(texto.indexOf(Mensagem(200)), texto.indexOf(QStringLiteral("(Código: 1949)")));
}
