#pragma once
// General routines and shared constants: money rounding, date and time texts,
// the money limit check and small numeric-text tests.

#include "platform/base/Currency.h"
#include "platform/base/SystemClock.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Display formats of integers, money and proportions.
inline const QString IntegerFormat = QStringLiteral("#,##0");
inline const QString MoneyFormat = QStringLiteral("#,##0.00");
// A proportion, with four decimals.
inline const QString ProportionFormat = QStringLiteral("#,##0.0000");
// Edit masks of the CNPJ and of the personal taxpayer number (CPF).
inline const QString CnpjMask = QStringLiteral("00\".\"000\".\"000\"/\"0000\"-\"00");
inline const QString CpfMask = QStringLiteral("000000000\"-\"00");

// The fifteen detail tables of a declaration, in the order a rectifying
// declaration copies them.
const QStringList& DeclarationDetailTables();

// x rounded half away from zero to two decimals, as its decimal text reads
// (15 significant digits), so 1.005 gives 1.01.
double ArredondaDuasCasas(double x);
// Money cut to whole cents toward zero (123.4567 -> 123.45; -1.239 -> -1.23).
Currency TruncaCentavos(Currency valor);

// prefixo + year + month, day, hour, minute and second (two digits each).
QString AcrescentaDataHora(const QString& prefixo, const QDateTime& momento = SystemClock::Now());
// AcrescentaDataHora(prefixo) joined to pasta.
QString CaminhoComDataHora(const QString& pasta, const QString& prefixo,
                           const QDateTime& momento = SystemClock::Now());
// The date as MM/DD/YYYY, the form the database reads in SQL date literals.
QString DataAtualTexto(const QDate& hoje = SystemClock::Today());

// The message that refuses a money value for the field labelled rotulo: a
// negative value, or one above limite. Empty when the value is accepted
// (zero and the limit itself are).
QString ValueLimitMessage(Currency valor, const QString& rotulo, Currency limite);
// Shows ValueLimitMessage with MsgErro and aborts silently when it is not empty.
void VerificaLimiteValor(Currency valor, const QString& rotulo, Currency limite);

// Numeric-text tests; a text that is not an integer (64-bit) gives false.
bool InteiroAte999(const QString& texto);
bool InteiroPositivo(const QString& texto);
bool InteiroUmAQuatro(const QString& texto);
// After removing every "." the text reads as money (decimal comma) above 0.
bool ValorPositivo(const QString& texto);
