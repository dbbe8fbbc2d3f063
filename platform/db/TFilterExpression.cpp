#include "platform/db/TFilterExpression.h"

#include "platform/base/Currency.h"
#include "platform/base/Exceptions.h"
#include "platform/base/SysUtils.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

enum class Truth { False, True, Unknown };

// A value as comparisons see it: a field's value or a literal.
struct Datum {
    enum class Kind { Null, Integer, Exact, Float, Text, DateTime };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    Currency exact;
    double real = 0;
    QString text;
    QDateTime dateTime;

    bool isNumber() const { return kind == Kind::Integer || kind == Kind::Exact || kind == Kind::Float; }
    double toDouble() const {
        switch (kind) {
        case Kind::Integer:
            return static_cast<double>(integer);
        case Kind::Exact:
            return exact.toDouble();
        default:
            return real;
        }
    }
};

// Numbers as the filter text writes them: digits with an optional decimal dot.
std::optional<Datum> numberDatum(const QString& text) {
    QStringView digits = text;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+')))
        digits = digits.mid(1);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? digits : digits.left(point);
    const QStringView fraction = point < 0 ? QStringView() : digits.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    for (const QStringView part : {whole, fraction})
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
    Datum datum;
    bool ok = false;
    datum.real = QLocale::c().toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    datum.kind = Datum::Kind::Float;
    if (point < 0) {
        const qlonglong integer = QLocale::c().toLongLong(text, &ok);
        if (ok) {
            datum.kind = Datum::Kind::Integer;
            datum.integer = integer;
        }
    } else if (const std::optional<Currency> exact = Currency::parse(text)) {
        datum.kind = Datum::Kind::Exact;
        datum.exact = *exact;
    }
    return datum;
}

Datum datumOf(const QVariant& value) {
    Datum datum;
    if (!value.isValid() || value.isNull())
        return datum;
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        datum.kind = Datum::Kind::Exact;
        datum.exact = value.value<Currency>();
        return datum;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Bool:
        datum.kind = Datum::Kind::Integer;
        datum.integer = value.toLongLong();
        break;
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        datum.kind = Datum::Kind::Float;
        datum.real = value.toDouble();
        break;
    case QMetaType::QDate:
        datum.kind = Datum::Kind::DateTime;
        datum.dateTime = QDateTime(value.toDate(), QTime(0, 0));
        break;
    case QMetaType::QDateTime:
        datum.kind = Datum::Kind::DateTime;
        datum.dateTime = value.toDateTime();
        break;
    default:
        datum.kind = Datum::Kind::Text;
        datum.text = value.toString();
        break;
    }
    return datum;
}

template <typename T> int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Money and integers compare exactly while both fit in Currency.
std::optional<Currency> exactOf(const Datum& datum) {
    if (datum.kind == Datum::Kind::Exact)
        return datum.exact;
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / Currency::Scale;
    if (datum.kind == Datum::Kind::Integer && datum.integer <= limit && datum.integer >= -limit)
        return Currency::fromUnits(datum.integer);
    return std::nullopt;
}

int compareNumbers(const Datum& a, const Datum& b) {
    if (a.kind == Datum::Kind::Integer && b.kind == Datum::Kind::Integer)
        return threeWay(a.integer, b.integer);
    if (a.kind != Datum::Kind::Float && b.kind != Datum::Kind::Float) {
        const std::optional<Currency> x = exactOf(a);
        const std::optional<Currency> y = exactOf(b);
        if (x && y)
            return threeWay(*x, *y);
    }
    return threeWay(a.toDouble(), b.toDouble());
}

QString numberText(const Datum& datum) {
    switch (datum.kind) {
    case Datum::Kind::Integer:
        return QString::number(datum.integer);
    case Datum::Kind::Exact:
        return CurrToStr(datum.exact);
    default:
        return FloatToStr(datum.real);
    }
}

} // namespace

struct TFilterExpression::Node {
    enum class Kind { And, Or, Not, Compare, IsNull };
    enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };
    struct Operand {
        int field = -1; // index into the field names, or -1 for a literal
        Datum literal;  // Null for the null keyword
        QString source; // the literal as written
    };

    Kind kind = Kind::Compare;
    Op op = Op::Equal;
    bool negated = false; // IS NOT NULL
    std::unique_ptr<Node> left;
    std::unique_ptr<Node> right;
    Operand a;
    Operand b;
};

