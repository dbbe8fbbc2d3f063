#include "platform/db/TEditMask.h"

#include "platform/base/Exceptions.h"
#include "platform/base/FormatSettings.h"

const QString TEditMask::InvalidInputMessage =
    QStringLiteral("Valor inválido. Complete o campo ou use a tecla Esc para abandonar as alterações.");

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The index of the first ';' of text that is not escaped by '\', or -1.
qsizetype fieldSeparator(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\'))
            ++i;
        else if (text[i] == QLatin1Char(';'))
            return i;
    }
    return -1;
}

} // namespace

TEditMask::TEditMask(const QString& editMask) : m_editMask(editMask) {
    const qsizetype separator = fieldSeparator(editMask);
    const QString picture = separator < 0 ? editMask : editMask.left(separator);
    if (separator >= 0) {
        const QString rest = editMask.mid(separator + 1);
        const qsizetype second = rest.indexOf(QLatin1Char(';'));
        const QString save = second < 0 ? rest : rest.left(second);
        m_saveLiterals = save != QLatin1String("0");
        if (second >= 0 && second + 1 < rest.size())
            m_blank = rest[second + 1];
    }

    Case shift = Case::Keep;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture[i];
        const char kind = c.unicode() < 128 ? static_cast<char>(c.unicode()) : 0;
        switch (kind) {
        case '\\':
            if (i + 1 < picture.size())
                m_positions.push_back({picture[++i], 0, Case::Keep});
            break;
        case '>':
            if (i + 1 < picture.size() && picture[i + 1] == QLatin1Char('<')) {
                shift = Case::Keep;
                ++i;
            } else {
                shift = Case::Upper;
            }
            break;
        case '<':
            if (i + 1 < picture.size() && picture[i + 1] == QLatin1Char('>')) {
                shift = Case::Keep;
                ++i;
            } else {
                shift = Case::Lower;
            }
            break;
        case '!':
            m_leadingBlanks = true;
            break;
        case '0':
        case '9':
        case '#':
        case 'L':
        case 'l':
        case 'A':
        case 'a':
        case 'C':
        case 'c':
            m_positions.push_back({QChar(), kind, shift});
            break;
        case '/':
            m_positions.push_back({FormatSettings::DateSeparator, 0, Case::Keep});
            break;
        case ':':
            m_positions.push_back({FormatSettings::TimeSeparator, 0, Case::Keep});
            break;
        case '_':
            m_positions.push_back({QLatin1Char(' '), 0, Case::Keep});
            break;
        default:
            m_positions.push_back({c, 0, Case::Keep});
            break;
        }
    }
}

bool TEditMask::IsInput(int position) const {
    return position >= 0 && position < Length() && m_positions[position].kind != 0;
}

bool TEditMask::IsLiteral(int position) const {
    return position >= 0 && position < Length() && m_positions[position].kind == 0;
}

bool TEditMask::Allows(const Position& position, QChar ch) const {
    switch (position.kind) {
    case '0':
    case '9':
        return isDigit(ch);
    case '#':
        return isDigit(ch) || ch == QLatin1Char('+') || ch == QLatin1Char('-');
    case 'L':
    case 'l':
        return ch.isLetter();
    case 'A':
    case 'a':
        return ch.isLetter() || isDigit(ch);
    case 'C':
    case 'c':
        return ch.isPrint();
    default:
        return false;
    }
}

QChar TEditMask::Shifted(const Position& position, QChar ch) const {
    switch (position.shift) {
    case Case::Upper:
        return ch.toUpper();
    case Case::Lower:
        return ch.toLower();
    case Case::Keep:
        break;
    }
    return ch;
}

bool TEditMask::IsEmptyAt(const QString& editText, int position) const {
    return position >= editText.size() || editText[position] == m_blank;
}

QString TEditMask::EmptyEditText() const {
    QString text;
    text.reserve(Length());
    for (const Position& position : m_positions)
        text += position.kind == 0 ? position.literal : m_blank;
    return text;
}

