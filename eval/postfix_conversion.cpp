// SPDX-License-Identifier: MIT
#include "eval/postfix_conversion.h"

#include <optional>
#include <vector>

#include <vorlenta/eval/value_stack.h>

#include "eval/counter16.h"
#include "eval/postfix_operands.h"

namespace vorlenta {
namespace {

// The fault messages of the conversion, word for word.
namespace faults {
const char *const OperatorExpected = "Operator expected";
const char *const OperandExpected = "Operand expected";
const char *const UnmatchedClosing = "Closing parenthesis without matching open parenthesis";
const char *const ClosingExpected = "Closing parenthesis expected";
const char *const MultipleDecimalPoints = "Operand contains multiple decimal points";
const char *const InvalidOperand = "Invalid operand";
const char *const UnexpectedCharacter = "Unexpected character encountered";
} // namespace faults

QString undefined_symbol(QStringView name)
{
    return QStringLiteral("Undefined symbol : '%1'").arg(name);
}

// Precedence of an operator: "+" "-" 1; "*" "/" 2; "^" and the prefix
// functions 3; negation 10; "(" 0, which stops the popping.
int precedence(Token token)
{
    switch (token) {
    case Token::Add:
    case Token::Subtract:
        return 1;
    case Token::Multiply:
    case Token::Divide:
        return 2;
    case Token::Power:
    case Token::Exponential:
    case Token::Root:
    case Token::Logarithm:
    case Token::Percent:
        return 3;
    case Token::Negate:
        return 10;
    default:
        return 0;
    }
}

// The length of an operator's text in the postfix text: negation is "(-)".
qsizetype text_length(Token token)
{
    return token == Token::Negate ? 3 : 1;
}

Token operator_token(char16_t c)
{
    switch (c) {
    case u'+': return Token::Add;
    case u'-': return Token::Subtract;
    case u'*': return Token::Multiply;
    case u'/': return Token::Divide;
    case u'^': return Token::Power;
    case u'E': return Token::Exponential;
    case u'S': return Token::Root;
    case u'L': return Token::Logarithm;
    default: return Token::Percent;
    }
}

// Names are ASCII letters, digits and "_", starting with no digit.
bool is_symbol_start(char16_t u)
{
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_';
}

bool is_symbol_char(char16_t u)
{
    return is_symbol_start(u) || (u >= u'0' && u <= u'9');
}

bool is_digit(char16_t u)
{
    return u >= u'0' && u <= u'9';
}

const QString &conversion_source()
{
    static const QString source = QStringLiteral("CEval");
    return source;
}

struct Fault {
    std::int16_t position;
    QString message;
};

class Conversion {
public:
    Conversion(const QString &expression, QChar point, const CSymbolTable &symbols, Postfix &postfix)
        : m_expression(expression), m_point(point.unicode()), m_symbols(symbols), m_postfix(postfix)
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
    char16_t current() const { return m_expression[m_position - 1].unicode(); }
    bool at_end() const { return m_position > m_expression.size(); }
    void advance() { m_position = add16(m_position, 1, conversion_source()); }

    // The operator stack holds at most as many operators as a CStack holds values.
    void push(Token token)
    {
        if (m_operators.size() >= std::size_t(CStack::MaxValues))
            throw runtime_error(eval_errors::Overflow, QStringLiteral("CStack"));
        m_operators.push_back(token);
    }
    void emit_popped()
    {
        const Token token = m_operators.back();
        m_operators.pop_back();
        m_postfix.append({token}, text_length(token));
    }

    const QString &m_expression;
    const char16_t m_point;
    const CSymbolTable &m_symbols;
    Postfix &m_postfix;

