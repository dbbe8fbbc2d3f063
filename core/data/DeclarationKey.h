#pragma once
// The key of a declaration (SQ_DECLARACAO), held as the integer it is from
// the row that carries it to every query on the declaration, so that no text
// is ever spliced into SQL as a key.

#include <QString>
#include <QtGlobal>

class TField;

class DeclarationKey {
public:
    constexpr explicit DeclarationKey(qint64 value) : m_value(value) {}

    // The key in the field (SQ_DECLARACAO of a declaration row).
    static DeclarationKey Of(const TField& field);
    // The key a text holds (blanks around it allowed); a text that is no
    // integer shows the message of a failing query and aborts silently.
    static DeclarationKey FromText(const QString& text);

    constexpr qint64 Value() const { return m_value; }
    // The key as SQL digits.
    QString Sql() const { return QString::number(m_value); }

    friend constexpr bool operator==(DeclarationKey, DeclarationKey) = default;

private:
    qint64 m_value;
};