QString TEditMask::EditTextFor(const QString& value) const {
    QString text = EmptyEditText();
    if (m_saveLiterals) {
        // The value carries the literals: it maps position by position.
        const int offset = m_leadingBlanks ? qMax(0, Length() - static_cast<int>(value.size())) : 0;
        for (int i = 0; i < value.size() && offset + i < Length(); ++i) {
            const Position& position = m_positions[offset + i];
            if (position.kind != 0 && Allows(position, value[i]))
                text[offset + i] = Shifted(position, value[i]);
        }
        return text;
    }
    std::vector<int> inputs;
    for (int i = 0; i < Length(); ++i)
        if (IsInput(i))
            inputs.push_back(i);
    const int count = static_cast<int>(inputs.size());
    const int offset = m_leadingBlanks ? qMax(0, count - static_cast<int>(value.size())) : 0;
    for (int i = 0; i < value.size() && offset + i < count; ++i) {
        const int at = inputs[offset + i];
        if (Allows(m_positions[at], value[i]))
            text[at] = Shifted(m_positions[at], value[i]);
    }
    return text;
}

QString TEditMask::ValueOf(const QString& editText) const {
    if (!IsMasked())
        return editText;
    QString value;
    bool anyInput = false;
    for (int i = 0; i < Length(); ++i) {
        const Position& position = m_positions[i];
        if (position.kind == 0) {
            if (m_saveLiterals)
                value += position.literal;
        } else if (IsEmptyAt(editText, i)) {
            value += QLatin1Char(' ');
        } else {
            value += editText[i];
            anyInput = true;
        }
    }
    // Without literals, a mask left empty stores nothing rather than blanks.
    if (!m_saveLiterals && !anyInput)
        return QString();
    return value;
}

QString TEditMask::FormatText(const QString& value) const {
    if (!IsMasked())
        return value;
    QString text = EditTextFor(value);
    for (int i = 0; i < Length(); ++i)
        if (IsInput(i) && text[i] == m_blank)
            text[i] = QLatin1Char(' ');
    return text;
}

int TEditMask::NextInputPosition(int position) const {
    int i = qMax(0, position);
    while (i < Length() && !IsInput(i))
        ++i;
    return i;
}

int TEditMask::PriorInputPosition(int position) const {
    int i = qMin(position, Length()) - 1;
    while (i >= 0 && !IsInput(i))
        --i;
    return i;
}

int TEditMask::EndOfText(const QString& editText) const {
    int last = -1;
    for (int i = 0; i < Length(); ++i)
        if (IsInput(i) && !IsEmptyAt(editText, i))
            last = i;
    return NextInputPosition(last + 1);
}

bool TEditMask::TypeChar(QString& editText, int& cursor, QChar ch) const {
    if (editText.size() != Length())
        return false;
    int at = qMax(0, cursor);
    if (IsLiteral(at) && m_positions[at].literal == ch) {
        cursor = NextInputPosition(at + 1);
        return true;
    }
    at = NextInputPosition(at);
    if (at >= Length() || !Allows(m_positions[at], ch))
        return false;
    editText[at] = Shifted(m_positions[at], ch);
    cursor = NextInputPosition(at + 1);
    return true;
}

void TEditMask::Clear(QString& editText, int start, int count) const {
    const int end = qMin(start + count, static_cast<int>(editText.size()));
    for (int i = qMax(0, start); i < end; ++i)
        if (IsInput(i))
            editText[i] = m_blank;
}

int TEditMask::FirstInvalidPosition(const QString& editText) const {
    for (int i = 0; i < Length(); ++i) {
        const Position& position = m_positions[i];
        if (position.kind == 0) {
            if (i >= editText.size() || editText[i] != position.literal)
                return i;
            continue;
        }
        if (IsEmptyAt(editText, i)) {
            if (QChar(QLatin1Char(position.kind)).isUpper() || position.kind == '0')
                return i;
            continue;
        }
        if (!Allows(position, editText[i]))
            return i;
    }
    return -1;
}

void TEditMask::Validate(const QString& editText) const {
    if (FirstInvalidPosition(editText) >= 0)
        throw EDBEditError(InvalidInputMessage);
}
