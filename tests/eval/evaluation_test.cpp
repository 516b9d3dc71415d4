// Evaluate: values, precedence pairs, arithmetic-fault notices, syntax faults
// raised to the caller, in a "." and a "," notation.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "eval/evaluator.h"
#include "eval/postfix_evaluation.h"
#include "tests/eval/notation_fixture.h"

namespace vorlenta {
namespace {

using testing::in_notation;
using testing::Notation;
using testing::ScopedNotation;

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// A fresh evaluator whose notices are recorded, in the given notation.
class RecordingEvaluator {
public:
    explicit RecordingEvaluator(Notation notation) : m_notation(notation), m_scope(notation)
    {
        eval.set_notice_handler([this](const Notice &notice) { notices.push_back(notice); });
        eval.m_SymbolTable.Add(s("x"), 2.5);
        eval.m_SymbolTable.Add(s("Pi"), 3.14159265358979);
        eval.m_SymbolTable.Add(s("t"), in_notation(s("0.5"), notation));
        eval.m_SymbolTable.Add(s("nothing"), VariantValue());
        eval.m_SymbolTable.Add(s("huge"), in_notation(s("1e400"), notation));
        eval.m_SymbolTable.Add(s("big"), 1e20);
        eval.m_SymbolTable.Add(s("tiny"), 5e-324);
        eval.m_SymbolTable.Add(s("neg"), -0.1);
    }

    double evaluate(const QString &expression)
    {
        return eval.Evaluate(in_notation(expression, m_notation));
    }