namespace {

using Node = TFilterExpression::Node;

struct Token {
    enum class Kind { End, Name, Text, Number, Symbol };
    Kind kind = Kind::End;
    QString text;
    qsizetype position = 0;
};

class Parser {
public:
    Parser(const QString& text, QStringList& fieldNames) : m_text(text), m_fieldNames(fieldNames) {
        tokenize();
    }

    std::unique_ptr<Node> parse() {
        auto root = parseOr();
        if (current().kind != Token::Kind::End)
            fail(QStringLiteral("unexpected '%1'").arg(current().text));
        return root;
    }

private:
    [[noreturn]] void fail(const QString& detail) const {
        throw EDatabaseError(QStringLiteral("Invalid filter expression '%1': %2").arg(m_text, detail));
    }

    void tokenize() {
        qsizetype i = 0;
        const qsizetype n = m_text.size();
        while (i < n) {
            const QChar c = m_text[i];
            if (c.isSpace()) {
                ++i;
                continue;
            }
            Token token;
            token.position = i;
            if (c == QLatin1Char('\'')) {
                token.kind = Token::Kind::Text;
                ++i;
                for (;;) {
                    if (i >= n)
                        fail(QStringLiteral("unterminated text"));
                    if (m_text[i] == QLatin1Char('\'')) {
                        if (i + 1 < n && m_text[i + 1] == QLatin1Char('\'')) {
                            token.text += QLatin1Char('\'');
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    token.text += m_text[i++];
                }
            } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && m_text[i + 1].isDigit())) {
                token.kind = Token::Kind::Number;
                while (i < n && (m_text[i].isDigit() || m_text[i] == QLatin1Char('.')))
                    token.text += m_text[i++];
            } else if (c.isLetter() || c == QLatin1Char('_')) {
                token.kind = Token::Kind::Name;
                while (i < n && (m_text[i].isLetterOrNumber() || m_text[i] == QLatin1Char('_') ||
                                 m_text[i] == QLatin1Char('$')))
                    token.text += m_text[i++];
            } else {
                token.kind = Token::Kind::Symbol;
                const QString two = m_text.mid(i, 2);
                if (two == QLatin1String("<>") || two == QLatin1String("<=") || two == QLatin1String(">=")) {
                    token.text = two;
                    i += 2;
                } else if (QStringLiteral("=<>()-+").contains(c)) {
                    token.text = c;
                    ++i;
                } else {
                    fail(QStringLiteral("unexpected '%1'").arg(c));
                }
            }
            m_tokens.push_back(token);
        }
        m_tokens.push_back(Token{Token::Kind::End, QString(), n});
    }

    const Token& current() const { return m_tokens[m_index]; }
    bool isKeyword(const char* keyword) const {
        return current().kind == Token::Kind::Name &&
               current().text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const char* symbol) const {
        return current().kind == Token::Kind::Symbol && current().text == QLatin1String(symbol);
    }
    QString describeCurrent() const {
        return current().kind == Token::Kind::End ? QStringLiteral("unexpected end")
                                                  : QStringLiteral("unexpected '%1'").arg(current().text);
    }

