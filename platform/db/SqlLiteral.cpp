#include "platform/db/SqlLiteral.h"

#include "platform/base/Currency.h"

#include <QDate>
#include <QDateTime>

QString SqlQuoted(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

namespace {

QString CurrencyLiteral(Currency value) {
    QString text = value.toString();
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

QString SqlLiteral(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QStringLiteral("null");
    if (value.metaType() == QMetaType::fromType<Currency>())
        return CurrencyLiteral(value.value<Currency>());
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    case QMetaType::Float:
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QDate:
        return SqlQuoted(value.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    case QMetaType::QDateTime:
        return SqlQuoted(value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    default:
        return SqlQuoted(value.toString());
    }
}
