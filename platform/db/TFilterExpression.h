#pragma once
// A data set's filter text compiled once and evaluated per record:
//   comparisons = <> < > <= >= between field names and literals ('text' with
//   doubled apostrophes, numbers with a decimal dot, dates as 'dd/mm/yyyy'
//   text), IS [NOT] NULL and "= null" / "<> null", AND, OR, NOT and
//   parentheses. Keywords and field names in any case.
// Comparisons follow SQL: one with a null side (other than against the null
// literal) is neither true nor false, and a record passes only when the whole
// expression is true.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

class TFilterExpression {
public:
    // The value of FieldNames()[index] in the record being tested; a null
    // field is an invalid or null QVariant. Currency travels as
    // QVariant::fromValue(Currency).
    using FieldValues = std::function<QVariant(int index)>;

    // Raises EDatabaseError naming the text when it does not parse. A blank
    // text passes every record.
    explicit TFilterExpression(const QString& text);
    ~TFilterExpression();
    TFilterExpression(TFilterExpression&&) noexcept;
    TFilterExpression& operator=(TFilterExpression&&) noexcept;

    const QString& Text() const { return m_text; }
    // The fields the text names, each once (compared without regard to case),
    // spelled as first written.
    const QStringList& FieldNames() const { return m_fieldNames; }
    bool Evaluate(const FieldValues& values) const;

    struct Node;

private:
    QString m_text;
    QStringList m_fieldNames;
    std::unique_ptr<const Node> m_root;
};