    std::unique_ptr<Node> binary(Node::Kind kind, std::unique_ptr<Node> left, std::unique_ptr<Node> right) {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    std::unique_ptr<Node> parseOr() {
        auto left = parseAnd();
        while (isKeyword("OR")) {
            ++m_index;
            left = binary(Node::Kind::Or, std::move(left), parseAnd());
        }
        return left;
    }

    std::unique_ptr<Node> parseAnd() {
        auto left = parseNot();
        while (isKeyword("AND")) {
            ++m_index;
            left = binary(Node::Kind::And, std::move(left), parseNot());
        }
        return left;
    }

    std::unique_ptr<Node> parseNot() {
        if (isKeyword("NOT")) {
            ++m_index;
            auto node = std::make_unique<Node>();
            node->kind = Node::Kind::Not;
            node->left = parseNot();
            return node;
        }
        if (isSymbol("(")) {
            ++m_index;
            auto inner = parseOr();
            if (!isSymbol(")"))
                fail(QStringLiteral("missing ')'"));
            ++m_index;
            return inner;
        }
        return parseComparison();
    }

    std::unique_ptr<Node> parseComparison() {
        auto node = std::make_unique<Node>();
        node->a = parseOperand();
        if (isKeyword("IS")) {
            ++m_index;
            node->kind = Node::Kind::IsNull;
            if (isKeyword("NOT")) {
                node->negated = true;
                ++m_index;
            }
            if (!isKeyword("NULL"))
                fail(QStringLiteral("NULL expected after IS"));
            ++m_index;
            return node;
        }
        static const std::pair<const char*, Node::Op> operators[] = {
            {"=", Node::Op::Equal},   {"<>", Node::Op::NotEqual},  {"<", Node::Op::Less},
            {">", Node::Op::Greater}, {"<=", Node::Op::LessEqual}, {">=", Node::Op::GreaterEqual}};
        for (const auto& [symbol, op] : operators) {
            if (isSymbol(symbol)) {
                ++m_index;
                node->op = op;
                node->b = parseOperand();
                return node;
            }
        }
        fail(current().kind == Token::Kind::End
                 ? QStringLiteral("comparison expected at the end")
                 : QStringLiteral("comparison expected before '%1'").arg(current().text));
    }

    Node::Operand parseOperand() {
        Node::Operand operand;
        QString sign;
        if (isSymbol("-") || isSymbol("+")) {
            sign = current().text;
            ++m_index;
            if (current().kind != Token::Kind::Number)
                fail(QStringLiteral("number expected after '%1'").arg(sign));
        }
        const Token& token = current();
        switch (token.kind) {
        case Token::Kind::Number: {
            const std::optional<Datum> number = numberDatum(sign + token.text);
            if (!number)
                fail(QStringLiteral("invalid number '%1'").arg(token.text));
            operand.literal = *number;
            operand.source = sign + token.text;
            break;
        }
        case Token::Kind::Text:
            operand.literal.kind = Datum::Kind::Text;
            operand.literal.text = token.text;
            operand.source = token.text;
            break;
        case Token::Kind::Name:
            if (isKeyword("NULL"))
                break;
            for (const char* keyword : {"AND", "OR", "NOT", "IS"})
                if (isKeyword(keyword))
                    fail(describeCurrent());
            operand.field = fieldIndex(token.text);
            break;
        default:
            fail(describeCurrent());
        }
        ++m_index;
        return operand;
    }

    int fieldIndex(const QString& name) {
        for (int i = 0; i < m_fieldNames.size(); ++i)
            if (m_fieldNames[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        m_fieldNames.append(name);
        return static_cast<int>(m_fieldNames.size() - 1);
    }

    const QString& m_text;
    QStringList& m_fieldNames;
    std::vector<Token> m_tokens;
    std::size_t m_index = 0;
};

Truth truthOf(bool value) {
    return value ? Truth::True : Truth::False;
}

class Evaluator {
public:
    Evaluator(const QString& text, const TFilterExpression::FieldValues& values)
        : m_text(text), m_values(values) {}

    Truth evaluate(const Node& node) const {
        switch (node.kind) {
        case Node::Kind::And: {
            const Truth left = evaluate(*node.left);
            if (left == Truth::False)
                return Truth::False;
            const Truth right = evaluate(*node.right);
            if (right == Truth::False)
                return Truth::False;
            return left == Truth::True && right == Truth::True ? Truth::True : Truth::Unknown;
        }
        case Node::Kind::Or: {
            const Truth left = evaluate(*node.left);
            if (left == Truth::True)
                return Truth::True;
            const Truth right = evaluate(*node.right);
            if (right == Truth::True)
                return Truth::True;
            return left == Truth::False && right == Truth::False ? Truth::False : Truth::Unknown;
        }
        case Node::Kind::Not: {
            const Truth inner = evaluate(*node.left);
            return inner == Truth::Unknown ? Truth::Unknown : truthOf(inner == Truth::False);
        }
        case Node::Kind::IsNull:
            return truthOf((value(node.a).kind == Datum::Kind::Null) != node.negated);
        case Node::Kind::Compare:
            break;
        }
        return compare(node);
    }

private:
    Datum value(const Node::Operand& operand) const {
        return operand.field < 0 ? operand.literal : datumOf(m_values(operand.field));
    }

    static bool isNullKeyword(const Node::Operand& operand) {
        return operand.field < 0 && operand.literal.kind == Datum::Kind::Null;
    }

    Truth compare(const Node& node) const {
        const Datum a = value(node.a);
        const Datum b = value(node.b);
        // "= null" and "<> null" test for null, as IS NULL does.
        if (isNullKeyword(node.a) || isNullKeyword(node.b)) {
            const bool bothNull = a.kind == Datum::Kind::Null && b.kind == Datum::Kind::Null;
            if (node.op == Node::Op::Equal)
                return truthOf(bothNull);
            if (node.op == Node::Op::NotEqual)
                return truthOf(!bothNull);
            return Truth::Unknown;
        }
        if (a.kind == Datum::Kind::Null || b.kind == Datum::Kind::Null)
            return Truth::Unknown;
        const int order = ordering(a, node.a, b, node.b);
        switch (node.op) {
        case Node::Op::Equal:
            return truthOf(order == 0);
        case Node::Op::NotEqual:
            return truthOf(order != 0);
        case Node::Op::Less:
            return truthOf(order < 0);
        case Node::Op::Greater:
            return truthOf(order > 0);
        case Node::Op::LessEqual:
            return truthOf(order <= 0);
        case Node::Op::GreaterEqual:
            return truthOf(order >= 0);
        }
        return Truth::Unknown;
    }

    int ordering(const Datum& a, const Node::Operand& aSource, const Datum& b,
                 const Node::Operand& bSource) const {
        using Kind = Datum::Kind;
        if (a.isNumber() && b.isNumber())
            return compareNumbers(a, b);
        if (a.kind == Kind::Text && b.kind == Kind::Text)
            return threeWay(QString::compare(a.text, b.text), 0);
        if (a.kind == Kind::DateTime && b.kind == Kind::DateTime)
            return threeWay(a.dateTime, b.dateTime);
        if (a.kind == Kind::DateTime && b.kind == Kind::Text)
            return threeWay(a.dateTime, dateTimeOf(b.text));
        if (a.kind == Kind::Text && b.kind == Kind::DateTime)
            return threeWay(dateTimeOf(a.text), b.dateTime);
        // A number against text: numerically when the text is a number,
        // else as texts.
        if (a.isNumber() && b.kind == Kind::Text) {
            if (const std::optional<Datum> number = numberDatum(b.text.trimmed()))
                return compareNumbers(a, *number);
            return threeWay(QString::compare(textOf(a, aSource), b.text), 0);
        }
        if (a.kind == Kind::Text && b.isNumber())
            return -ordering(b, bSource, a, aSource);
        throw EDatabaseError(QStringLiteral("Type mismatch in filter expression '%1'").arg(m_text));
    }

    static QString textOf(const Datum& number, const Node::Operand& operand) {
        return operand.field < 0 ? operand.source : numberText(number);
    }

    QDateTime dateTimeOf(const QString& text) const {
        try {
            return StrToDateTime(text);
        } catch (const EConvertError&) {
            throw EDatabaseError(
                QStringLiteral("'%1' is not a valid date in filter expression '%2'").arg(text, m_text));
        }
    }

    const QString& m_text;
    const TFilterExpression::FieldValues& m_values;
};

} // namespace

TFilterExpression::TFilterExpression(const QString& text) : m_text(text) {
    if (!text.trimmed().isEmpty())
        m_root = Parser(m_text, m_fieldNames).parse();
}

TFilterExpression::~TFilterExpression() = default;
TFilterExpression::TFilterExpression(TFilterExpression&&) noexcept = default;
TFilterExpression& TFilterExpression::operator=(TFilterExpression&&) noexcept = default;

bool TFilterExpression::Evaluate(const FieldValues& values) const {
    if (!m_root)
        return true;
    return Evaluator(m_text, values).evaluate(*m_root) == Truth::True;
}
