#pragma once
// Text routines shared by the whole program: filling a text up to a width,
// keeping the digits of a text, formatting the state registration, replacing
// text and splitting paths.

#include <QChar>
#include <QString>

// Side argument of CompletaTexto and CompletaZeros.
inline constexpr int LeftSide = 0;
inline constexpr int RightSide = 1;

// Fills texto with preenchimento up to largura characters, on the left (lado 0)
// or on the right (lado 1); the result is then cut to largura characters,
// keeping its first ones, so a longer text loses its end on either side.
QString CompletaTexto(int lado, const QString& texto, int largura, QChar preenchimento);
QString CompletaZeros(int lado, const QString& texto, int largura);

// The characters "0" to "9" of texto, in their order.
QString SomenteNumeros(const QString& texto);

// Pads texto to tamanho with preenchimento: on the left when lado is 'E', else on the right.
QString PreencheTexto(const QString& texto, int tamanho, QChar lado, QChar preenchimento);

// The state registration as 99.999.999: left-padded with "0" to 8 characters,
// longer texts cut to their first 8.
QString FormataInscricao(const QString& numero);

// Replaces every occurrence of antigo in texto by novo. A replacement shorter
// than the searched text is applied again from the beginning until nothing is
// left to replace; any other replacement is applied in one pass, so the routine
// always ends (also when novo contains antigo).
QString SubstituiTexto(const QString& antigo, const QString& novo, const QString& texto);

// The part of the trimmed path after its last separator ("/" or "\"): empty
// when the path ends with one, the whole trimmed text when it has none.
QString ExtraiNomeArquivo(const QString& caminho);

// The part of the trimmed path up to and including its last separator
// ("/" or "\"); empty when it has none.
QString ExtraiCaminho(const QString& caminho);
