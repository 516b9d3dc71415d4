// SPDX-License-Identifier: MIT
// Fuzzes CEval::Evaluate and CEval::evaluate with a few symbols defined. The
// first byte picks the notation ("." or ","), the rest is the expression in
// UTF-8.
//
// Beyond crashes, leaks and undefined behaviour it checks what every caller
// relies on: the result is a finite number; a notice means the result is 0; a
// syntax fault points into the expression or just past it; nothing but a
// syntax fault, an overflow or a refused symbol value is raised; the
// faults-as-values operation says what Evaluate says, with no notice (and
// calls a blank text a fault where Evaluate gives 0); and the compiled
// expression, given the values of the table, gives what that operation gives
// to the bit.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <vorlenta/eval.h>

namespace {

using namespace vorlenta;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void define_symbols(CSymbolTable &table, bool comma)
{
    table.Add("x", 2.5);
    table.Add("Mass", comma ? "72,5" : "72.5");
    table.Add("big", 1e300);
    table.Add("tiny", 5e-324);
    table.Add("neg", -3.0);
    table.Add("nothing", VariantValue());
    table.Add("huge_text", "1e400");
    table.m_Symbols.add("sneaky", "1 2 +"); // around the checks
}

bool is_blank(std::string_view expression)
{
    for (const char c : expression) {
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    }
    return true;
}

// The compiled expression with the values the table holds, where doubles can
// stand for them: the same result as the faults-as-values operation.
void check_compiled(CEval &eval, std::string_view expression, const EvalResult &once)
{
    const Expression compiled = eval.compile(expression);
    std::vector<double> values;
    for (const std::string &name : compiled.symbols()) {
        const VariantValue stored = eval.m_SymbolTable.Value(name);
        if (stored.is_empty())
            return; // undefined, or the empty value
        const EvalResult read = eval.evaluate(name);
        if (stored.is_number() || read.ok())
            values.push_back(stored.is_number() ? stored.number() : read.value);
        else if (read.number == eval_errors::InvalidSymbolValue)
            values.push_back(NAN);
        else
            return; // beyond a double
    }
    const EvalResult result = compiled.evaluate(values);
    check(result.number == once.number && result.position == once.position && result.message == once.message);
    check(std::memcmp(&result.value, &once.value, sizeof result.value) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool comma = (data[0] & 1) != 0;
    const std::string_view expression(reinterpret_cast<const char *>(data + 1), size - 1);

    CEval eval;
    eval.set_decimal_separator(comma ? ',' : '.');
    define_symbols(eval.m_SymbolTable, comma);
    int notices = 0;
    std::int32_t noticed = 0;
    eval.set_notice_handler([&](const Notice &notice) {
        ++notices;
        noticed = notice.number;
        check(!notice.text.empty());
    });

    std::int32_t raised = 0;
    int position = 0;
    double result = 0.0;
    try {
        result = eval.Evaluate(expression);
        check(std::isfinite(result));
        check(notices <= 1);
        check(notices == 0 || result == 0.0);
    } catch (const EvalError &error) {
        check(notices == 0);
        raised = error.number();
        position = error.position();
        if (raised == eval_errors::SyntaxFault) {
            // Every character before a fault is ASCII, so bytes and characters agree.
            check(position >= 1 && std::size_t(position) <= expression.size() + 1);
            check(!error.description().empty());
        } else {
            check(raised == eval_errors::Overflow || raised == eval_errors::InvalidSymbolValue);
        }
    }

    const EvalResult value = eval.evaluate(expression);
    check_compiled(eval, expression, value);
    if (is_blank(expression)) {
        check(raised == 0 && notices == 0 && result == 0.0);
        check(value.number == eval_errors::SyntaxFault && value.position == 1 && value.value == 0.0);
        return 0;
    }
    check(notices <= 1 && value.position == position);
    check(value.ok() == (raised == 0 && notices == 0) && value.message.empty() == value.ok());
    if (raised)
        check(value.number == (raised == eval_errors::Overflow ? eval_errors::ExpressionTooLong : raised));
    else if (notices)
        check(value.number == noticed || value.number == eval_errors::ExpressionTooLong);
    check(std::memcmp(&value.value, &result, sizeof result) == 0);
    return 0;
}
