#include "core/util/GeneralRoutines.h"

#include "core/util/FileRoutines.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/Exceptions.h"

#include <cmath>

const QStringList& DeclarationDetailTables() {
    static const QStringList tabelas{
        QStringLiteral("ENTRADA_DECLARADA"),         QStringLiteral("SAIDA_DECLARADA"),
        QStringLiteral("OUTRO_CREDITO_DECLARADO"),   QStringLiteral("OUTRO_DEBITO_DECLARADO"),
        QStringLiteral("ESTORNO_CREDITO_DECLARADO"), QStringLiteral("ESTORNO_DEBITO_DECLARADO"),
        QStringLiteral("DEDUCAO_DECLARADA"),         QStringLiteral("PRAZO_ESPECIAL_DECLARADO"),
        QStringLiteral("SAIDA_IE_DECLARADA"),        QStringLiteral("ENTRADA_IE_DECLARADA"),
        QStringLiteral("SAIDA_ALC_DECLARADA"),       QStringLiteral("SALDO_CREDOR_COMPENSADO"),
        QStringLiteral("SALDO_CREDOR_TRANSFERIDO"),  QStringLiteral("SALDO_CREDOR_RECEBIDO"),
        QStringLiteral("OUTRO_ICMS_DEVIDO"),
    };
    return tabelas;
}

double ArredondaDuasCasas(double x) {
    if (!std::isfinite(x) || x == 0.0)
        return x;
    // x as fifteen significant digits d1...d15 and a decimal exponent.
    constexpr int Significant = 15;
    const QString text = QString::number(std::fabs(x), 'e', Significant - 1);
    const QString digits = text.left(1) + text.mid(2, Significant - 1);
    const int exponent = text.mid(text.indexOf(QLatin1Char('e')) + 1).toInt();
    // How many of the digits stand before the second decimal place.
    const int keep = exponent + 1 + 2;
    if (keep >= Significant)
        return x;
    if (keep < 0)
        return 0.0;
    long long hundredths = keep > 0 ? digits.left(keep).toLongLong() : 0;
    if (digits[keep] >= QLatin1Char('5'))
        ++hundredths;
    const double result = static_cast<double>(hundredths) / 100.0;
    return x < 0 ? -result : result;
}

Currency TruncaCentavos(Currency valor) {
    return valor.truncatedToCents();
}

QString AcrescentaDataHora(const QString& prefixo, const QDateTime& momento) {
    const QDate d = momento.date();
    const QTime t = momento.time();
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return prefixo + QString::number(d.year()) + two(d.month()) + two(d.day()) + two(t.hour()) +
           two(t.minute()) + two(t.second());
}

QString CaminhoComDataHora(const QString& pasta, const QString& prefixo, const QDateTime& momento) {
    return JuntaCaminho(pasta, AcrescentaDataHora(prefixo, momento));
}

QString DataAtualTexto(const QDate& hoje) {
    return QStringLiteral("%1/%2/%3")
        .arg(hoje.month(), 2, 10, QLatin1Char('0'))
        .arg(hoje.day(), 2, 10, QLatin1Char('0'))
        .arg(hoje.year(), 4, 10, QLatin1Char('0'));
}

QString ValueLimitMessage(Currency valor, const QString& rotulo, Currency limite) {
    if (valor < Currency())
        return QStringLiteral("O campo ") + rotulo + QStringLiteral(" não pode ser negativo !");
    if (valor > limite)
        return QStringLiteral("O campo ") + rotulo + QStringLiteral(" excede o limite parametrizado !") +
               QStringLiteral("\n\r") +
               QStringLiteral("Para alterar este valor, utilize a função Parâmetros no menu Ferramentas.");
    return QString();
}

void VerificaLimiteValor(Currency valor, const QString& rotulo, Currency limite) {
    const QString mensagem = ValueLimitMessage(valor, rotulo, limite);
    if (mensagem.isEmpty())
        return;
    MsgErro(mensagem);
    Abort();
}

namespace {

std::optional<qlonglong> IntegerOf(const QString& texto) {
    bool ok = false;
    const qlonglong n = texto.trimmed().toLongLong(&ok);
    return ok ? std::optional<qlonglong>(n) : std::nullopt;
}

} // namespace

bool InteiroAte999(const QString& texto) {
    const auto n = IntegerOf(texto);
    return n && *n >= 1 && *n <= 999;
}

bool InteiroPositivo(const QString& texto) {
    const auto n = IntegerOf(texto);
    return n && *n > 0;
}

bool InteiroUmAQuatro(const QString& texto) {
    const auto n = IntegerOf(texto);
    return n && *n >= 1 && *n <= 4;
}

bool ValorPositivo(const QString& texto) {
    QString sem = texto;
    sem.remove(QLatin1Char('.'));
    const auto valor = Currency::parse(sem, QLatin1Char(','));
    return valor && *valor > Currency();
}
