// Typed numbers and dates, number pictures and format strings: the first line
// is a picture or format, the second the text to convert.
#include "platform/base/Currency.h"
#include "platform/base/Exceptions.h"
#include "platform/base/SysUtils.h"

#include <QDate>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype newline = input.indexOf(QLatin1Char('\n'));
    const QString picture = newline < 0 ? input : input.left(newline);
    const QString text = newline < 0 ? input : input.mid(newline + 1);

    Currency money;
    if (TryStrToCurr(text, money))
        FormatFloat(picture, money);
    double number = 0;
    if (TryStrToFloat(text, number))
        FormatFloat(picture, number);
    QDate date;
    TryStrToDate(text, date);
    try {
        Format(picture, {text, 7, -1.5, QVariant::fromValue(money)});
    } catch (const EConvertError&) {
    }
    return 0;
}