    CEval eval;
    std::vector<Notice> notices;

private:
    Notation m_notation;
    ScopedNotation m_scope;
};

struct ValueRow {
    const char *name;
    QString expression;
    double value;
};

std::ostream &operator<<(std::ostream &out, const ValueRow &row)
{
    return out << row.name;
}

const ValueRow value_rows[] = {
    {"product_before_sum", s("1+2*3"), 7},
    {"minus_from_the_left", s("10-2-3"), 5},
    {"power_from_the_left", s("2^3^2"), 64},
    {"negation_before_power", s("-2^2"), 4},
    {"negative_exponent", s("2^-1"), 0.5},
    {"division_is_not_whole", s("7/2"), 3.5},
    {"root_of_a_parenthesis", s("S(16)+9"), 13},
    {"operand_below_the_top_is_ignored", s("2S9"), 3},
    {"percent", s("%50"), 0.5},
    {"percent_as_operand", s("2*%50"), 1},
    {"exponential_of_zero", s("E0"), 1},
    {"logarithm_of_one", s("L1"), 0},
    {"empty_text", s(""), 0},
    {"negative_base_whole_exponent", s("(-2)^3"), -8},
    {"zero_to_the_zero", s("0^0"), 1},
    {"sum_rounds_as_doubles_do", s("0.1+0.2"), 0.1 + 0.2},
    {"percent_multiplies_by_a_hundredth", s("%7"), 7 * 0.01},
    {"logarithm_is_natural", s("L2"), std::log(2.0)},
    {"exponential_is_base_e", s("E1"), std::exp(1.0)},
    {"number_symbol_keeps_every_digit", s("Pi*1"), 3.14159265358979},
    {"symbol_times_symbol", s("x*t"), 2.5 * 0.5},
    {"empty_symbol_counts_as_nothing", s("nothing+1"), 1},
    {"symbol_in_exponent_form", s("big*1"), 1e20},
    {"smallest_subnormal_symbol", s("tiny*1"), 5e-324},
    {"negative_symbol", s("2*neg"), 2 * -0.1},
    {"tiny_result_underflows_quietly", s("E(-800)"), std::exp(-800.0)},
    {"long_literal_rounds_correctly", s("0.30000000000000001665"), 0.30000000000000001665},
};

class EvaluationValueTest : public ::testing::TestWithParam<std::tuple<ValueRow, Notation>> {
};

TEST_P(EvaluationValueTest, GivesTheValueWithoutNotice)
{
    const auto &[row, notation] = GetParam();
    RecordingEvaluator evaluator(notation);
    EXPECT_EQ(evaluator.evaluate(row.expression), row.value);
    EXPECT_TRUE(evaluator.notices.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EvaluationValueTest,
    ::testing::Combine(::testing::ValuesIn(value_rows),
                       ::testing::Values(Notation::Point, Notation::Comma)),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + "_"
               + testing::notation_name(std::get<1>(info.param));
    });

struct PairRow {
    const char *name;
    QString left;
    QString right;
    bool equal;
};

std::ostream &operator<<(std::ostream &out, const PairRow &row)
{
    return out << row.name;
}

// Pairs that tell right from wrong grouping: each has a partner that differs.
const PairRow pair_rows[] = {
    {"power_groups_left", s("2^3^2"), s("(2^3)^2"), true},
    {"power_is_not_right_grouped", s("2^3^2"), s("2^(3^2)"), false},
    {"minus_groups_left", s("10-2-3"), s("(10-2)-3"), true},
    {"minus_is_not_right_grouped", s("10-2-3"), s("10-(2-3)"), false},
    {"division_groups_left", s("16/4/2"), s("(16/4)/2"), true},
    {"division_is_not_right_grouped", s("16/4/2"), s("16/(4/2)"), false},
    {"product_binds_tighter_than_sum", s("1+2*3"), s("1+(2*3)"), true},
    {"sum_does_not_bind_tighter", s("1+2*3"), s("(1+2)*3"), false},
    {"power_binds_tighter_than_product", s("2*3^2"), s("2*(3^2)"), true},
    {"product_does_not_bind_tighter_than_power", s("2*3^2"), s("(2*3)^2"), false},
    {"negation_binds_tighter_than_power", s("-3^2"), s("(-3)^2"), true},
    {"negation_is_not_applied_last", s("-3^2"), s("-(3^2)"), false},
    {"prefix_takes_the_next_operand", s("S4*9"), s("(S4)*9"), true},
    {"prefix_does_not_take_the_product", s("S4*9"), s("S(4*9)"), false},
    {"prefix_and_power_group_left", s("S16^2"), s("(S16)^2"), true},
    {"sign_after_operator_negates_the_operand", s("2*-3"), s("2*(-3)"), true},
};

class EvaluationPairTest : public ::testing::TestWithParam<PairRow> {
};

TEST_P(EvaluationPairTest, AgreesOrDiffersAsGroupingDemands)
{
    const PairRow &row = GetParam();
    RecordingEvaluator evaluator(Notation::Point);
    const double left = evaluator.evaluate(row.left);
    const double right = evaluator.evaluate(row.right);
    if (row.equal)
        EXPECT_EQ(left, right);
    else
        EXPECT_NE(left, right);
}

INSTANTIATE_TEST_SUITE_P(Pairs, EvaluationPairTest, ::testing::ValuesIn(pair_rows),
                         [](const auto &info) { return std::string(info.param.name); });

struct FaultRow {
    const char *name;
    QString expression;
    std::int32_t number;
};

std::ostream &operator<<(std::ostream &out, const FaultRow &row)
{
    return out << row.name;
}

const FaultRow arithmetic_fault_rows[] = {
    {"division_by_zero", s("1/0"), 11},
    {"zero_divided_by_zero", s("0/0"), 11},
    {"zero_to_a_negative_power", s("0^-1"), 11},
    {"root_of_a_negative_number", s("S(-4)"), 5},
    {"logarithm_of_zero", s("L0"), 5},
    {"logarithm_of_a_negative_number", s("L(-1)"), 5},
    {"negative_base_fractional_exponent", s("(-8)^(1/3)"), 5},
    {"power_beyond_double_range", s("10^400"), 6},
    {"exponential_beyond_double_range", s("E1000"), 6},
    {"product_beyond_double_range", s("1") + QString(308, u'0') + s("*10"), 6},
    {"literal_beyond_double_range", QString(400, u'9'), 6},
    {"text_symbol_beyond_double_range", s("huge+1"), 6},
    {"fault_inside_a_larger_expression", s("2+3*(1/(2-2))"), 11},
};

class EvaluationFaultTest : public ::testing::TestWithParam<std::tuple<FaultRow, Notation>> {
};

TEST_P(EvaluationFaultTest, ShowsOneArithmeticNoticeAndGivesZero)
{
    const auto &[row, notation] = GetParam();
    RecordingEvaluator evaluator(notation);
    EXPECT_EQ(evaluator.evaluate(row.expression), 0.0);
    ASSERT_EQ(evaluator.notices.size(), 1u);
    const Notice &notice = evaluator.notices.front();
    EXPECT_EQ(notice.kind, NoticeKind::ArithmeticFault);
    EXPECT_EQ(notice.icon, NoticeIcon::Information);
    EXPECT_EQ(notice.number, row.number);
    EXPECT_FALSE(notice.text.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EvaluationFaultTest,
    ::testing::Combine(::testing::ValuesIn(arithmetic_fault_rows),
                       ::testing::Values(Notation::Point, Notation::Comma)),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + "_"
               + testing::notation_name(std::get<1>(info.param));
    });

TEST(EvaluationSyntaxFault, IsRaisedWithMessageAndPositionAndNothingIsEvaluated)
{
    RecordingEvaluator evaluator(Notation::Point);
    try {
        // 1/0 converts before the fault; evaluating it would show a notice.
        evaluator.evaluate(s("1/0+(3"));
        FAIL() << "nothing raised";
    } catch (const EvalError &error) {
        EXPECT_EQ(error.number(), -2147221502); // 0x80040002
        EXPECT_EQ(error.source(), s("CEval"));
        EXPECT_EQ(error.description(), s("Closing parenthesis expected"));
        EXPECT_EQ(error.position(), 7);
    }
    EXPECT_TRUE(evaluator.notices.empty());
}

TEST(EvaluationSymbols, AValueStoredAroundTheChecksIsRefusedNotPastedIn)
{
    RecordingEvaluator evaluator(Notation::Point);
    // Pasted in, this text would evaluate as the operators it contains.
    evaluator.eval.m_SymbolTable.m_Symbols.add(s("sneaky"), s("1 2 +"));
    evaluator.eval.m_SymbolTable.m_Symbols.add(s("infinite"), HUGE_VAL);
    for (const QString &expression : {s("sneaky"), s("infinite*0")}) {
        try {
            evaluator.evaluate(expression);
            ADD_FAILURE() << "nothing raised for " << expression.toStdString();
        } catch (const EvalError &error) {
            EXPECT_EQ(error.number(), eval_errors::InvalidSymbolValue);
        }
    }
}

TEST(EvaluationSymbols, ChangesToTheTableApplyToTheNextEvaluation)
{
    RecordingEvaluator evaluator(Notation::Point);
    EXPECT_EQ(evaluator.evaluate(s("x*2")), 5.0);
    evaluator.eval.m_SymbolTable.Value(s("X"), 4.0);
    EXPECT_EQ(evaluator.evaluate(s("x*2")), 8.0);
}

struct PostfixRow {
    const char *name;
    QString postfix;
    double value;
};

TEST(PostfixEvaluation, ShortStacksAndStrayTokensAreQuiet)
{
    const ScopedNotation scope(Notation::Point);
    const PostfixRow rows[] = {
        {"operator_without_values", s("- "), 0},
        {"operator_with_one_value", s("5 - "), -5},
        {"prefix_without_value", s("S "), 0},
        {"empty_tokens_ignored", s("  2  3 + "), 5},
        {"unknown_tokens_ignored", s("2 foo 3 ( * "), 6},
        {"text_after_the_last_blank_ignored", s("2 3 +"), 3},
        {"nothing_at_all", s(""), 0},
    };
    for (const auto &row : rows) {
        const PostfixOutcome outcome = evaluate_postfix(row.postfix);
        EXPECT_EQ(outcome.result, row.value) << row.name;
        EXPECT_FALSE(outcome.error.has_value()) << row.name;
    }
}

TEST(PostfixEvaluation, ABlankBeyondPosition32767IsAnOverflow)
{
    const ScopedNotation scope(Notation::Point);
    // 16,383 tokens "1 " and 16,382 "+ ": 65,530 characters.
    QString postfix = s("1 ");
    for (int i = 0; i < 16382; ++i)
        postfix += s("1 + ");
    EXPECT_EQ(evaluate_postfix(postfix.left(32767)).error, std::nullopt);
    const PostfixOutcome outcome = evaluate_postfix(postfix);
    ASSERT_TRUE(outcome.error.has_value());
    EXPECT_EQ(outcome.error->number(), 6);
    EXPECT_EQ(outcome.result, 0.0);
}

} // namespace
} // namespace vorlenta
