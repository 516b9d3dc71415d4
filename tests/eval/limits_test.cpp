// The 16-bit limits: long expressions, deep nesting and long postfix texts end
// in a clean error, never a crash or a wrapped counter.

#include <gtest/gtest.h>

#include "eval/evaluator.h"
#include "tests/eval/notation_fixture.h"

namespace vorlenta {
namespace {

using testing::Notation;
using testing::ScopedNotation;

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// "1+1+...+1" with `ones` ones.
QString sum_of_ones(int ones)
{
    QString text = s("1");
    text.reserve(2 * ones);
    for (int i = 1; i < ones; ++i)
        text += s("+1");
    return text;
}

std::int32_t raised_number(CEval &eval, const QString &expression)
{
    try {
        eval.Evaluate(expression);
    } catch (const EvalError &error) {
        return error.number();
    }
    return 0;
}

class LimitsTest : public ::testing::Test {
protected:
    LimitsTest()
    {
        eval.set_notice_handler([this](const Notice &notice) { notices.push_back(notice); });
    }
    ScopedNotation scope{Notation::Point};
    CEval eval;
    std::vector<Notice> notices;
};

TEST_F(LimitsTest, A32766CharacterExpressionStillEvaluates)
{
    // One literal: its postfix text ends in a blank at position 32,767.
    const QString expression = QString(32765, u'0') + s("1");
    EXPECT_EQ(eval.Evaluate(expression), 1.0);
    EXPECT_TRUE(notices.empty());
}

TEST_F(LimitsTest, A32767CharacterExpressionOverflowsThePosition)
{
    EXPECT_EQ(raised_number(eval, QString(32766, u'0') + s("1")), 6);
    EXPECT_EQ(raised_number(eval, s("1") + QString(32766, u' ')), 6);
}

TEST_F(LimitsTest, ALongExpressionsPostfixOverflowsInTheEvaluation)
{
    // Every token gains a blank, so 16,383 ones and their operators make a
    // postfix text of 65,530 characters from 32,765.
    EXPECT_EQ(eval.Evaluate(sum_of_ones(16383)), 0.0);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices.front().number, 6);
}

TEST_F(LimitsTest, A40000CharacterExpressionEndsInOverflow)
{
    EXPECT_EQ(raised_number(eval, sum_of_ones(20000)), 6);
    EXPECT_TRUE(notices.empty());
}

TEST_F(LimitsTest, AnEarlyFaultInALongExpressionWinsOverTheOverflow)
{
    EXPECT_EQ(raised_number(eval, s("#") + sum_of_ones(20000)), eval_errors::SyntaxFault);
}

TEST_F(LimitsTest, FortyThousandNestedParenthesesEndInOverflow)
{
    const QString expression = QString(40000, u'(') + s("1") + QString(40000, u')');
    EXPECT_EQ(raised_number(eval, expression), 6);
}

TEST_F(LimitsTest, FortyThousandOpenParenthesesAloneEndInOverflow)
{
    EXPECT_EQ(raised_number(eval, QString(40000, u'(')), 6);
}

TEST_F(LimitsTest, FortyThousandPendingNegationsEndInOverflow)
{
    EXPECT_EQ(raised_number(eval, QString(40000, u'S')), 6);
}

TEST_F(LimitsTest, ALongSubstitutedPostfixIsAnOverflowNotice)
{
    // Each use of x becomes 18 characters: 2,000 uses pass 32,767 in the
    // postfix text while the expression stays near 4,000.
    eval.m_SymbolTable.Add(s("x"), 0.1234567890123456);
    QString expression = s("x");
    for (int i = 1; i < 2000; ++i)
        expression += s("+x");
    EXPECT_EQ(eval.Evaluate(expression), 0.0);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices.front().number, 6);
    EXPECT_EQ(notices.front().kind, NoticeKind::ArithmeticFault);
}

TEST_F(LimitsTest, AShorterSubstitutedPostfixEvaluates)
{
    eval.m_SymbolTable.Add(s("x"), 0.1234567890123456);
    QString expression = s("x");
    double expected = 0.1234567890123456;
    for (int i = 1; i < 1000; ++i) {
        expression += s("+x");
        expected += 0.1234567890123456;
    }
    EXPECT_EQ(eval.Evaluate(expression), expected);
    EXPECT_TRUE(notices.empty());
}

} // namespace
} // namespace vorlenta
