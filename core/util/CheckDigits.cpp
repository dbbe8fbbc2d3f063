#include "core/util/CheckDigits.h"

#include "core/util/StringRoutines.h"

#include <algorithm>

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), isDigit);
}

int digitAt(const QString& text, qsizetype index) {
    return text[index].unicode() - '0';
}

// The last character read as a digit, -1 when it is none.
int lastDigit(const QString& text) {
    return !text.isEmpty() && isDigit(text.back()) ? text.back().unicode() - '0' : -1;
}

// Next multiple of ten above sum minus sum; 0 when sum is a multiple of ten.
int TensComplement(int sum) {
    return (10 - sum % 10) % 10;
}

int SuffixCheckDigit(QChar prefixo, const QString& numero) {
    static const QList<int> pesos{2, 3, 4, 5, 6, 7, 8, 9, 2, 3};
    if (numero.isEmpty())
        return -1;
    return CalculaDVModulo11(prefixo + CompletaZeros(LeftSide, numero, std::max<int>(9, numero.size())),
                             pesos);
}

bool SuffixValid(QChar prefixo, const QString& numero) {
    if (numero.size() < 2)
        return false;
    const int dv = lastDigit(numero);
    return dv >= 0 && SuffixCheckDigit(prefixo, numero.chopped(1)) == dv;
}

} // namespace

int CalculaDVModulo11(const QString& digitos, const QList<int>& pesos) {
    if (!allDigits(digitos))
        return -1;
    int sum = 0;
    const qsizetype n = digitos.size();
    for (qsizetype k = 0; k < n && k < pesos.size(); ++k)
        sum += digitAt(digitos, n - 1 - k) * pesos[k];
    const int r = sum % 11;
    return r >= 2 ? 11 - r : 0;
}

int CalculaDVSufixo2(const QString& numero) {
    return SuffixCheckDigit(QLatin1Char('2'), numero);
}

int CalculaDVSufixo4(const QString& numero) {
    return SuffixCheckDigit(QLatin1Char('4'), numero);
}

bool ValidaDVSufixo2(const QString& numero) {
    return SuffixValid(QLatin1Char('2'), numero);
}

bool ValidaDVSufixo4(const QString& numero) {
    return SuffixValid(QLatin1Char('4'), numero);
}

int CalculaDV9(const QString& digitos) {
    if (digitos.size() < 8)
        return -1;
    const QString oito = digitos.left(8);
    if (!allDigits(oito))
        return -1;
    static constexpr int pesos[8] = {1, 2, 1, 2, 1, 2, 1, 2};
    // Notices numbered 1000001 to 1000360 were issued with the plain sum of the products.
    const int numero = oito.toInt();
    const bool somaSimples = numero >= 1000001 && numero <= 1000360;
    int sum = 0;
    for (int i = 0; i < 8; ++i) {
        const int produto = digitAt(oito, i) * pesos[i];
        sum += (!somaSimples && produto >= 10) ? produto - 9 : produto;
    }
    return TensComplement(sum);
}

bool ValidaDV9(const QString& numero) {
    if (numero.isEmpty())
        return false;
    const QString digitos = SomenteNumeros(CompletaZeros(LeftSide, numero, std::max<int>(9, numero.size())));
    if (digitos.size() < 9)
        return false;
    return CalculaDV9(digitos) == digitAt(digitos, 8);
}

bool ValidaInscricao(const QString& inscricao) {
    QString d = SomenteNumeros(inscricao);
    if (d.size() > 8)
        return false;
    d = CompletaZeros(LeftSide, d, 8);
    if (d.toInt() <= 0)
        return false;
    static constexpr int pesos[7] = {2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += digitAt(d, i) * pesos[i];
    const int r = sum % 11;
    const int dv = r <= 1 ? 0 : 11 - r;
    return dv == digitAt(d, 7);
}

int CalculaDVCNPJ(const QString& digitos) {
    const qsizetype n = digitos.size();
    if ((n != 12 && n != 13) || !allDigits(digitos))
        return -1;
    int peso = static_cast<int>(n) - 7;
    int sum = 0;
    for (qsizetype i = 0; i < n; ++i) {
        sum += digitAt(digitos, i) * peso;
        peso = peso == 2 ? 9 : peso - 1;
    }
    const int r = sum % 11;
    return r >= 2 ? 11 - r : 0;
}

bool ValidaCNPJ(const QString& cnpj) {
    if (cnpj.isEmpty() || cnpj.size() > 14 || !allDigits(cnpj) || cnpj.toLongLong() == 0)
        return false;
    const QString v = CompletaZeros(LeftSide, cnpj, 14);
    return CalculaDVCNPJ(v.left(12)) == digitAt(v, 12) && CalculaDVCNPJ(v.left(13)) == digitAt(v, 13);
}

int CalculaDV12(const QString& digitos) {
    if (digitos.isEmpty())
        return -1;
    const QString d = digitos.size() <= 10 ? CompletaZeros(LeftSide, digitos, 11) : digitos.left(11);
    if (!allDigits(d))
        return -1;
    int sum = 0;
    for (int i = 0; i < 11; ++i) {
        const int produto = digitAt(d, i) * (i % 2 == 0 ? 2 : 1);
        sum += produto / 10 + produto % 10;
    }
    return TensComplement(sum);
}

bool ValidaDV12(const QString& numero) {
    if (numero.isEmpty())
        return false;
    const QString digitos = SomenteNumeros(CompletaZeros(LeftSide, numero, std::max<int>(12, numero.size())));
    if (digitos.size() < 12)
        return false;
    return CalculaDV12(digitos) == digitAt(digitos, 11);
}
