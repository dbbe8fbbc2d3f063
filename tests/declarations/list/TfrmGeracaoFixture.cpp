#include "tests/declarations/list/TfrmGeracaoFixture.h"

#include "core/forms/DocumentWindows.h"
#include "core/forms/TfrmModPrincipal.h"
#include "declarations/list/TfrmDlgGeracao.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBGrid.h"
#include "tests/support/input/UserInput.h"

#include <algorithm>

TfrmGeracaoFixture::TfrmGeracaoFixture() : fixture(*geral->ibDBDef) {
    fixture.Taxpayer(DeclarationFixture::DefaultInscricao, QStringLiteral("Empresa Teste"),
                     QStringLiteral("fiscal@empresa.com.br"));
    for (int sq = 1; sq <= 5; ++sq) {
        DeclarationFixture::Declaration d;
        d.sq = sq;
        d.mes = sq;
        if (sq != 4) {
            d.validacao = QDate(2011, 8, 1);
            d.comErro = sq == 3 ? QStringLiteral("S") : QStringLiteral("N");
        }
        if (sq == 2)
            d.transmissao = QDate(2011, 8, 2);
        fixture.AddDeclaration(d);
    }
    fixture.FillSmall(1);
    principal = Application->CreateForm<TfrmModPrincipal>();
    principal->Show();
    geracao = ShowDocument<TfrmGeracao>(principal, -1);
}

TfrmGeracaoFixture::~TfrmGeracaoFixture() {
    Application->OnModalBegin = nullptr;
    delete principal;
    Application->ProcessMessages();
}

std::vector<int> TfrmGeracaoFixture::Listadas() {
    std::vector<int> chaves;
    TClientDataSet* lista = def->cdsSelDeclaracao;
    for (lista->First(); !lista->Eof(); lista->Next())
        chaves.push_back(lista->FieldByName(QStringLiteral("SQ_DECLARACAO"))->AsInteger());
    return chaves;
}

void TfrmGeracaoFixture::Seleciona(std::initializer_list<int> chaves) {
    // The first with a click, the others with Ctrl+click, on their rows.
    Qt::KeyboardModifiers tecla = Qt::NoModifier;
    for (const int chave : chaves) {
        const std::vector<int> listadas = Listadas();
        const auto linha = std::find(listadas.begin(), listadas.end(), chave);
        ASSERT_NE(linha, listadas.end()) << chave;
        UserInput::ClickRow(geracao->dbgGeracao, static_cast<int>(linha - listadas.begin()), tecla);
        tecla = Qt::ControlModifier;
    }
}

void TfrmGeracaoFixture::Gera(const std::function<void(TfrmDlgGeracao&)>& dialogo) {
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* mostrado = dynamic_cast<TfrmDlgGeracao*>(sender);
        ASSERT_NE(mostrado, nullptr);
        try {
            dialogo(*mostrado);
        } catch (const EAbort&) {
        }
        if (mostrado->ModalResult() == mrNone)
            mostrado->SetModalResult(mrCancel);
    });
    geracao->acGerar->Execute();
    Application->OnModalBegin = nullptr;
}

int TfrmGeracaoFixture::Transmitidas() {
    return banco.Count(QStringLiteral("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL WHERE DT_TRANSMISSAO "
                                      "IS NOT NULL AND SQ_DECLARACAO <> 2"));
}
