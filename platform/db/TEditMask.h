#pragma once
// An edit mask "picture;save-literals;blank" as fields and masked edits carry
// it, e.g. "0000-0000;0; " or "E\04-999999/9999;1; ".
//
// Picture characters, one edit position each unless said otherwise:
//   0 digit, required          9 digit, optional
//   # digit, + or -, optional  L letter, required       l letter, optional
//   A letter or digit, required                         a the same, optional
//   C any character, required  c any character, optional
//   / and :  the date and time separators of FormatSettings
//   _  a blank                 \x  x itself as a literal
//   >  upper-case what follows   <  lower-case what follows   <>  no case change
//   !  (no position) optional positions left empty are the leading ones
// Every other character is a literal. The second field "0" leaves the literals
// out of the stored value (any other value or none keeps them); the third is the
// character shown in empty positions ("_" when missing).
//
// The edit text is what the control shows: one character per position, the
// blank character in empty ones. The value is what the field stores.

#include <QChar>
#include <QString>
#include <vector>

class TEditMask {
public:
    // The text of a mask error, as the masked edits show it.
    static const QString InvalidInputMessage;

    explicit TEditMask(const QString& editMask);

    const QString& EditMask() const { return m_editMask; }
    // False for an empty mask: the control then edits freely.
    bool IsMasked() const { return !m_positions.empty(); }
    bool SaveLiterals() const { return m_saveLiterals; }
    QChar BlankChar() const { return m_blank; }
    // Number of positions of the edit text.
    int Length() const { return static_cast<int>(m_positions.size()); }
    bool IsLiteral(int position) const;

    // The edit text with nothing entered: literals and blanks ("E04-      /    ").
    QString EmptyEditText() const;
    // The edit text that shows a stored value (characters that do not fit
    // their positions are left out; they stay blank).
    QString EditTextFor(const QString& value) const;
    // The value to store: blanks become spaces; literals only when saved.
    QString ValueOf(const QString& editText) const;
    // The value shown through the mask with its literals and spaces for the
    // blanks, as a grid shows a masked field ("1234-5678").
    QString FormatText(const QString& value) const;

    // Typing: puts ch at the first input position at or after cursor (typing
    // a literal's own character just steps over it), applying the case shift.
    // On success updates editText and moves cursor past the character and any
    // literals after it; returns false and changes nothing when the character
    // does not fit or there is no room.
    bool TypeChar(QString& editText, int& cursor, QChar ch) const;
    // Empties the input positions of [start, start + count); literals stay.
    void Clear(QString& editText, int start, int count) const;
    // The first input position at or after position, Length() when none.
    int NextInputPosition(int position) const;
    // The last input position before position, -1 when none.
    int PriorInputPosition(int position) const;
    // Where the entered text ends: the first input position after the last
    // filled one (the first input position when nothing is entered), the
    // caret's farthest place while nothing is selected.
    int EndOfText(const QString& editText) const;

    // The first position that is required but empty or that holds a character
    // its position does not allow; -1 when the edit text is complete.
    int FirstInvalidPosition(const QString& editText) const;
    // Raises EDBEditError with InvalidInputMessage unless the text is complete.
    void Validate(const QString& editText) const;

private:
    enum class Case { Keep, Upper, Lower };
    struct Position {
        QChar literal; // set for literal positions
        char kind = 0; // picture character of input positions, 0 for literals
        Case shift = Case::Keep;
    };

    bool IsInput(int position) const;
    bool Allows(const Position& position, QChar ch) const;
    QChar Shifted(const Position& position, QChar ch) const;
    bool IsEmptyAt(const QString& editText, int position) const;

    QString m_editMask;
    std::vector<Position> m_positions;
    bool m_saveLiterals = true;
    bool m_leadingBlanks = false;
    QChar m_blank{u'_'};
};
