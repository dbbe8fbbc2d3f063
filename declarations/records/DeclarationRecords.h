#pragma once
// The declaration rows the declaration list creates: a new normal declaration
// with the balances the month before carries into it, and a rectifying
// declaration of a transmitted one. Database work only; the list windows ask
// the questions and call these.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"

#include <optional>

// The opening balances of a new declaration: those of the taxpayer's
// declaration of the month before with the highest key (a rectifying one wins
// over the one it rectifies), cut to hundredths; zero when there is none.
struct OpeningBalances {
    Currency balance;
    Currency balanceST;
};

// True when the taxpayer already has a declaration of the period. A query
// that fails shows the message of a failing query and aborts silently.
bool DeclarationExists(qint64 inscricao, int ano, int mes);
// The balances carried into a declaration of the period (mes 1 reads December
// of the year before). A query that fails refuses as above.
OpeningBalances OpeningBalancesOf(qint64 inscricao, int ano, int mes);
// Inserts the normal declaration of the period through DMDef.cdsDeclaracao,
// under the next key of sequence 3, then refreshes the declaration list and
// stands it on the new row. On failure the insert is undone, "Erro na Inserção
// da Declaração!" is shown and there is no key.
std::optional<DeclarationKey> InsertDeclaration(qint64 inscricao, int ano, int mes,
                                                const OpeningBalances& saldos);
// Creates in one transaction the rectifying declaration of `selecionada`:
// its header copied with the next rectification number of the month, pointing
// to the normal declaration, and, when `copiaValores`, every detail row copied
// under the new key. On failure nothing stays, the failure's message is shown
// and there is no key.
std::optional<DeclarationKey> CriaDeclaracaoRetificadora(DeclarationKey selecionada, bool copiaValores);
