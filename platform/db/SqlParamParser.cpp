#include "platform/db/SqlParamParser.h"

namespace {

bool IsNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

} // namespace

SqlParamParser::Result SqlParamParser::Parse(const QString& text) {
    Result result;
    QString& out = result.positionalText;
    out.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Quoted text; a doubled quote stays inside.
            qsizetype j = i + 1;
            while (j < n) {
                if (text[j] == c) {
                    if (j + 1 < n && text[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const qsizetype end = j < n ? j + 1 : n;
            out += QStringView(text).mid(i, end - i);
            i = end;
        } else if (c == QLatin1Char('-') && i + 1 < n && text[i + 1] == QLatin1Char('-')) {
            qsizetype j = text.indexOf(QLatin1Char('\n'), i);
            if (j < 0)
                j = n;
            out += QStringView(text).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('/') && i + 1 < n && text[i + 1] == QLatin1Char('*')) {
            qsizetype j = text.indexOf(QLatin1String("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            out += QStringView(text).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('?')) {
            out += c;
            result.markers << QString();
            ++i;
        } else if (c == QLatin1Char(':') && i + 1 < n && IsNameChar(text[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && IsNameChar(text[j]))
                ++j;
            result.markers << text.mid(i + 1, j - i - 1);
            out += QLatin1Char('?');
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return result;
}
