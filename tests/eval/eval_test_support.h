// SPDX-License-Identifier: MIT
#pragma once

// What the evaluator's tables share: the notation a row runs in, an evaluator
// with a few symbols that records its notices, and the check of a table, which
// also holds the faults-as-values operation to what Evaluate says and the
// compiled expression to what that operation gives.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <vorlenta/eval.h>

namespace vorlenta::eval_test {

// A test that uses these helpers names the evaluator's classes unqualified too.
using namespace vorlenta;

// Rows are written with "." as the decimal point; in the comma notation "."
// and "," trade places, as a user of a decimal-comma locale types them.
enum Notation { Point = 1, Comma = 2, Both = Point | Comma };

inline std::string in(Notation notation, std::string text)
{
    if (notation == Comma)
        for (char &c : text)
            c = c == '.' ? ',' : c == ',' ? '.' : c;
    return text;
}

// The error that the operation raises, as "raised <number> at <position>:
// <description>"; empty when it raises none.
template <typename Operation>
std::string raised(Operation &&operation)
{
    try {
        operation();
    } catch (const EvalError &e) {
        return "raised " + std::to_string(e.number()) + " at " + std::to_string(e.position()) + ": " + e.description();
    }
    return {};
}

// A fresh evaluator in one notation.
struct Evaluator {
    explicit Evaluator(Notation notation) : notation(notation)
    {
        eval.set_decimal_separator(notation == Point ? '.' : ',');
        eval.set_notice_handler([this](const Notice &notice) { notices.push_back(notice); });
        // clang-format off
        const std::pair<const char *, VariantValue> symbols[] = {
            {"x", 2.5}, {"Pi", 3.14159265358979}, {"t", in(notation, " 0.5 ")}, {"nothing", {}},
            {"tiny", 5e-324}, {"neg", -0.1}, {"xE", 1.0}, {"huge", "1e400"}, {"d", 0.1},
            {"big", 1.7976931348623157e308}, {"third", 1.0 / 3}};
        // clang-format on
        for (const auto &[name, value] : symbols)
            eval.m_SymbolTable.Add(name, value);
        // Stored around the checks of Add: the evaluation must refuse them.
        eval.m_SymbolTable.m_Symbols.add("sneaky", "1 2 +"); // pasted in, the operators would run
        eval.m_SymbolTable.m_Symbols.add("infinite", HUGE_VAL);
    }
    double operator()(const std::string &expression) { return eval.Evaluate(in(notation, expression)); }

