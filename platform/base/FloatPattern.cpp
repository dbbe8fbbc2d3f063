#include "platform/base/FloatPattern.h"

#include "platform/base/FormatSettings.h"

namespace {

// Rounds the decimal digits half away from zero to the given number of
// decimals; the fraction comes back with exactly that many digits.
void roundDigits(QString& integerDigits, QString& fractionDigits, int decimals) {
    if (fractionDigits.size() <= decimals) {
        fractionDigits = fractionDigits.leftJustified(decimals, QLatin1Char('0'));
        return;
    }
    const bool up = fractionDigits[decimals] >= QLatin1Char('5');
    QString digits = integerDigits + fractionDigits.left(decimals);
    if (up) {
        qsizetype i = digits.size() - 1;
        for (; i >= 0; --i) {
            if (digits[i] == QLatin1Char('9')) {
                digits[i] = QLatin1Char('0');
            } else {
                digits[i] = QChar(digits[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            digits.prepend(QLatin1Char('1'));
            integerDigits.prepend(QLatin1Char('0')); // one digit longer
        }
    }
    fractionDigits = digits.right(decimals);
    integerDigits = digits.left(digits.size() - decimals);
    qsizetype leading = 0;
    while (leading < integerDigits.size() && integerDigits[leading] == QLatin1Char('0'))
        ++leading;
    integerDigits.remove(0, leading);
}

bool allZero(const QString& integerDigits, const QString& fractionDigits) {
    const auto isZero = [](const QString& s) {
        for (QChar c : s)
            if (c != QLatin1Char('0'))
                return false;
        return true;
    };
    return isZero(integerDigits) && isZero(fractionDigits);
}

} // namespace

FloatPattern::FloatPattern(QStringView format) {
    // Split into sections at semicolons outside quoted text.
    qsizetype start = 0;
    QChar quote;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            m_sections.push_back(ParseSection(format.mid(start, i - start)));
            start = i + 1;
        }
    }
    m_sections.push_back(ParseSection(format.mid(start)));
}

FloatPattern::Section FloatPattern::ParseSection(QStringView text) {
    Section section;
    section.empty = text.isEmpty();
    int points = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            section.elements.push_back({Element::Kind::Literal, text.mid(i + 1, stop - i - 1).toString()});
            i = stop;
        } else if (c == QLatin1Char('0')) {
            section.elements.push_back({Element::Kind::Digit, {}});
        } else if (c == QLatin1Char('#')) {
            section.elements.push_back({Element::Kind::OptionalDigit, {}});
        } else if (c == QLatin1Char('.')) {
            ++points;
            section.elements.push_back({Element::Kind::DecimalPoint, {}});
        } else if (c == QLatin1Char(',')) {
            section.thousands = true;
        } else {
            section.elements.push_back({Element::Kind::Literal, QString(c)});
        }
    }
    // A picture with several dots is a digit picture with literal dots
    // ("00.000.000"): a number has one decimal point at most.
    bool afterPoint = false;
    for (Element& element : section.elements) {
        if (element.kind == Element::Kind::DecimalPoint) {
            if (points > 1) {
                element = {Element::Kind::Literal, QStringLiteral(".")};
                continue;
            }
            afterPoint = true;
        } else if (afterPoint && element.kind != Element::Kind::Literal) {
            ++section.maxDecimals;
            if (element.kind == Element::Kind::Digit)
                section.minDecimals = section.maxDecimals;
        }
    }
    return section;
}

QString FloatPattern::Format(const DecimalNumber& number) const {
    const Section& positive = m_sections.front();
    QString integerDigits = number.integerDigits;
    QString fractionDigits = number.fractionDigits;
    roundDigits(integerDigits, fractionDigits, positive.maxDecimals);
    const bool zero = allZero(integerDigits, fractionDigits);

    if (zero && m_sections.size() >= 3 && !m_sections[2].empty)
        return FormatSection(m_sections[2], QString(), QString(m_sections[2].maxDecimals, QLatin1Char('0')),
                             false);
    if (number.negative && !zero && m_sections.size() >= 2 && !m_sections[1].empty) {
        const Section& negative = m_sections[1];
        integerDigits = number.integerDigits;
        fractionDigits = number.fractionDigits;
        roundDigits(integerDigits, fractionDigits, negative.maxDecimals);
        return FormatSection(negative, integerDigits, fractionDigits, false);
    }
    return FormatSection(positive, integerDigits, fractionDigits, number.negative && !zero);
}

QString FloatPattern::FormatSection(const Section& section, const QString& integerDigits,
                                    const QString& fractionDigits, bool negative) {
    int integerPlaces = 0;
    for (const Element& element : section.elements) {
        if (element.kind == Element::Kind::DecimalPoint)
            break;
        if (element.kind != Element::Kind::Literal)
            ++integerPlaces;
    }
    // Decimals shown: at least the required ones, more while significant.
    int shownDecimals = section.minDecimals;
    for (int i = static_cast<int>(fractionDigits.size()) - 1; i >= shownDecimals; --i) {
        if (fractionDigits[i] != QLatin1Char('0')) {
            shownDecimals = i + 1;
            break;
        }
    }

    const int digitCount = static_cast<int>(integerDigits.size());
    QString out;
    if (negative)
        out += QLatin1Char('-');
    const auto emitDigit = [&](QChar digit, int power) {
        out += digit;
        if (section.thousands && power > 0 && power % 3 == 0)
            out += FormatSettings::ThousandSeparator;
    };
    const auto emitExtraDigits = [&](int fromPower) {
        for (int power = digitCount - 1; power >= fromPower; --power)
            emitDigit(integerDigits[digitCount - 1 - power], power);
    };

    int place = 0;   // integer placeholders seen
    int decimal = 0; // fraction placeholders seen
    bool inFraction = false;
    for (const Element& element : section.elements) {
        switch (element.kind) {
        case Element::Kind::Literal:
            out += element.text;
            break;
        case Element::Kind::DecimalPoint:
            if (integerPlaces == 0)
                emitExtraDigits(0);
            inFraction = true;
            if (shownDecimals > 0)
                out += FormatSettings::DecimalSeparator;
            break;
        case Element::Kind::Digit:
        case Element::Kind::OptionalDigit:
            if (inFraction) {
                if (decimal < shownDecimals)
                    out += fractionDigits[decimal];
                ++decimal;
                break;
            }
            {
                const int power = integerPlaces - 1 - place;
                if (place == 0)
                    emitExtraDigits(integerPlaces);
                if (power < digitCount)
                    emitDigit(integerDigits[digitCount - 1 - power], power);
                else if (element.kind == Element::Kind::Digit)
                    emitDigit(QLatin1Char('0'), power);
                ++place;
            }
            break;
        }
    }
    return out;
}
