// SPDX-License-Identifier: MIT
// The caret of a fault report stands under the faulty character in a
// terminal: wide characters take two columns, combining marks none, control
// characters are shown as a blank and a byte that is no UTF-8 as U+FFFD; a
// long expression is cut around the fault.

#include <string>

#include <gtest/gtest.h>

#include "cli/fault_report.h"

namespace vorlenta::cli {
namespace {

struct ReportRow {
    const char *name;
    const char *where;
    std::string expression;
    LineResult result;
    std::string report;
};

std::string repeat(const std::string &text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

std::string caret_at(int column, const std::string &words)
{
    return std::string(std::size_t(column), ' ') + "^ " + words + "\n";
}

// "vorlenta-eval: " and "line 1: " take 15 and 8 columns.
const ReportRow report_rows[] = {
    {"a combining mark takes no column",
     "",
     "e\u0301\xff",
     {Outcome::SyntaxFault, "Invalid UTF-8", 3},
     "vorlenta-eval: e\u0301\uFFFD\n" + caret_at(16, "Invalid UTF-8 (position 3)")},
    {"a C1 control character is a blank",
     "",
     "1\u0085\xff",
     {Outcome::SyntaxFault, "Invalid UTF-8", 3},
     "vorlenta-eval: 1 \uFFFD\n" + caret_at(17, "Invalid UTF-8 (position 3)")},
    {"wide characters cut on the left",
     "line 1: ",
     repeat("\u4e2d", 55) + "\xff",
     {Outcome::SyntaxFault, "Invalid UTF-8", 56},
     "vorlenta-eval: line 1: ..." + repeat("\u4e2d", 50) + "\uFFFD\n"
         + caret_at(26 + 100, "Invalid UTF-8 (position 56)")},
    {"a tab, and the rest cut on the right",
     "",
     "\t#" + repeat("1", 30),
     {Outcome::SyntaxFault, "Unexpected character encountered", 2},
     "vorlenta-eval:  #" + repeat("1", 19) + "...\n" + caret_at(16, "Unexpected character encountered (position 2)")},
    {"an arithmetic fault on one line, cut after 70 characters",
     "",
     "1/0" + repeat("+1", 40),
     {Outcome::ArithmeticFault, "division by zero", 0},
     "vorlenta-eval: 1/0" + repeat("+1", 33) + "+...: division by zero\n"},
};

TEST(FaultReport, PutsTheCaretUnderTheFaultAsATerminalShowsTheLine)
{
    for (const ReportRow &row : report_rows)
        EXPECT_EQ(fault_report(row.where, row.expression, row.result), row.report) << row.name;
}

} // namespace
} // namespace vorlenta::cli
