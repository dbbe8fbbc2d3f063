#include "tests/declarations/registers/RegisterWindows.h"

#include "components/search/TfraDataSetSearch.h"
#include "components/search/TfrmDataSetSearch.h"
#include "platform/db/SqlLiteral.h"
#include "platform/db/TIBDatabase.h"
#include "platform/report/TPageText.h"
#include "platform/report/TReportPrinter.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TMaskEdit.h"

RegisterWindows::RegisterWindows() {
    frame = Application->CreateForm<TForm>();
    frame->SetName(QStringLiteral("frmDef"));
    frame->SetFormStyle(TFormStyle::fsMDIForm);
    frame->SetBounds(0, 0, 1024, 768);
    frame->Show();
}

RegisterWindows::~RegisterWindows() {
    Application->OnModalBegin = nullptr;
    delete frame;
    Application->ProcessMessages();
}

void RegisterWindows::Clica(TfrmModCadastroMidas* janela, TAction* acao) {
    Application->SafeCall(janela, [acao] { acao->Execute(); });
}

void RegisterWindows::Digita(TDBEdit* edit, const QString& texto) {
    edit->SetFocus();
    edit->SetText(texto);
}

void RegisterWindows::AoPesquisar(std::function<TModalResult(TfrmDataSetSearch*)> escolhe) {
    Application->OnModalBegin = TNotifyEvent::fromFunction([escolhe](TObject* sender) {
        auto* dialogo = dynamic_cast<TfrmDataSetSearch*>(sender);
        ASSERT_NE(dialogo, nullptr);
        dialogo->SetModalResult(escolhe(dialogo));
    });
}

void RegisterWindows::Pesquisa(TfrmDataSetSearch* dialogo, const QString& valor) {
    dialogo->fdsPesquisa->edSearch->SetText(valor);
    dialogo->fdsPesquisa->acSearch->Execute();
}

void RegisterWindows::GuardaPaginas(QStringList& paginas) {
    prompter.AnswerWith([&paginas](const TPromptRequest& request) {
        auto* janela =
            dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window)));
        EXPECT_NE(janela, nullptr);
        if (janela)
            for (const TPreparedPage& pagina : janela->Report()->Pages())
                paginas << TPageText::FromPage(pagina);
        return TPromptResult{mrOk, {}};
    });
}

void RegisterWindows::CriaContribuinte(int inscricao, const QString& razao, const QString& correio) {
    ASSERT_TRUE(geral->ExecutaSQL(
        QStringLiteral(
            "INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO, NO_CORREIO_ELETRONICO, "
            "NU_DDD, NU_TEL, IN_CGC_CPF) VALUES (%1, 11222333000181, %2, %3, '21', '32221234', '1')")
            .arg(inscricao)
            .arg(SqlQuoted(razao), correio.isEmpty() ? QStringLiteral("NULL") : SqlQuoted(correio))));
}

void RegisterWindows::BuildDeclaration(int sq, int inscricao) {
    ASSERT_TRUE(geral->ExecutaSQL(
        QStringLiteral("INSERT INTO DECLARACAO_ECONOMICO_FISCAL (SQ_DECLARACAO, NU_INSCRICAO, AN_REFERENCIA, "
                       "ME_REFERENCIA, IN_RETIFICADORA, IN_PERIODICIDADE, IN_BAIXA_CONTRIBUINTE, "
                       "IN_OPER_PROP_SEM_MOV, IN_SUBST_TRIBUT_SEM_MOV, IN_OUTROS_ICMS_SEM_MOV, "
                       "IN_ALC_ZFM_SEM_MOV) VALUES (%1, %2, 2011, 1, 'N', 'M', 'N', 'N', 'N', 'N', 'N')")
            .arg(sq)
            .arg(inscricao)));
}
