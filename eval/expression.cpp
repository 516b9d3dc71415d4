// SPDX-License-Identifier: MIT
#include "eval/expression.h"

#include <vorlenta/eval/value_stack.h>

#include "eval/arithmetic.h"
#include "eval/counter16.h"
#include "eval/number_text.h"
#include "eval/program.h"
#include "eval/symbol_index.h"
#include "eval/symbol_name.h"

namespace vorlenta {
namespace {

// The fault messages of the conversion, word for word.
namespace faults {
const char *const OperatorExpected = "Operator expected";
const char *const OperandExpected = OperandExpectedMessage;
const char *const UnmatchedClosing = "Closing parenthesis without matching open parenthesis";
const char *const ClosingExpected = "Closing parenthesis expected";
const char *const MultipleDecimalPoints = "Operand contains multiple decimal points";
const char *const InvalidOperand = "Invalid operand";
const char *const UnexpectedCharacter = "Unexpected character encountered";
} // namespace faults

// Precedence of an operator: "+" "-" 1; "*" "/" 2; "^" and the prefix
// functions 3; negation 10; "(" 0, which stops the popping.
int precedence(Token token)
{
    switch (token) {
    case Token::Add:
    case Token::Subtract: return 1;
    case Token::Multiply:
    case Token::Divide: return 2;
    case Token::Power:
    case Token::Exponential:
    case Token::Root:
    case Token::Logarithm:
    case Token::Percent: return 3;
    case Token::Negate: return 10;
    default: return 0;
    }
}

// The length of an operator's text in the postfix text: negation is "(-)".
int text_length(Token token)
{
    return token == Token::Negate ? 3 : 1;
}

Token operator_token(char c)
{
    switch (c) {
    case '+': return Token::Add;
    case '-': return Token::Subtract;
    case '*': return Token::Multiply;
    case '/': return Token::Divide;
    case '^': return Token::Power;
    case 'E': return Token::Exponential;
    case 'S': return Token::Root;
    case 'L': return Token::Logarithm;
    default: return Token::Percent;
    }
}

bool is_digit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Reads one expression and hands its tokens to the sink in postfix order:
//   void emit(Token token, double value, int length)  a token; a number's value
//                                                      and the length of its text
//   bool name(std::string_view name)                   a name where an operand
//                                                      stands; false: undefined
template <typename Sink>
class Conversion {
public:
    Conversion(std::string_view expression, char point, Sink &sink, std::vector<Token> &operators)
        : m_expression(expression), m_point(point), m_sink(sink), m_operators(operators)
    {
    }

    SyntaxOutcome run();

private:
    // Each returns false at a syntax fault, with the fault noted.
    bool step(unsigned char c);
    bool infix_or_sign(char c);
    bool close_parenthesis();
    bool read_number();
    bool read_name();
    bool end_of_text();

    bool fault(std::string message)
    {
        m_outcome.position = m_position;
        m_outcome.message = std::move(message);
        return false;
    }
    unsigned char current() const { return static_cast<unsigned char>(m_expression[std::size_t(m_position - 1)]); }
    bool at_end() const { return std::size_t(m_position) > m_expression.size(); }
    void advance() { m_position = add16(m_position, 1, EvalSource); }

    // The operator stack holds at most as many operators as a CStack holds values.
    void push(Token token)
    {
        if (m_operators.size() >= std::size_t(CStack::MaxValues))
            throw error_for(eval_errors::Overflow, StackSource);
        m_operators.push_back(token);
    }
    void emit_popped()
    {
        const Token token = m_operators.back();
        m_operators.pop_back();
        m_sink.emit(token, 0.0, text_length(token));
    }

    const std::string_view m_expression;
    const char m_point;
    Sink &m_sink;
    std::vector<Token> &m_operators;

