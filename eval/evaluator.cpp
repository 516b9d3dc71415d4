// SPDX-License-Identifier: MIT
#include <vorlenta/eval/evaluator.h>

#include <clocale>
#include <cmath>
#include <cstring>

#include <langinfo.h>

#include "eval/errors.h"
#include "eval/expression.h"
#include "eval/fault_words.h"
#include "eval/symbol_index.h"
#include "eval/symbol_name.h"

namespace vorlenta {
namespace {

// The decimal separator of the user's numeric locale (LC_ALL, LC_NUMERIC,
// LANG), read without touching the process's own locale.
char read_user_decimal_separator() noexcept
{
    const locale_t user = newlocale(LC_NUMERIC_MASK, "", locale_t(nullptr));
    if (!user)
        return '.'; // the named locale is not installed
    const char *radix = nl_langinfo_l(RADIXCHAR, user);
    const char separator = radix && std::strcmp(radix, ".") != 0 ? ',' : '.';
    freelocale(user);
    return separator;
}

// Read once per process: opening a locale reads its files, which for
// C.UTF-8 costs far more than the rest of making an evaluator.
char user_decimal_separator() noexcept
{
    static const char separator = read_user_decimal_separator();
    return separator;
}

// A moved-from evaluator, or one whose table was moved out, lacks some of its
// parts: each is made afresh when first needed, so it works as a new one.
template <typename Part>
Part &made(std::unique_ptr<Part> &part)
{
    if (!part)
        part = std::make_unique<Part>();
    return *part;
}

// The symbols of an evaluator's table, which takes a new evaluator's
// separator when its settings were moved out.
const SymbolIndex &table_symbols(std::unique_ptr<SymbolTableSettings> &settings, std::unique_ptr<SymbolIndex> &symbols)
{
    if (!settings)
        settings = std::make_unique<SymbolTableSettings>(SymbolTableSettings{user_decimal_separator()});
    return made(symbols);
}

} // namespace

class CEval::Private {
public:
    // The message of the last syntax fault; only ever overwritten.
    std::string m_ErrorMessage;
    NoticeHandler handler;
    ExpressionRunner runner; // its stacks serve every evaluation

    Private() = default;
    // A copy starts with stacks of its own.
    Private(const Private &other) : m_ErrorMessage(other.m_ErrorMessage), handler(other.handler) {}
};

// The evaluator's decimal separator is its table's: the one setting reads the
// literals of expressions and the text values of symbols alike.
CEval::CEval() : d(std::make_unique<Private>())
{
    m_SymbolTable.d->separator = user_decimal_separator();
}

CEval::CEval(const CEval &other)
    : m_SymbolTable(other.m_SymbolTable), d(other.d ? std::make_unique<Private>(*other.d) : std::make_unique<Private>())
{
    m_SymbolTable.d->separator = other.decimal_separator();
}
CEval::CEval(CEval &&other) noexcept = default;
CEval::~CEval() = default;

CEval &CEval::operator=(const CEval &other)
{
    if (this != &other) {
        CEval copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CEval &CEval::operator=(CEval &&other) noexcept
{
    // The table as a whole, its separator included, which is the evaluator's.
    m_SymbolTable.m_Symbols = std::move(other.m_SymbolTable.m_Symbols);
    std::swap(m_SymbolTable.d, other.m_SymbolTable.d);
    d = std::move(other.d);
    return *this;
}

void CEval::set_decimal_separator(char separator)
{
    if (separator != '.' && separator != ',')
        throw error_for(eval_errors::InvalidDecimalSeparator, EvalSource);
    made(m_SymbolTable.d).separator = separator;
}

char CEval::decimal_separator() const noexcept
{
    return m_SymbolTable.d ? m_SymbolTable.d->separator : user_decimal_separator();
}

void CEval::set_notice_handler(NoticeHandler handler)
{
    made(d).handler = std::move(handler);
}

double CEval::Evaluate(std::string_view sExpression)
{
    const SymbolIndex &symbols = table_symbols(m_SymbolTable.d, m_SymbolTable.m_Symbols.d);
    const ExpressionOutcome outcome = made(d).runner.run(sExpression, decimal_separator(), symbols);
    if (outcome.syntax.position) {
        d->m_ErrorMessage = outcome.syntax.message;
        throw EvalError(eval_errors::SyntaxFault, EvalSource, outcome.syntax.message, outcome.syntax.position);
    }
    if (outcome.fault) {
        const Notice notice = notice_for(outcome.fault, fault_words(outcome.fault).description);
        // A copy: the handler may replace itself while it runs.
        if (const NoticeHandler own = d->handler)
            own(notice);
        else
            show_notice(notice);
    }
    return outcome.value;
}

EvalResult CEval::evaluate(std::string_view expression)
{
    const SymbolIndex &symbols = table_symbols(m_SymbolTable.d, m_SymbolTable.m_Symbols.d);
    EvalResult result;
    try {
        const ExpressionOutcome outcome = made(d).runner.run(expression, decimal_separator(), symbols);
        if (outcome.syntax.position) {
            d->m_ErrorMessage = outcome.syntax.message;
            result.number = eval_errors::SyntaxFault;
            result.message = outcome.syntax.message;
            result.position = outcome.syntax.position;
        } else if (outcome.syntax.blank) {
            result.number = eval_errors::SyntaxFault;
            result.message = OperandExpectedMessage;
            result.position = BlankTextPosition;
        } else if (outcome.too_long) {
            result.number = eval_errors::ExpressionTooLong;
        } else {
            result.number = outcome.fault;
            result.value = outcome.value;
        }
    } catch (const EvalError &error) {
        // Raised by the conversion: the limits of its 16-bit counters, or a
        // symbol stored around the table's checks.
        result.number = error.number() == eval_errors::Overflow ? eval_errors::ExpressionTooLong : error.number();
        result.message = error.description();
    }
    // An arithmetic fault has no words yet, and a raised Overflow turned
    // ExpressionTooLong still has those of Overflow.
    if (result.number == eval_errors::ExpressionTooLong || (result.number && result.message.empty()))
        result.message = fault_words(result.number).description;
    return result;
}

bool CEval::define(std::string_view name, double value, std::string *why)
{
    const char *reason = unusable_name(name);
    if (!reason && !std::isfinite(value))
        reason = "A symbol's value must be a finite number";
    if (reason) {
        if (why)
            *why = reason;
        return false;
    }
    table_symbols(m_SymbolTable.d, m_SymbolTable.m_Symbols.d);
    if (m_SymbolTable.IsSymbolDefined(name))
        m_SymbolTable.Value(name, value);
    else
        m_SymbolTable.Add(name, value);
    return true;
}

} // namespace vorlenta
