#pragma once
// Check digits of the identifying numbers typed into declarations and
// registers: state registration, CNPJ, infraction notices (9 digits), debt
// certificates (12 digits) and import declarations (suffix 2 and 4).
//
// Every routine checks its input first: an empty or short text, or a
// non-digit where a digit is read, makes a Calcula... routine return -1
// (which matches no digit) and a Valida... routine return false.

#include <QList>
#include <QString>

// Digits taken from the right; the k-th (k from 0) is multiplied by pesos[k],
// digits beyond the list weigh 0. With r = sum mod 11: 11 - r when r >= 2, else 0.
int CalculaDVModulo11(const QString& digitos, const QList<int>& pesos);

// Check digit of an import-declaration number (without its own digit), with
// the fixed leading digit 2 or 4 in front of the number padded to 9 digits.
int CalculaDVSufixo2(const QString& numero);
int CalculaDVSufixo4(const QString& numero);
// The number with its check digit as the last character.
bool ValidaDVSufixo2(const QString& numero);
bool ValidaDVSufixo4(const QString& numero);

// Check digit of an infraction notice from its first eight digits (a ninth is ignored).
int CalculaDV9(const QString& digitos);
bool ValidaDV9(const QString& numero);

// State registration: eight digits, the last one the check digit; separators are ignored.
bool ValidaInscricao(const QString& inscricao);

// Check digit of a CNPJ from its first 12 or 13 digits.
int CalculaDVCNPJ(const QString& digitos);
// A CNPJ of up to 14 digits (shorter ones are read with leading zeros).
bool ValidaCNPJ(const QString& cnpj);

// Check digit of a debt certificate from its first 11 digits (10 or fewer are read with leading zeros).
int CalculaDV12(const QString& digitos);
bool ValidaDV12(const QString& numero);
