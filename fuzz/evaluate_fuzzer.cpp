// SPDX-License-Identifier: MIT
// Fuzzes CEval::Evaluate with a few symbols defined. The first byte picks the
// notation ("." or ","), the rest is the expression in UTF-8.
//
// Beyond crashes, leaks and undefined behaviour it checks what every caller
// relies on: the result is a finite number; a notice means the result is 0; a
// syntax fault points into the expression or just past it; nothing but a
// syntax fault or an overflow is raised.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QLocale>
#include <QString>

#include <vorlenta/eval.h>

namespace {

using namespace vorlenta;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void use_notation(bool comma)
{
    static const QLocale point(QLocale::English, QLocale::UnitedStates);
    static const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(comma ? german : point);
}

void define_symbols(CSymbolTable &table, bool comma)
{
    table.Add(QStringLiteral("x"), 2.5);
    table.Add(QStringLiteral("Mass"), comma ? QStringLiteral("72,5") : QStringLiteral("72.5"));
    table.Add(QStringLiteral("big"), 1e300);
    table.Add(QStringLiteral("tiny"), 5e-324);
    table.Add(QStringLiteral("neg"), -3.0);
    table.Add(QStringLiteral("nothing"), VariantValue());
    table.Add(QStringLiteral("huge_text"), QStringLiteral("1e400"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool comma = (data[0] & 1) != 0;
    use_notation(comma);
    const QString expression =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    CEval eval;
    eval.set_decimal_separator(comma ? u',' : u'.');
    define_symbols(eval.m_SymbolTable, comma);
    int notices = 0;
    eval.set_notice_handler([&](const Notice &notice) {
        ++notices;
        check(!notice.text.isEmpty());
    });

    try {
        const double result = eval.Evaluate(expression);
        check(std::isfinite(result));
        check(notices <= 1);
        check(notices == 0 || result == 0.0);
    } catch (const EvalError &error) {
        check(notices == 0);
        if (error.number() == eval_errors::SyntaxFault) {
            check(error.position() >= 1 && error.position() <= expression.size() + 1);
            check(!error.description().isEmpty());
        } else {
            check(error.number() == eval_errors::Overflow);
        }
    }
    return 0;
}
