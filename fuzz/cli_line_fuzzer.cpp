// SPDX-License-Identifier: MIT
// Fuzzes the command line's handling of one input line: the bytes as read
// (any bytes, invalid UTF-8 and NUL included), their evaluation or
// assignment, the fault report with its caret and the hint after it. The
// first byte picks the notation.
//
// Beyond crashes, leaks and undefined behaviour it checks what the command
// promises: a value is a number that reads back in the same notation; a
// syntax fault points into the line or just past it; every fault report is
// valid UTF-8 and the one or two lines it should be, with the caret under
// the line; a hint is valid UTF-8 on one line.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/fault_report.h"
#include "cli/hints.h"
#include "cli/number_text.h"
#include "cli/session.h"
#include "text/number_text.h"
#include "text/utf8.h"

namespace {

using namespace vorlenta::cli;
using vorlenta::text::characters_before;
using vorlenta::text::first_invalid_utf8;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void check_report(const std::string &report, std::size_t lines)
{
    check(first_invalid_utf8(report) == std::string_view::npos);
    check(std::size_t(std::count(report.begin(), report.end(), '\n')) == lines && report.back() == '\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    Session session(false);
    session.line().evaluator().set_decimal_separator(separator);
    session.line().evaluator().define("x", 2.5);
    const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);

    const LineResult result = session.run(bytes).result;
    switch (result.outcome) {
    case Outcome::Value:
        check(read_number(result.text, separator).has_value());
        check(vorlenta::text::number_text(*read_number(result.text, separator), separator) == result.text);
        return 0;
    case Outcome::SyntaxFault: {
        check(result.position >= 1 && result.position <= characters_before(bytes, bytes.size()) + 1);
        const std::string report = fault_report("line 1: ", bytes, result);
        check_report(report, 2);
        // A column takes at least one byte of the line above the caret.
        const std::size_t first_line = report.find('\n');
        check(report.find('^', first_line) - first_line - 1 <= first_line);
        const std::string hint = fault_hint(bytes, result, separator);
        check(first_invalid_utf8(hint) == std::string_view::npos && hint.find('\n') == std::string::npos);
        return 0;
    }
    case Outcome::ArithmeticFault: check_report(fault_report("", bytes, result), 1); return 0;
    }
    return 0;
}