    std::int16_t m_position = 1;
    ParserState m_state = ParserState::Start;
    std::int16_t m_depth = 0;
    SyntaxOutcome m_outcome;
};

template <typename Sink>
SyntaxOutcome Conversion<Sink>::run()
{
    m_operators.clear();
    bool converted = true;
    while (converted && !at_end()) {
        converted = step(current());
        if (converted)
            advance();
    }
    if (converted)
        end_of_text();
    return std::move(m_outcome);
}

// One character where a token may start; the grammar is in expression.h.
template <typename Sink>
bool Conversion<Sink>::step(unsigned char c)
{
    // term := [ sign ] { function } operand
    // After a sign or another function, or where a term starts. Right after
    // an operand a function letter is no more an operator than a digit is:
    // "2E3" is a fault, not 2 dropped and e cubed.
    if (is_prefix_function(c)) {
        if (m_state == ParserState::AfterOperand)
            return fault(faults::OperatorExpected);
        push(operator_token(char(c)));
        m_state = ParserState::AfterPrefix;
        return true;
    }
    // operand := "(" expression ")"
    // Opens where an operand may stand; inside, a term starts afresh.
    if (c == '(') {
        if (m_state == ParserState::AfterOperand)
            return fault(faults::OperatorExpected);
        if (m_state == ParserState::AfterPrefix)
            m_state = ParserState::AfterOperator;
        push(Token::Open);
        m_depth = add16(m_depth, 1, EvalSource);
        return true;
    }
    if (c == ')')
        return close_parenthesis();
    if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^')
        return infix_or_sign(char(c));
    // operand := number: any decimal separator starts one, so that the other
    // notation's is reported where it stands.
    if (is_digit(c) || c == '.' || c == ',') {
        if (m_state == ParserState::AfterOperand)
            return fault(faults::OperatorExpected);
        return read_number();
    }
    if (c <= ' ')
        return true; // blanks and control characters separate tokens
    return read_name();
}

// operand := "(" expression ")"
// Closes right after an operand, with a "(" open: what waits since it is emitted.
template <typename Sink>
bool Conversion<Sink>::close_parenthesis()
{
    if (m_state != ParserState::AfterOperand)
        return fault(faults::OperandExpected);
    if (m_depth == 0)
        return fault(faults::UnmatchedClosing);
    // Every pending "(" was counted in the depth, so one is on the stack.
    while (m_operators.back() != Token::Open)
        emit_popped();
    m_operators.pop_back();
    m_depth = add16(m_depth, -1, EvalSource);
    return true;
}

// expression := term { infix term }     after an operand
// term := [ sign ] { function } operand   where a term starts: one sign at
//                                         most, before any function
template <typename Sink>
bool Conversion<Sink>::infix_or_sign(char c)
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
        return true;
    }
    case ParserState::AfterPrefix: return fault(faults::OperandExpected);
    case ParserState::Start:
    case ParserState::AfterOperator:
        if (c == '-')
            push(Token::Negate);
        else if (c != '+')
            return fault(faults::OperandExpected);
        m_state = ParserState::AfterPrefix;
        return true;
    }
    return true;
}

