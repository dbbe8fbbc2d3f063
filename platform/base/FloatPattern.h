#pragma once
// One compiled number picture of FormatFloat (see SysUtils.h for the picture
// characters). It formats decimal digit strings, so that money formats
// exactly and floating-point values are rounded on their decimal digits.

#include <QString>
#include <QStringView>
#include <vector>

class FloatPattern {
public:
    // A number written out in decimal: its sign, the digits before the point
    // (no leading zeros, empty for zero) and the digits after it.
    struct DecimalNumber {
        bool negative = false;
        QString integerDigits;
        QString fractionDigits;
    };

    explicit FloatPattern(QStringView format);
    QString Format(const DecimalNumber& number) const;

private:
    struct Element {
        enum class Kind { Digit, OptionalDigit, DecimalPoint, Literal };
        Kind kind;
        QString text; // literal text
    };
    struct Section {
        std::vector<Element> elements;
        bool thousands = false;
        int minDecimals = 0;
        int maxDecimals = 0;
        bool empty = true;
    };

    static Section ParseSection(QStringView text);
    static QString FormatSection(const Section& section, const QString& integerDigits,
                                 const QString& fractionDigits, bool negative);

    std::vector<Section> m_sections;
};
