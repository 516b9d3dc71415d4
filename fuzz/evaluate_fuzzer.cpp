// SPDX-License-Identifier: MIT
// Fuzzes CEval::Evaluate and CEval::evaluate with a few symbols defined. The
// first byte picks the notation ("." or ","), the rest is the expression in
// UTF-8.
//
// Beyond crashes, leaks and undefined behaviour it checks what every caller
// relies on: the result is a finite number; a notice means the result is 0; a
// syntax fault points into the expression or just past it; nothing but a
// syntax fault, an overflow or a refused symbol value is raised; and the
// faults-as-values operation says what Evaluate says, with no notice.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

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
    check(notices <= 1 && value.position == position);
    check(value.ok() == (raised == 0 && notices == 0) && value.message.empty() == value.ok());
    if (raised)
        check(value.number == (raised == eval_errors::Overflow ? eval_errors::ExpressionTooLong : raised));
    else if (notices)
        check(value.number == noticed || value.number == eval_errors::ExpressionTooLong);
    check(std::memcmp(&value.value, &result, sizeof result) == 0);
    return 0;
}
