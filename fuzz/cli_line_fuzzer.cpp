// SPDX-License-Identifier: MIT
// Fuzzes the command line's handling of one input line: the bytes as read
// (any bytes, invalid UTF-8 and NUL included), their evaluation and the
// fault report with its caret. The first byte picks the notation.
//
// Beyond crashes, leaks and undefined behaviour it checks what the command
// promises: a value is a number that reads back in the same notation; a
// syntax fault points into the line or just past it; every fault report is
// the one or two lines it should be, with the caret under the line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <QString>

#include "cli/fault_report.h"
#include "cli/line_evaluation.h"
#include "cli/number_text.h"

namespace {

using namespace vorlenta::cli;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QChar separator = (data[0] & 1) ? QLatin1Char(',') : QLatin1Char('.');
    LineEvaluator line(separator);
    line.evaluator().m_SymbolTable.Add("x", 2.5);
    const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);

    QString expression;
    const LineResult result = line.evaluate_bytes(bytes, expression);
    switch (result.outcome) {
    case Outcome::Value:
        check(read_number(result.text, separator).has_value());
        check(number_text(*read_number(result.text, separator), separator) == result.text);
        return 0;
    case Outcome::SyntaxFault: {
        check(result.position >= 1 && result.position <= expression.size() + 1);
        const QString report = fault_report(QStringLiteral("line 1: "), expression, result);
        check(report.count(QLatin1Char('\n')) == 2 && report.endsWith(QLatin1Char('\n')));
        const QString caret_line = report.section(QLatin1Char('\n'), 1, 1);
        check(caret_line.indexOf(QLatin1Char('^')) <= report.section(QLatin1Char('\n'), 0, 0).size());
        return 0;
    }
    case Outcome::ArithmeticFault: {
        const QString report = fault_report(QString(), expression, result);
        check(report.count(QLatin1Char('\n')) == 1);
        return 0;
    }
    }
    return 0;
}