    std::int16_t m_position = 1;
    ParserState m_state = ParserState::Start;
    std::int16_t m_depth = 0;
    std::vector<Token> m_operators;
};

std::optional<Fault> Conversion::run()
{
    while (!at_end()) {
        const char16_t u = current();
        std::optional<Fault> failed;
        if (u == u'E' || u == u'S' || u == u'L' || u == u'%') {
            push(operator_token(u));
            m_state = ParserState::AfterPrefix;
        } else if (u == u'(') {
            if (m_state == ParserState::AfterOperand)
                return fault(faults::OperatorExpected);
            if (m_state == ParserState::AfterPrefix)
                m_state = ParserState::AfterOperator;
            push(Token::Open);
            m_depth = add16(m_depth, 1, conversion_source());
        } else if (u == u')') {
            failed = close_parenthesis();
        } else if (u == u'+' || u == u'-' || u == u'*' || u == u'/' || u == u'^') {
            failed = infix_or_sign(u);
        } else if (is_digit(u) || u == u'.' || u == u',') {
            if (m_state == ParserState::AfterOperand)
                return fault(faults::OperatorExpected);
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
        return fault(faults::OperandExpected);
    if (m_depth == 0)
        return fault(faults::UnmatchedClosing);
    // Every pending "(" was counted in the depth, so one is on the stack.
    while (m_operators.back() != Token::Open)
        emit_popped();
    m_operators.pop_back();
    m_depth = add16(m_depth, -1, conversion_source());
    return std::nullopt;
}

std::optional<Fault> Conversion::infix_or_sign(char16_t c)
{
    switch (m_state) {
    case ParserState::AfterOperand: {
        // Pop what binds at least as tightly: equal precedence groups from the
        // left, "^" included, and a "(" (precedence 0) stops the popping.
        const Token token = operator_token(c);
        while (!m_operators.empty() && precedence(m_operators.back()) >= precedence(token))
            emit_popped();
        push(token);
        m_state = ParserState::AfterOperator;
        return std::nullopt;
    }
    case ParserState::AfterPrefix:
        return fault(faults::OperandExpected);
    case ParserState::Start:
    case ParserState::AfterOperator:
        if (c == u'-')
            push(Token::Negate);
        else if (c != u'+')
            return fault(faults::OperandExpected);
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
        const char16_t c = current();
        if (!is_digit(c) && c != m_point)
            break;
        if (c == m_point) {
            if (point_seen)
                return fault(faults::MultipleDecimalPoints);
            point_seen = true;
        }
        advance();
    }
    // Back onto the number's last character: the main loop's advance moves past
    // it. A separator of the other kind reads no character at all, so this
    // steps back before it, an empty token is emitted, and the separator is
    // examined again as the character after an operand.
    m_position = add16(m_position, -1, conversion_source());
    const QStringView digits = QStringView(m_expression).mid(start - 1, m_position - start + 1);
    if (digits.size() == 1 && digits.front() == m_point)
        return fault(faults::InvalidOperand);
    m_postfix.append(digits.isEmpty() ? PostfixToken{Token::Empty} : read_literal(digits, m_point),
                     digits.size());
    m_state = ParserState::AfterOperand;
    return std::nullopt;
}

std::optional<Fault> Conversion::read_name()
{
    if (m_state == ParserState::AfterOperand)
        return fault(faults::OperatorExpected);
    if (!is_symbol_start(current()))
        return fault(faults::UnexpectedCharacter);
    qsizetype end = m_position; // 0-based index just past the name
    while (end < m_expression.size() && is_symbol_char(m_expression[end].unicode()))
        ++end;
    const QStringView name = QStringView(m_expression).mid(m_position - 1, end - (m_position - 1));
    const VariantValue *value = m_symbols.m_Symbols.find(name);
    if (!value)
        return fault(undefined_symbol(name));
    const SymbolOperand operand = symbol_operand(*value);
    m_postfix.append(operand.token, operand.text_length);
    // Onto the name's last character; the main loop's advance moves past it.
    m_position = to16(end, conversion_source());
    m_state = ParserState::AfterOperand;
    return std::nullopt;
}

std::optional<Fault> Conversion::end_of_text()
{
    if (m_state == ParserState::AfterOperator || m_state == ParserState::AfterPrefix)
        return fault(faults::OperandExpected);
    if (m_depth > 0)
        return fault(faults::ClosingExpected);
    while (!m_operators.empty())
        emit_popped();
    return std::nullopt;
}

} // namespace

std::int16_t convert_infix_to_postfix(const QString &sExpression, QChar point,
                                      const CSymbolTable &symbols, Postfix &postfix,
                                      QString &error_message)
{
    Conversion conversion(sExpression, point, symbols, postfix);
    const std::optional<Fault> fault = conversion.run();
    if (!fault)
        return 0;
    error_message = fault->message;
    return fault->position;
}

} // namespace vorlenta
