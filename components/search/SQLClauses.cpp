#include "components/search/SQLClauses.h"

namespace {
bool IsIdentifierChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}
bool IsLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}
bool IsBlank(QChar c) {
    return c.unicode() < 33;
}

bool StartsComment(const QString& text, qsizetype pos) {
    if (pos + 1 >= text.size())
        return false;
    return (text[pos] == u'/' && text[pos + 1] == u'*') || (text[pos] == u'-' && text[pos + 1] == u'-');
}

// Position after the quoted text (a doubled quote stays inside) that starts at pos.
qsizetype SkipQuoted(const QString& text, qsizetype pos) {
    const QChar quote = text[pos];
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                pos += 2;
                continue;
            }
            return pos + 1;
        }
        ++pos;
    }
    return pos;
}

// Position after the comment that starts at pos; a line comment ends before its line break.
qsizetype SkipComment(const QString& text, qsizetype pos) {
    if (text[pos] == u'/') {
        const qsizetype end = text.indexOf(QStringLiteral("*/"), pos + 2);
        return end < 0 ? text.size() : end + 2;
    }
    while (pos < text.size() && !IsLineBreak(text[pos]))
        ++pos;
    return pos;
}

bool IsQuote(QChar c) {
    return c == u'\'' || c == u'"';
}

// Where the keyword stands as a whole word outside quoted text and comments; -1 when nowhere.
qsizetype FindKeyword(const QString& text, const QString& keyword) {
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (IsQuote(c)) {
            pos = SkipQuoted(text, pos);
        } else if (StartsComment(text, pos)) {
            pos = SkipComment(text, pos);
        } else if (IsIdentifierChar(c)) {
            qsizetype end = pos;
            while (end < text.size() && IsIdentifierChar(text[end]))
                ++end;
            if (QStringView(text).mid(pos, end - pos).compare(keyword, Qt::CaseInsensitive) == 0)
                return pos;
            pos = end;
        } else {
            ++pos;
        }
    }
    return -1;
}
} // namespace

const QStringList& SQLClauseKeywords() {
    static const QStringList keywords =
        QStringLiteral("SELECT,FROM,WHERE,GROUP,HAVING,ORDER").split(QLatin1Char(','));
    return keywords;
}

QString ExtractClause(const QString& keyword, const QString& sqlText) {
    const QString key = keyword.trimmed().toUpper();
    if (!SQLClauseKeywords().contains(key))
        return QString();
    qsizetype pos = FindKeyword(sqlText, key);
    if (pos < 0)
        return QString();

    QString result;
    while (pos < sqlText.size()) {
        QString breaks;
        while (pos < sqlText.size() && IsBlank(sqlText[pos])) {
            if (IsLineBreak(sqlText[pos]))
                breaks += sqlText[pos];
            ++pos;
        }
        if (pos >= sqlText.size())
            break;
        const qsizetype start = pos;
        while (pos < sqlText.size() && !IsBlank(sqlText[pos])) {
            if (IsQuote(sqlText[pos]))
                pos = SkipQuoted(sqlText, pos);
            else if (StartsComment(sqlText, pos))
                pos = SkipComment(sqlText, pos);
            else
                ++pos;
        }
        const QString word = sqlText.mid(start, pos - start);
        const QString upper = word.toUpper();
        if (upper != key && SQLClauseKeywords().contains(upper))
            break;
        if (!result.isEmpty())
            result += breaks.isEmpty() ? QStringLiteral(" ") : breaks;
        result += word;
    }
    return result;
}

QString ExtractSelect(const QString& sqlText) {
    return ExtractClause(QStringLiteral("SELECT"), sqlText);
}
QString ExtractFrom(const QString& sqlText) {
    return ExtractClause(QStringLiteral("FROM"), sqlText);
}
QString ExtractWhere(const QString& sqlText) {
    return ExtractClause(QStringLiteral("WHERE"), sqlText);
}
QString ExtractGroupBy(const QString& sqlText) {
    return ExtractClause(QStringLiteral("GROUP"), sqlText);
}
QString ExtractHaving(const QString& sqlText) {
    return ExtractClause(QStringLiteral("HAVING"), sqlText);
}
QString ExtractOrderBy(const QString& sqlText) {
    return ExtractClause(QStringLiteral("ORDER"), sqlText);
}
