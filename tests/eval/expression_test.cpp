// SPDX-License-Identifier: MIT
// Evaluate, one table per behaviour: faults raised to the caller (syntax faults
// with message and position, refused symbol values), values to the bit, pairs
// that grouping must tell apart, and the notices of arithmetic faults. Each
// row runs in the notations it names.

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

const char *const OperatorExpected = "Operator expected";
const char *const OperandExpected = "Operand expected";
const char *const Unexpected = "Unexpected character encountered";

const Row raised_rows[] = {
    {"closing parenthesis where an operand belongs", ")", fault(1, OperandExpected)},
    {"closing parenthesis with none open", "1)", fault(2, "Closing parenthesis without matching open parenthesis")},
    {"nothing is evaluated before the fault", "1/0+(3", fault(7, "Closing parenthesis expected")},
    {"a missing operand is reported before open parentheses", "(1+", fault(4, OperandExpected)},
    {"two numbers in a row", "1 2", fault(3, OperatorExpected)},
    {"parenthesis after an operand", "2(3)", fault(2, OperatorExpected)},
    {"stray character where an operand belongs", "#", fault(1, Unexpected)},
    {"only ASCII letters start a name", "\u00e4", fault(1, Unexpected)},
    {"a prefix letter right after an operand", "2E3", fault(2, OperatorExpected)},
    {"dotless i is no letter I", "x\u0131", fault(2, OperatorExpected)},
    {"sign after a sign", "--2", fault(2, OperandExpected)},
    {"infix operator first", "*2", fault(1, OperandExpected)},
    {"text ends after a prefix letter", "2*%", fault(4, OperandExpected)},
    {"second decimal point, at that point", "1..2", fault(3, "Operand contains multiple decimal points")},
    {"lone decimal point", ".", fault(1, "Invalid operand")},
    {"undefined symbol, at its first letter", "1+abc*2", fault(3, "Undefined symbol : 'abc'")},
    {"lower-case e starts a name", "e", fault(1, "Undefined symbol : 'e'")},
    {"underscore starts a name", "_y", fault(1, "Undefined symbol : '_y'")},
    {"the other separator ends a number", "1,5+1", fault(2, OperatorExpected)},
    {"the other separator where an operand belongs", ",5", fault(1, OperatorExpected)},
    {"a text stored around the checks is refused", "sneaky", "raised -2147221494 at 0: Invalid symbol value"},
    {"an infinity stored around the checks", "infinite*0", "raised -2147221494 at 0: Invalid symbol value"},
};

TEST(Raised, SyntaxFaultsWithMessageAndPositionAndRefusedSymbols)
{
    check(raised_rows);
}

const Row value_rows[] = {
    {"left operand stays left", "7/2", value(3.5)},
    {"prefixes after an operator, a sign, a parenthesis and a prefix", "2*-(SS16)", value(-4)},
    {"percent is a hundredth", "%50", value(0.5)},
    {"E and L are to base e", "E1+L2", value(std::exp(1.0) + std::log(2.0))},
    {"nothing at all (a fault for evaluate)", "", value(0)},
    {"blanks and control characters only", " \t\n", value(0)},
    {"negative base, whole exponent", "(-2)^3", value(-8)},
    {"zero to the zero", "0^0", value(1)},
    {"literals and sums round as doubles do", "0.1+0.2+0.3*3", value(0.1 + 0.2 + 0.3 * 3)},
    {"numbers without digits on one side", "5.+.5+007", value(12.5)},
    {"a long literal rounds correctly", "0.30000000000000001665", value(0.30000000000000001665)},
    {"a symbol keeps every digit, in any case", "PI*1", value(3.14159265358979)},
    {"a text symbol", "x*t", value(2.5 * 0.5)},
    {"an empty symbol is nothing", "nothing+1", value(1)},
    {"the smallest subnormal symbol", "tiny*1", value(5e-324)},
    {"a negative symbol", "2*neg", value(2 * -0.1)},
    {"E inside a name, E before a name", "xE+Ex", value(1 + std::exp(2.5))},
    {"a tiny result underflows quietly", "E(-800)", value(std::exp(-800.0))},
};

TEST(Evaluation, ValuesAreThoseOfDoubleArithmetic)
{
    check(value_rows);
}

// The first expression must equal the second and differ from the third.
const char *const pair_rows[][4] = {
    {"power groups from the left", "2^3^2", "(2^3)^2", "2^(3^2)"},
    {"minus groups from the left", "10-2-3", "(10-2)-3", "10-(2-3)"},
    {"division groups from the left", "16/4/2", "(16/4)/2", "16/(4/2)"},
    {"product before sum", "1+2*3", "1+(2*3)", "(1+2)*3"},
    {"power before product", "2*3^2", "2*(3^2)", "(2*3)^2"},
    {"negation before power", "-3^2", "(-3)^2", "-(3^2)"},
    {"E binds before a sum", "E1+1", "(E1)+1", "E(1+1)"},
    {"E binds before a product", "E1*2", "(E1)*2", "E(1*2)"},
    {"S binds before a sum", "S4+5", "(S4)+5", "S(4+5)"},
    {"S binds before a product", "S4*4", "(S4)*4", "S(4*4)"},
    {"L binds before a sum", "L2+1", "(L2)+1", "L(2+1)"},
    {"L binds before a product", "L2*3", "(L2)*3", "L(2*3)"},
    {"% binds before a sum", "%50+1", "(%50)+1", "%(50+1)"},
    {"% binds before a product", "%10*3", "(%10)*3", "%(10*3)"}, // two roundings or one
    {"a sign after an operator", "2*-3+1", "2*(-3)+1", "2*-(3+1)"},
};

