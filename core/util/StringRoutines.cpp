#include "core/util/StringRoutines.h"

#include <algorithm>

QString CompletaTexto(int lado, const QString& texto, int largura, QChar preenchimento) {
    if (largura <= 0)
        return QString();
    const qsizetype falta = largura - texto.size();
    const QString fill = falta > 0 ? QString(falta, preenchimento) : QString();
    const QString result = lado == LeftSide ? fill + texto : texto + fill;
    return result.left(largura);
}

QString CompletaZeros(int lado, const QString& texto, int largura) {
    return CompletaTexto(lado, texto, largura, QLatin1Char('0'));
}

QString SomenteNumeros(const QString& texto) {
    QString digits;
    digits.reserve(texto.size());
    for (const QChar c : texto) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    return digits;
}

QString PreencheTexto(const QString& texto, int tamanho, QChar lado, QChar preenchimento) {
    return CompletaTexto(lado == QLatin1Char('E') ? LeftSide : RightSide, texto, tamanho, preenchimento);
}

QString FormataInscricao(const QString& numero) {
    const QString n = numero.size() < 8 ? CompletaZeros(LeftSide, numero, 8) : numero.left(8);
    return n.mid(0, 2) + QLatin1Char('.') + n.mid(2, 3) + QLatin1Char('.') + n.mid(5, 3);
}

QString SubstituiTexto(const QString& antigo, const QString& novo, const QString& texto) {
    QString result = texto;
    if (antigo.isEmpty())
        return result;
    if (novo.size() >= antigo.size())
        return result.replace(antigo, novo);
    // Every step shortens the text, so this loop ends.
    for (qsizetype at = result.indexOf(antigo); at >= 0; at = result.indexOf(antigo))
        result.replace(at, antigo.size(), novo);
    return result;
}

namespace {
qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}
} // namespace

QString ExtraiNomeArquivo(const QString& caminho) {
    const QString path = caminho.trimmed();
    return path.mid(lastSeparator(path) + 1);
}

QString ExtraiCaminho(const QString& caminho) {
    const QString path = caminho.trimmed();
    return path.left(lastSeparator(path) + 1);
}
