// SPDX-License-Identifier: MIT
// Expression, compiled once and evaluated with new values: every name is a
// symbol of it, the values it is given are the ones it uses (on many threads
// at once: scripts/test-thread-sanitized.sh), and the faults of the call
// itself. The tables of the other tests hold it to CEval::evaluate row by row.

#include <thread>

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

TEST(Compiled, NamesAreSymbolsInOrderOfFirstUseAsFirstWritten)
{
    CEval eval; // an empty table: compile looks nothing up
    EXPECT_EQ(eval.compile("Mass*x+MASS/y_1+X+Ey").symbols(), (std::vector<std::string>{"Mass", "x", "y_1", "y"}));
    const Expression faulty = eval.compile("a+b c+d");
    EXPECT_EQ(faulty.symbols(), (std::vector<std::string>{"a", "b"}));
    // The text's own fault comes first, even before a count that does not fit;
    // only a value no table can hold comes before it, read before the fault.
    expect_same(faulty.evaluate({}), eval.evaluate("1+1 1+1"), "syntax fault");
    EXPECT_EQ(faulty.evaluate({1.0, HUGE_VAL}).number, eval_errors::InvalidSymbolValue);
    Expression moved_from = eval.compile("x");
    const Expression moved_to = std::move(moved_from);
    Expression constant_from = eval.compile("8"), constant_to; // a number is worked out when compiled
    constant_to = std::move(constant_from);
    // NOLINTNEXTLINE(bugprone-use-after-move): a moved-from Expression is the blank one
    for (const Expression &blank : {Expression(), moved_from, constant_from, eval.compile(" \t")})
        expect_compiled(blank, {}, eval.evaluate(""), "blank");
    EXPECT_EQ(moved_to.evaluate({2.0}).value, 2.0);
    EXPECT_EQ(constant_to.evaluate({}).value, 8.0);
    const Expression xy = eval.compile("x*y");
    EXPECT_EQ(xy.evaluate({2.0}).message, "Number of values differs from the number of symbols");
    EXPECT_EQ(xy.evaluate({2.0, 3.0, 4.0}).number, eval_errors::ValueCountMismatch);
    EXPECT_EQ(xy.evaluate({2.0, HUGE_VAL}).number, eval_errors::InvalidSymbolValue);
    EXPECT_EQ(xy.evaluate({2.0, std::nan("")}).number, eval_errors::InvalidSymbolValue);
}

// Each formula with each pair of values, as the table would hold them.
const char *const formulas[] = {"S(x*x+1)*E(-x/10)+L(x+1)/2", "x/y-y^x", "-x*%y+(2+3)*x", "x*y"};
const double values[] = {3.0, -0.0, 0.5, -1.0, 5e-324, 1.7976931348623157e308};

TEST(Compiled, EveryEvaluationUsesTheValuesItIsGiven)
{
    CEval once;
    for (const char *formula : formulas) {
        const Expression compiled = once.compile(formula);
        for (const double x : values) {
            for (const double y : values) {
                once.define("x", x);
                once.define("y", y);
                std::vector<double> given;
                for (const std::string &name : compiled.symbols())
                    given.push_back(name == "x" ? x : y);
                expect_compiled(compiled, given, once.evaluate(formula), formula);
            }
        }
    }
}

TEST(Compiled, ThreadsEvaluateOneExpressionAtOnce)
{
    CEval once;
    const Expression plotter = once.compile(formulas[0]);
    std::vector<double> expected;
    for (int i = 0; i < 1000; ++i) {
        once.define("x", i / 8.0);
        expected.push_back(once.evaluate(formulas[0]).value);
    }
    const auto run = [&](int first, int *mismatches) {
        for (int i = first; i < 1000; i += 4)
            *mismatches += plotter.evaluate({i / 8.0}).value != expected[std::size_t(i)];
    };
    int mismatches[4] = {};
    std::vector<std::thread> threads;
    for (int t = 1; t < 4; ++t)
        threads.emplace_back(run, t, &mismatches[t]);
    run(0, &mismatches[0]);
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(mismatches[0] + mismatches[1] + mismatches[2] + mismatches[3], 0);
}