TEST(Evaluation, GroupingTellsPairsApart)
{
    for (const auto &[protects, expression, same, different] : pair_rows) {
        SCOPED_TRACE(protects);
        Evaluator evaluate(Point);
        EXPECT_EQ(evaluate(expression), evaluate(same));
        EXPECT_NE(evaluate(expression), evaluate(different));
    }
}

const Row notice_rows[] = {
    {"division by zero", "1/0", notice(11)},
    {"zero divided by zero", "0/0", notice(11)},
    {"zero to a negative power", "0^-1", notice(11)},
    {"root of a negative number", "S(-4)", notice(5)},
    {"logarithm of zero", "L0", notice(5)},
    {"logarithm of a negative number", "L(-1)", notice(5)},
    {"negative base, fractional exponent", "(-8)^(1/3)", notice(5)},
    {"power beyond the range of a double", "10^400", notice(6)},
    {"exponential beyond the range", "E1000", notice(6)},
    {"literal beyond the range", std::string(400, '9'), notice(6)},
    {"text symbol beyond the range", "huge+1", notice(6)},
};

TEST(Notices, ArithmeticFaultsShowOneInformationNoticeAndGiveZero)
{
    check(notice_rows);
}

TEST(Notices, GoToTheProcessWideHandlerWhenTheEvaluatorHasNone)
{
    std::vector<std::int32_t> shown;
    NoticeHandler previous = install_notice_handler([&](const Notice &n) { shown.push_back(n.number); });
    CEval().Evaluate("1/0");
    install_notice_handler(std::move(previous));
    EXPECT_EQ(shown, std::vector<std::int32_t>{11});
}

// A handler that replaces itself while it runs must not be destroyed under
// its own feet (its captured text would be read after being freed: ASan and
// memcheck see it), nor may showing a notice from inside one deadlock.
TEST(Notices, AHandlerMayReplaceHandlersAndShowNoticesWhileItRuns)
{
    std::vector<std::string> shown;
    const std::string words(100, 'w'); // on the heap, in the handler's capture
    const auto replacing = [&shown](const std::string &capture, auto replace) {
        return [&shown, capture, replace](const Notice &n) {
            replace();
            shown.push_back(capture + std::to_string(n.number));
        };
    };
    NoticeHandler previous = install_notice_handler(replacing(words, [&] {
        install_notice_handler([&](const Notice &n) { shown.push_back("inner " + std::to_string(n.number)); });
        show_notice(notice_for(6, "Overflow"));
    }));
    CEval plain, own;
    plain.Evaluate("1/0");
    own.set_notice_handler(replacing(words, [&] { own.set_notice_handler(nullptr); }));
    own.Evaluate("L0");
    own.Evaluate("S(-1)"); // to the process-wide handler now
    install_notice_handler(std::move(previous));
    EXPECT_EQ(shown, (std::vector<std::string>{"inner 6", words + "11", words + "5", "inner 5"}));
}

TEST(FaultsAsValues, TellTooLongFromOverflowAndRefuseUnusableNames)
{
    CEval eval;
    eval.set_decimal_separator('.');
    const auto number = [&](const std::string &expression) { return eval.evaluate(expression).number; };
    EXPECT_EQ(number("10^400"), eval_errors::Overflow);
    EXPECT_EQ(number(std::string(32762, '0') + "1+1"), eval_errors::ExpressionTooLong); // the postfix text
    EXPECT_EQ(eval.evaluate(std::string(32767, '1')).message, "Expression too long to evaluate");
    std::string why;
    for (const char *unusable : {"", "1a", "Ex", "S", "L_1", "a-b", "\u00e9", "a b"})
        EXPECT_FALSE(eval.define(unusable, 1.0, &why)) << unusable;
    EXPECT_FALSE(eval.define("inf", HUGE_VAL, &why));
    EXPECT_EQ(why, "A symbol's value must be a finite number");
    EXPECT_TRUE(eval.define("e", 2.0) && eval.define("_x9", 3.0));
    EXPECT_TRUE(eval.define("E", 1.0) == false && eval.define("e", 5.0)); // a defined one takes the new value
    EXPECT_EQ(eval.evaluate("e*_X9").value, 15.0);
    EXPECT_EQ(eval.m_SymbolTable.Count(), 2);
}