    const Notation notation;
    CEval eval;
    std::vector<Notice> notices;
};

// What an expression gives, as text: its value to the last bit, or the error
// it raises, followed by each notice it shows.
inline std::string value(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}
inline std::string fault(int at, const std::string &message)
{
    return "raised -2147221502 at " + std::to_string(at) + ": " + message; // 0x80040002, a syntax fault
}
inline std::string notice(std::int32_t number)
{
    return "0, information notice " + std::to_string(number);
}

// What evaluate() must give where Evaluate gave `result`, raised `error` (if
// any) and showed `notices`: the same value, fault, message and position; a
// capacity overflow is ExpressionTooLong, which an overflow notice may be too;
// a blank text, 0 for Evaluate, is a fault.
inline void expect_same_faults(const EvalResult &result, double expected, const std::string &error,
                               const std::vector<Notice> &notices, const std::string &where, bool blank)
{
    if (blank) {
        EXPECT_EQ(result.number, eval_errors::SyntaxFault) << where;
        EXPECT_EQ("at " + std::to_string(result.position) + ": " + result.message, "at 1: Operand expected") << where;
    } else if (!error.empty()) {
        const std::string as_raised = "raised " + std::to_string(result.number) + " at "
            + std::to_string(result.position) + ": " + result.message;
        if (result.number == eval_errors::ExpressionTooLong)
            EXPECT_EQ(error, "raised 6 at 0: Overflow") << where;
        else
            EXPECT_EQ(as_raised, error) << where;
    } else if (!notices.empty()) {
        const bool too_long =
            notices[0].number == eval_errors::Overflow && result.number == eval_errors::ExpressionTooLong;
        EXPECT_TRUE(result.number == notices[0].number || too_long) << where << ": " << result.number;
        EXPECT_FALSE(result.message.empty()) << where;
    } else {
        EXPECT_TRUE(result.ok() && result.message.empty() && result.position == 0) << where;
    }
    EXPECT_EQ(value(result.value), value(expected)) << where;
}

// The values of the compiled expression's symbols as the evaluator's table
// holds them; false when a double cannot stand for one (an undefined name, the
// empty value, a text beyond the range of a double). A text that is no number
// is NaN, which the compiled expression refuses as Evaluate refuses the text.
inline bool table_values(CEval &eval, const Expression &compiled, std::vector<double> &values)
{
    for (const std::string &name : compiled.symbols()) {
        const VariantValue stored = eval.m_SymbolTable.Value(name);
        if (stored.is_empty())
            return false;
        const EvalResult read = eval.evaluate(name);
        if (stored.is_number() || read.ok())
            values.push_back(stored.is_number() ? stored.number() : read.value);
        else if (read.number == eval_errors::InvalidSymbolValue)
            values.push_back(std::nan(""));
        else
            return false;
    }
    return true;
}

inline void expect_same(const EvalResult &compiled, const EvalResult &once, const std::string &where)
{
    EXPECT_EQ(std::to_string(compiled.number) + " at " + std::to_string(compiled.position) + ": " + compiled.message,
              std::to_string(once.number) + " at " + std::to_string(once.position) + ": " + once.message)
        << where;
    EXPECT_EQ(value(compiled.value), value(once.value)) << where;
}

// Both ways a compiled expression answers against the text evaluated once:
// value() is the value, or NaN for the fault.
inline void expect_compiled(const Expression &compiled, const std::vector<double> &values, const EvalResult &once,
                            const std::string &where)
{
    expect_same(compiled.evaluate(values), once, where);
    const double alone = compiled.value(values);
    if (once.ok())
        EXPECT_EQ(value(alone), value(once.value)) << where << ": value()";
    else
        EXPECT_TRUE(std::isnan(alone)) << where << ": value() of a fault";
}

struct Row {
    const char *protects;
    std::string expression;
    std::string gives;
    Notation notation = Both;
};

template <std::size_t N>
void check(const Row (&rows)[N])
{
    for (const Row &row : rows) {
        for (const Notation notation : {Point, Comma}) {
            if (!(row.notation & notation))
                continue;
            const std::string where = std::string(row.protects) + (notation == Point ? " [.]" : " [,]");
            Evaluator evaluate(notation);
            double result = 0;
            const std::string error = raised([&] { result = evaluate(row.expression); });
            std::string gives = error.empty() ? value(result) : error;
            for (const Notice &n : evaluate.notices) {
                const bool information = n.icon == NoticeIcon::Information && n.kind == NoticeKind::ArithmeticFault;
                gives +=
                    std::string(", ") + (information ? "information" : "other") + " notice " + std::to_string(n.number);
            }
            EXPECT_EQ(gives, row.gives) << where;
            const std::vector<Notice> shown = evaluate.notices;
            const EvalResult as_value = evaluate.eval.evaluate(in(notation, row.expression));
            EXPECT_EQ(evaluate.notices.size(), shown.size()) << where << ": evaluate() showed a notice";
            const std::string &text = row.expression;
            const bool blank = std::all_of(text.begin(), text.end(), [](char c) { return c <= ' ' && c >= 0; });
            expect_same_faults(as_value, result, error, shown, where, blank);
            const Expression compiled = evaluate.eval.compile(in(notation, text));
            std::vector<double> values;
            if (table_values(evaluate.eval, compiled, values))
                expect_compiled(compiled, values, as_value, where + " compiled");
        }
    }
}

} // namespace vorlenta::eval_test
