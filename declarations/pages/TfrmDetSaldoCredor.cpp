#include "declarations/pages/TfrmDetSaldoCredor.h"

#include "declarations/pages/HelpMemo.h"

namespace {
constexpr int HelpHeight = 140;
} // namespace

TfrmDetSaldoCredor::TfrmDetSaldoCredor(TComponent* owner) : TfrmDetalheDEFNo(owner) {
    SetName(QStringLiteral("frmDetSaldoCredor"));
    SetCaption(QStringLiteral("Saldo Credor"));
    Memo1 =
        HelpMemo(this, this,
                 {QStringLiteral("Ficha destinada a informar, por meio de subfichas, as utilizações do saldo "
                                 "credor acumulado decorrente de exportação pelo próprio declarante, bem "
                                 "como, os recebidos de terceiros.")},
                 HelpHeight);
}