// number := digits [ point [ digits ] ] | point digits
template <typename Sink>
bool Conversion<Sink>::read_number()
{
    const std::int16_t start = m_position;
    bool point_seen = false;
    while (!at_end()) {
        const char c = char(current());
        if (!is_digit(static_cast<unsigned char>(c)) && c != m_point)
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
    m_position = add16(m_position, -1, EvalSource);
    const std::string_view digits = m_expression.substr(std::size_t(start - 1), std::size_t(m_position - start + 1));
    if (digits.size() == 1 && digits.front() == m_point)
        return fault(faults::InvalidOperand);
    if (digits.empty()) {
        m_sink.emit(Token::Empty, 0.0, 0);
    } else {
        const Operand literal = read_literal(digits, m_point);
        m_sink.emit(literal.token, literal.value, literal.text_length);
    }
    m_state = ParserState::AfterOperand;
    return true;
}

// operand := name (symbol_name.h), which the sink knows
template <typename Sink>
bool Conversion<Sink>::read_name()
{
    if (m_state == ParserState::AfterOperand)
        return fault(faults::OperatorExpected);
    if (!is_name_start(current()))
        return fault(faults::UnexpectedCharacter);
    std::size_t end = std::size_t(m_position); // 0-based index just past the name
    while (end < m_expression.size() && is_name_char(static_cast<unsigned char>(m_expression[end])))
        ++end;
    const std::size_t first = std::size_t(m_position - 1);
    const std::string_view name = m_expression.substr(first, end - first);
    if (!m_sink.name(name))
        return fault("Undefined symbol : '" + std::string(name) + "'");
    // Onto the name's last character; the main loop's advance moves past it.
    m_position = to16((long long)end, EvalSource);
    m_state = ParserState::AfterOperand;
    return true;
}

// input := [ expression ]
// The text ends where a term may start only before the first one, and with
// every "(" closed; what still waits is emitted.
template <typename Sink>
bool Conversion<Sink>::end_of_text()
{
    if (m_state == ParserState::AfterOperator || m_state == ParserState::AfterPrefix)
        return fault(faults::OperandExpected);
    if (m_depth > 0)
        return fault(faults::ClosingExpected);
    m_outcome.blank = m_state == ParserState::Start;
    while (!m_operators.empty())
        emit_popped();
    return true;
}

// Applies each token to a value stack the moment it is emitted, with the
// symbols of a table.
class Evaluation {
public:
    Evaluation(const SymbolIndex &symbols, char point, std::vector<double> &values)
        : m_symbols(symbols), m_point(point), m_values(values)
    {
        m_values.clear();
    }

    // The token's text counts against the postfix form's limit, and unless an
    // earlier token failed, the token is applied at once.
    void emit(Token token, double value, int length)
    {
        m_text_length += length + 1;
        if (m_fault)
            return;
        if (m_text_length > PostfixLimit) {
            m_too_long = true;
            m_fault = eval_errors::Overflow;
            return;
        }
        apply(token, value);
    }

    bool name(std::string_view name)
    {
        const SymbolEntry *entry = m_symbols.find(name);
        if (!entry)
            return false;
        const Operand &operand = entry->operand(m_point);
        // A text pasted in unread could carry blanks and operators of its own.
        if (!operand.usable)
            throw error_for(eval_errors::InvalidSymbolValue, EvalSource);
        emit(operand.token, operand.value, operand.text_length);
        return true;
    }

    ExpressionOutcome outcome(SyntaxOutcome syntax) const
    {
        ExpressionOutcome outcome;
        if (syntax.position) {
            outcome.syntax = std::move(syntax);
        } else if (m_fault) {
            outcome.fault = m_fault;
            outcome.too_long = m_too_long;
        } else {
            outcome.syntax.blank = syntax.blank;
            if (!m_values.empty())
                outcome.value = m_values.back(); // values below the top are left
        }
        return outcome;
    }

private:
    void apply(Token token, double value)
    {
        double result = 0.0;
        switch (token) {
        case Token::Number: m_values.push_back(value); return;
        case Token::TooLarge: m_fault = eval_errors::Overflow; return;
        case Token::Empty:
        case Token::Open: return;
        default: break;
        }
        if (is_infix(token)) {
            const double right = pop_value();
            m_fault = apply_infix(token, pop_value(), right, result);
        } else {
            m_fault = apply_prefix(token, pop_value(), result);
        }
        if (!m_fault)
            m_values.push_back(result);
    }

    double pop_value()
    {
        if (m_values.empty())
            return 0.0; // an operator short of values takes 0, unreported
        const double value = m_values.back();
        m_values.pop_back();
        return value;
    }

    const SymbolIndex &m_symbols;
    const char m_point;
    std::vector<double> &m_values;
    long long m_text_length = 0; // of the postfix text so far
    std::int32_t m_fault = 0;
    bool m_too_long = false;
};

} // namespace

ExpressionOutcome ExpressionRunner::run(std::string_view expression, char point, const SymbolIndex &symbols)
{
    Evaluation evaluation(symbols, point, m_values);
    return evaluation.outcome(Conversion<Evaluation>(expression, point, evaluation, m_operators).run());
}

SyntaxOutcome compile_expression(std::string_view expression, char point, ProgramBuilder &program)
{
    std::vector<Token> operators;
    return Conversion<ProgramBuilder>(expression, point, program, operators).run();
}

} // namespace vorlenta
