#include "postfix_conversion.h"

#include <optional>

#include "eval/counter16.h"
#include "eval/eval_error.h"
#include "eval/value_stack.h"
#include "fields/apiconstants.h"
#include "fields/number_format.h"

namespace vorlenta {

QString conversion_faults::undefined_symbol(const QString &name)
{
    return QStringLiteral("Undefined symbol : '") + name + u'\'';
}

std::int16_t OperatorPrecedence(QStringView token)
{
    if (token.size() == 1) {
        switch (token.front().unicode()) {
        case u'+':
        case u'-':
            return 1;
        case u'*':
        case u'/':
            return 2;
        case u'^':
        case u'E':
        case u'S':
        case u'L':
        case u'%':
            return 3;
        default:
            return 0;
        }
    }
    return token == u"(-)" ? 10 : 0;
}

namespace {

char16_t ascii_upper(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? char16_t(u - (u'a' - u'A')) : u;
}

bool is_symbol_start(QChar c)
{
    const char16_t u = ascii_upper(c);
    return (u >= u'A' && u <= u'Z') || u == u'_';
}

bool is_symbol_char(QChar c)
{
    const char16_t u = ascii_upper(c);
    return (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}

bool is_digit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

const QString &conversion_source()
{
    static const QString source = QStringLiteral("CEval");
    return source;
}

// The operator tokens as shared texts, so pushing one copies no characters.
struct OperatorTokens {
    QString plus = QStringLiteral("+"), minus = QStringLiteral("-");
    QString times = QStringLiteral("*"), divide = QStringLiteral("/");
    QString power = QStringLiteral("^"), exp = QStringLiteral("E");
    QString root = QStringLiteral("S"), log = QStringLiteral("L");
    QString percent = QStringLiteral("%"), negate = QStringLiteral("(-)");
    QString open = QStringLiteral("(");

    const QString &of(char16_t c) const
    {
        switch (c) {
        case u'+': return plus;
        case u'-': return minus;
        case u'*': return times;
        case u'/': return divide;
        case u'^': return power;
        case u'E': return exp;
        case u'S': return root;
        case u'L': return log;
        case u'%': return percent;
        default: return open;
        }
    }
};

const OperatorTokens &operator_tokens()
{
    static const OperatorTokens tokens;
    return tokens;
}

// The text a symbol's value stands for in the postfix text. A value that
// reaches here without passing the numeric test (the collection was filled
// directly) is refused rather than pasted in: its text could carry blanks and
// operator tokens of its own.
QString symbol_text(const VariantValue &value)
{
    if (value.is_empty())
        return {};
    if (!is_numeric_value(value))
        throw EvalError(eval_errors::InvalidSymbolValue, conversion_source(),
                        QStringLiteral("Invalid symbol value"));
    // Shortest round-trip form: the default six significant digits would turn
    // 3.14159265358979 into 3.14159.
    if (value.is_number())
        return render_shortest(value.number());
    return value.text().trimmed();
}

struct Fault {
    std::int16_t position;
    QString message;
};

class Conversion {
public:
    Conversion(const QString &expression, QString &postfix, const CSymbolTable &symbols)
        : m_expression(expression), m_postfix(postfix), m_symbols(symbols),
          m_point(apiconstants::DecimalSeparator == u"." ? u'.' : u',')
    {
    }

    std::optional<Fault> run();

private:
    std::optional<Fault> infix_or_sign(char16_t c);
    std::optional<Fault> close_parenthesis();
    std::optional<Fault> read_number();
    std::optional<Fault> read_name();
    std::optional<Fault> end_of_text();

    Fault fault(const QString &message) const { return {m_position, message}; }
    QChar current() const { return m_expression[m_position - 1]; }
    bool at_end() const { return m_position > m_expression.size(); }
    void advance() { m_position = add16(m_position, 1, conversion_source()); }
    void emit_token(QStringView token) { m_postfix.append(token).append(u' '); }
    void emit_popped() { emit_token(m_operators.Pop().text()); }

    const QString &m_expression;
    QString &m_postfix;
    const CSymbolTable &m_symbols;
    const QChar m_point;

    std::int16_t m_position = 1;
    ParserState m_state = ParserState::Start;
    std::int16_t m_depth = 0;
    CStack m_operators;
};

std::optional<Fault> Conversion::run()
{
    const OperatorTokens &tokens = operator_tokens();
    while (!at_end()) {
        const QChar c = current();
        const char16_t u = c.unicode();
        std::optional<Fault> failed;
        if (u == u'E' || u == u'S' || u == u'L' || u == u'%') {
            m_operators.Push(tokens.of(u));
            m_state = ParserState::AfterPrefix;
        } else if (u == u'(') {
            if (m_state == ParserState::AfterOperand)
                return fault(conversion_faults::OperatorExpected);
            if (m_state == ParserState::AfterPrefix)
                m_state = ParserState::AfterOperator;
            m_operators.Push(tokens.open);
            m_depth = add16(m_depth, 1, conversion_source());
        } else if (u == u')') {
            failed = close_parenthesis();
        } else if (u == u'+' || u == u'-' || u == u'*' || u == u'/' || u == u'^') {
            failed = infix_or_sign(u);
        } else if (is_digit(c) || u == u'.' || u == u',') {
            if (m_state == ParserState::AfterOperand)
                return fault(conversion_faults::OperatorExpected);
            failed = read_number();
        } else if (u <= u' ') {
            // blanks and control characters separate tokens
        } else {
            failed = read_name();
        }
        if (failed)
            return failed;
        advance();
    }
    return end_of_text();
}

std::optional<Fault> Conversion::close_parenthesis()
{
    if (m_state != ParserState::AfterOperand)
        return fault(conversion_faults::OperandExpected);
    if (m_depth == 0)
        return fault(conversion_faults::UnmatchedClosing);
    // Every pending "(" was counted in the depth, so one is on the stack.
    for (;;) {
        const VariantValue token = m_operators.Pop();
        if (token.text() == u"(")
            break;
        emit_token(token.text());
    }
    m_depth = add16(m_depth, -1, conversion_source());
    return std::nullopt;
}

std::optional<Fault> Conversion::infix_or_sign(char16_t c)
{
    const OperatorTokens &tokens = operator_tokens();
    switch (m_state) {
    case ParserState::AfterOperand: {
        // Pop what binds at least as tightly: equal precedence groups from the
        // left, "^" included, and a "(" (precedence 0) stops the popping.
        const std::int16_t precedence = OperatorPrecedence(tokens.of(c));
        while (m_operators.StackSize() > 0
               && OperatorPrecedence(m_operators.GetPopValue().text()) >= precedence)
            emit_popped();
        m_operators.Push(tokens.of(c));
        m_state = ParserState::AfterOperator;
        return std::nullopt;
    }
    case ParserState::AfterPrefix:
        return fault(conversion_faults::OperandExpected);
    case ParserState::Start:
    case ParserState::AfterOperator:
        if (c == u'-')
            m_operators.Push(tokens.negate);
        else if (c != u'+')
            return fault(conversion_faults::OperandExpected);
        m_state = ParserState::AfterPrefix;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Fault> Conversion::read_number()
{
    const std::int16_t start = m_position;
    bool point_seen = false;
    while (!at_end()) {
        const QChar c = current();
        if (!is_digit(c) && c != m_point)
            break;
        if (c == m_point) {
            if (point_seen)
                return fault(conversion_faults::MultipleDecimalPoints);
            point_seen = true;
        }
        advance();
    }
    // Back onto the number's last character: the main loop's advance moves past
    // it. A separator of the other kind reads no character at all, so this
    // steps back before it, the empty token is emitted, and the separator is
    // examined again as the character after an operand.
    m_position = add16(m_position, -1, conversion_source());
    const QStringView token = QStringView(m_expression).mid(start - 1, m_position - start + 1);
    if (token.size() == 1 && token.front() == m_point)
        return fault(conversion_faults::InvalidOperand);
    emit_token(token);
    m_state = ParserState::AfterOperand;
    return std::nullopt;
}

std::optional<Fault> Conversion::read_name()
{
    if (m_state == ParserState::AfterOperand)
        return fault(conversion_faults::OperatorExpected);
    if (!is_symbol_start(current()))
        return fault(conversion_faults::UnexpectedCharacter);
    qsizetype end = m_position; // 0-based index just past the name
    while (end < m_expression.size() && is_symbol_char(m_expression[end]))
        ++end;
    const QString name = m_expression.mid(m_position - 1, end - (m_position - 1));
    const VariantValue *value = m_symbols.m_Symbols.find(name);
    if (!value)
        return fault(conversion_faults::undefined_symbol(name));
    emit_token(symbol_text(*value));
    // Onto the name's last character; the main loop's advance moves past it.
    m_position = to16(end, conversion_source());
    m_state = ParserState::AfterOperand;
    return std::nullopt;
}

std::optional<Fault> Conversion::end_of_text()
{
    if (m_state == ParserState::AfterOperator || m_state == ParserState::AfterPrefix)
        return fault(conversion_faults::OperandExpected);
    if (m_depth > 0)
        return fault(conversion_faults::ClosingExpected);
    while (m_operators.StackSize() > 0)
        emit_popped();
    return std::nullopt;
}

} // namespace

bool IsSymbolStartChar(QStringView text)
{
    return !text.isEmpty() && is_symbol_start(text.front());
}

bool IsSymbolChar(QStringView text)
{
    return !text.isEmpty() && is_symbol_char(text.front());
}

std::int16_t convert_infix_to_postfix(const QString &sExpression, QString &postfix,
                                      const CSymbolTable &symbols, QString &error_message)
{
    Conversion conversion(sExpression, postfix, symbols);
    const std::optional<Fault> fault = conversion.run();
    if (!fault)
        return 0;
    error_message = fault->message;
    return fault->position;
}

} // namespace vorlenta
