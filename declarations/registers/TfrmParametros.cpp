#include "declarations/registers/TfrmParametros.h"

#include "core/data/ModuleComponents.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/SysUtils.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TransactionScope.h"
#include "platform/ui/Make.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TMemo.h"

#include <optional>

namespace {
constexpr int kClientWidth = 420;
constexpr int kClientHeight = 230;
constexpr int kMargin = 12;
const QString kFailure = QStringLiteral("Erro na alteração do parâmetro!");

// The entry as whole units; none when it is empty or not a number.
std::optional<Currency> TypedMaximum(const QString& texto) {
    const QString digitos = texto.trimmed();
    if (digitos.isEmpty())
        return std::nullopt;
    for (const QChar c : digitos)
        if (!c.isDigit())
            return std::nullopt;
    return Currency::parse(digitos);
}
} // namespace

TfrmParametros::TfrmParametros(TComponent* owner, int documentId) : TfrmModDocumento(owner, documentId) {
    SetName(QStringLiteral("frmParametros"));
    SetCaption(QStringLiteral("Parâmetros"));
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    BuildControls();
    ibtParametros = MakeTransaction(this, QStringLiteral("ibtParametros"), DMDefGeral->ibDBDef);
    ibqAlteraMaximo = Make<TIBQuery>(this, QStringLiteral("ibqAlteraMaximo"));
    ibqAlteraMaximo->SetDatabase(DMDefGeral->ibDBDef);
    ibqAlteraMaximo->SetTransaction(ibtParametros);
    ibqAlteraMaximo->SetSQL({QStringLiteral("UPDATE PARAMETROS_DEF SET VL_PARAM1 = :VL_PARAM1"),
                             QStringLiteral("WHERE ID_PARAMETRO = 2")});
    SetActiveControl(medtVlMaximo);

    OnCreate = TNotifyEvent(this, &TfrmParametros::FormCreate);
}

void TfrmParametros::BuildControls() {
    lblVlMaximo = Make<TLabel>(this, QStringLiteral("lblVlMaximo"), this);
    lblVlMaximo->SetCaption(QStringLiteral("Maior valor para digitação (sem os centavos):"));
    lblVlMaximo->SetBounds(kMargin, 14, lblVlMaximo->Width(), 16);
    medtVlMaximo = Make<TMaskEdit>(this, QStringLiteral("medtVlMaximo"), this);
    medtVlMaximo->SetEditMask(QStringLiteral("9999999999999;0; "));
    medtVlMaximo->SetBounds(kMargin, 32, 130, 21);
    mmoObservacao = Make<TMemo>(this, QStringLiteral("mmoObservacao"), this);
    mmoObservacao->SetLines(
        {QStringLiteral(
             "Esta função possibilita ao usuário informar o valor máximo a ser digitado no sistema, "
             "minimizando erros na digitação destes valores."),
         QString(),
         QStringLiteral("Deve ser indicado um valor compatível com as operações realizadas pela "
                        "empresa, o qual poderá ser alterado novamente a qualquer tempo, segundo as "
                        "necessidades do contribuinte.")});
    mmoObservacao->SetReadOnly(true);
    mmoObservacao->SetWordWrap(true);
    mmoObservacao->SetBounds(kMargin, 64, kClientWidth - 2 * kMargin, 118);
    mmoObservacao->SetTabStop(false);
    btnConfirmar = Make<TButton>(this, QStringLiteral("btnConfirmar"), this);
    btnConfirmar->SetCaption(QStringLiteral("&Confirmar"));
    btnConfirmar->SetDefault(true);
    btnConfirmar->SetBounds(kClientWidth - 2 * (75 + kMargin / 2) - kMargin / 2, 194, 75, 25);
    btnConfirmar->OnClick = TNotifyEvent(this, &TfrmParametros::btnConfirmarClick);
    btnCancelar = Make<TButton>(this, QStringLiteral("btnCancelar"), this);
    btnCancelar->SetCaption(QStringLiteral("&Sair"));
    btnCancelar->SetCancel(true);
    btnCancelar->SetBounds(kClientWidth - 75 - kMargin, 194, 75, 25);
    btnCancelar->OnClick = TNotifyEvent(this, &TfrmParametros::btnCancelarClick);
}

void TfrmParametros::FormCreate(TObject*) {
    medtVlMaximo->SetText(QString::number(ValorMaximo.raw() / Currency::Scale));
}

void TfrmParametros::btnConfirmarClick(TObject*) {
    const std::optional<Currency> valor = TypedMaximum(medtVlMaximo->Text());
    if (!valor) {
        RuleMessages::Refuse(kFailure);
    }
    try {
        TransactionScope escopo(*ibtParametros);
        ibqAlteraMaximo->ParamByName(QStringLiteral("VL_PARAM1"))->SetAsCurrency(*valor);
        ibqAlteraMaximo->ExecSQL();
        if (ibqAlteraMaximo->RowsAffected() != 1)
            throw EDatabaseError(QStringLiteral("Parameter 2 not found"));
        escopo.Commit();
    } catch (const Exception&) {
        RuleMessages::Refuse(kFailure);
    }
    ValorMaximo = *valor;
    MsgInforma(QStringLiteral("Valor Máximo alterado com sucesso para: ") +
               FormatFloat(IntegerFormat, *valor));
    Close();
}

void TfrmParametros::btnCancelarClick(TObject*) {
    Close();
}
