// SPDX-License-Identifier: MIT
#pragma once

// Expression: an expression read once (CEval::compile) and evaluated many
// times with new values of its symbols, as a plotter, a spreadsheet column or
// a simulation does:
//
//   vorlenta::CEval eval;
//   const vorlenta::Expression f = eval.compile("S(x*x+1)*E(-x/10)");
//   // f.symbols() is {"x"}
//   for (double x = 0; x < 10; x += 0.5)
//       std::printf("%g\n", f.evaluate({x}).value);
//
// Every name in the text is a symbol of the expression: compile looks up
// nothing in the evaluator's table. Names match without regard to the case of
// ASCII letters, as the table's do; symbols() lists each once, in order of
// first use, spelt as first written.
//
// evaluate gives what CEval::evaluate gives for the same text, with the same
// separator and a table holding these values, to the bit: the value, or the
// first fault with its number, message and position, ExpressionTooLong
// included (the postfix form writes each symbol as the shortest text of its
// value). A syntax fault found by compile comes back from every evaluate,
// unless a value is infinite or NaN: that is InvalidSymbolValue, as reading
// the text refuses such a value where it reads the symbol. A blank text is
// "Operand expected" at 1. When `count` is not symbols().size(), the text's
// fault comes back, or else ValueCountMismatch.
//
// A plain value: copies share the compiled form, which never changes, so any
// number of threads may evaluate one Expression (or its copies) at once. A
// default-constructed or moved-from Expression is the blank text's.

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <vorlenta/eval/eval_result.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class VORLENTA_EVAL_EXPORT Expression {
public:
    Expression() noexcept;
    Expression(const Expression &other) noexcept;
    Expression(Expression &&other) noexcept;
    Expression &operator=(const Expression &other) noexcept;
    Expression &operator=(Expression &&other) noexcept;
    ~Expression();

    // The names of its symbols, in order of first use; for a text with a
    // syntax fault, those before the fault.
    std::vector<std::string> symbols() const;

    // The value with values[i] for symbols()[i]. Throws nothing but
    // std::bad_alloc.
    EvalResult evaluate(const double *values, std::size_t count) const
    {
        // A text that is one number within the limits was worked out when
        // compiled: nothing to run.
        if (m_constant && count == 0)
            return EvalResult{m_value, 0, {}, 0};
        return evaluated(values, count);
    }
    EvalResult evaluate(std::initializer_list<double> values) const { return evaluate(values.begin(), values.size()); }
    EvalResult evaluate(const std::vector<double> &values) const { return evaluate(values.data(), values.size()); }

    // The value alone, or NaN where evaluate gives a fault: for callers that
    // want numbers only, as a plotter leaves a gap where a curve is
    // undefined. It builds no EvalResult, so it is the quicker of the two.
    double value(const double *values, std::size_t count) const
    {
        if (m_constant && count == 0)
            return m_value;
        return valued(values, count);
    }
    double value(std::initializer_list<double> values) const { return value(values.begin(), values.size()); }
    double value(const std::vector<double> &values) const { return value(values.data(), values.size()); }

private:
    friend class CEval;
    class VORLENTA_EVAL_NO_EXPORT Private;
    VORLENTA_EVAL_NO_EXPORT explicit Expression(std::shared_ptr<const Private> compiled) noexcept;
    EvalResult evaluated(const double *values, std::size_t count) const;
    double valued(const double *values, std::size_t count) const;
    std::shared_ptr<const Private> d;
    bool m_constant = false; // what the compiled form says, kept here for the inline way
    double m_value = 0.0;
};

} // namespace vorlenta
