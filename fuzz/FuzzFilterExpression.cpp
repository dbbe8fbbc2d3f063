// Filter texts typed into or built for a data set: any text must either
// compile or raise EDatabaseError, and evaluating a compiled one must not fail
// in any other way.
#include "platform/base/Currency.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TFilterExpression.h"

#include <QDate>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const TFilterExpression filter(text);
        // Offer every field as text, number, money, date and null in turn.
        for (int kind = 0; kind < 5; ++kind) {
            try {
                filter.Evaluate([kind](int index) -> QVariant {
                    switch ((kind + index) % 5) {
                    case 0:
                        return QStringLiteral("ABC");
                    case 1:
                        return 42;
                    case 2:
                        return QVariant::fromValue(Currency::fromRaw(2900));
                    case 3:
                        return QDate(2010, 12, 31);
                    default:
                        return QVariant();
                    }
                });
            } catch (const EDatabaseError&) {
            }
        }
    } catch (const EDatabaseError&) {
    }
    return 0;
}
