#include "platform/db/TSQLScript.h"

#include "platform/base/Exceptions.h"

#include <QRegularExpression>

namespace {

const QRegularExpression SetTerm(QStringLiteral(R"(^SET\s+TERM\s+(\S+)$)"),
                                 QRegularExpression::CaseInsensitiveOption);
const QRegularExpression Commit(QStringLiteral(R"(^COMMIT(\s+WORK)?$)"),
                                QRegularExpression::CaseInsensitiveOption);
const QRegularExpression ClientSetting(QStringLiteral(R"(^SET\s+(SQL\s+DIALECT|NAMES|AUTODDL)\b)"),
                                       QRegularExpression::CaseInsensitiveOption);

class Splitter {
public:
    explicit Splitter(const QString& script) : m_text(script) {}

    QList<TSQLScript::Item> Run() {
        const qsizetype n = m_text.size();
        while (m_pos < n) {
            const QChar c = m_text[m_pos];
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                CopyQuoted(c);
            } else if (c == QLatin1Char('-') && Peek(1) == QLatin1Char('-')) {
                while (m_pos < n && m_text[m_pos] != QLatin1Char('\n'))
                    ++m_pos;
            } else if (c == QLatin1Char('/') && Peek(1) == QLatin1Char('*')) {
                SkipBlockComment();
            } else if (QStringView(m_text).mid(m_pos).startsWith(m_terminator)) {
                m_pos += m_terminator.size();
                Finish();
            } else {
                Append(c);
                ++m_pos;
            }
        }
        Finish();
        return m_items;
    }

private:
    QChar Peek(qsizetype offset) const {
        return m_pos + offset < m_text.size() ? m_text[m_pos + offset] : QChar();
    }

    void Append(QChar c) {
        if (m_current.trimmed().isEmpty() && !c.isSpace())
            m_startLine = LineAt(m_pos);
        m_current += c;
    }

    int LineAt(qsizetype pos) {
        while (m_lineScan < pos) {
            if (m_text[m_lineScan] == QLatin1Char('\n'))
                ++m_line;
            ++m_lineScan;
        }
        return m_line;
    }

    void CopyQuoted(QChar quote) {
        const int startLine = LineAt(m_pos);
        Append(quote);
        ++m_pos;
        for (;;) {
            if (m_pos >= m_text.size())
                throw EDatabaseError(
                    QStringLiteral("Quoted text opened on line %1 is not closed.").arg(startLine));
            const QChar c = m_text[m_pos++];
            m_current += c;
            if (c == quote) {
                if (m_pos < m_text.size() && m_text[m_pos] == quote) {
                    m_current += quote;
                    ++m_pos;
                    continue;
                }
                return;
            }
        }
    }

    void SkipBlockComment() {
        const int startLine = LineAt(m_pos);
        const qsizetype end = m_text.indexOf(QLatin1String("*/"), m_pos + 2);
        if (end < 0)
            throw EDatabaseError(QStringLiteral("Comment opened on line %1 is not closed.").arg(startLine));
        m_pos = end + 2;
        // Keep words on either side apart.
        m_current += QLatin1Char(' ');
    }

    void Finish() {
        const QString text = m_current.trimmed();
        m_current.clear();
        if (text.isEmpty())
            return;
        if (const auto match = SetTerm.match(text); match.hasMatch()) {
            m_terminator = match.captured(1);
            return;
        }
        if (ClientSetting.match(text).hasMatch())
            return;
        TSQLScript::Item item;
        item.kind = Commit.match(text).hasMatch() ? TSQLScript::Kind::Commit : TSQLScript::Kind::Statement;
        item.text = text;
        item.line = m_startLine;
        m_items << item;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    QString m_terminator = QStringLiteral(";");
    QString m_current;
    int m_startLine = 1;
    int m_line = 1;
    qsizetype m_lineScan = 0;
    QList<TSQLScript::Item> m_items;
};

} // namespace

QList<TSQLScript::Item> TSQLScript::Split(const QString& script) {
    return Splitter(script).Run();
}
