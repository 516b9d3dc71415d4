// The postfix token reader takes a short cut for plain numbers; it must agree
// with the numeric test and the double conversion of the number services on
// every token, in both notations.

#include <gtest/gtest.h>

#include "eval/eval_error.h"
#include "eval/token_number.h"
#include "fields/number_format.h"
#include "tests/eval/notation_fixture.h"

namespace vorlenta {
namespace {

using testing::in_notation;
using testing::Notation;
using testing::ScopedNotation;

class TokenNumberTest : public ::testing::TestWithParam<Notation> {
};

TEST_P(TokenNumberTest, AgreesWithTheNumberServices)
{
    const ScopedNotation scope(GetParam());
    const TokenNumberReader reader;
    const char *tokens[] = {
        "0", "7", "007", "5.", ".5", "2.5", "1.2.3", ".", "", "1,5", "12a", "-3", "+3",
        "1e5", "1e+20", "1E-7", "0.1", "0.30000000000000001665", "123456789012345678901234567890",
        "9007199254740993", "2.2250738585072011e-308", "4.9e-324", "1e-400", "inf", "nan",
        "1 2", "(-)", "S", "%",
    };
    for (const char *point_token : tokens) {
        const QString token = in_notation(QString::fromLatin1(point_token), GetParam());
        const std::optional<double> expected = to_double(token);
        const std::optional<double> read = reader.read(token);
        EXPECT_EQ(read.has_value(), is_numeric(token)) << point_token;
        if (expected && read) {
            EXPECT_EQ(*read, *expected) << point_token;
        }
    }
}

TEST_P(TokenNumberTest, NumbersBeyondDoubleRangeRaiseOverflow)
{
    const ScopedNotation scope(GetParam());
    const TokenNumberReader reader;
    for (const QString &token :
         {QString(400, u'9'), QStringLiteral("1e400"), in_notation(QStringLiteral("1.8e308"), GetParam())}) {
        try {
            reader.read(token);
            ADD_FAILURE() << "nothing raised for " << token.left(20).toStdString();
        } catch (const EvalError &error) {
            EXPECT_EQ(error.number(), 6);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Notations, TokenNumberTest,
                         ::testing::Values(Notation::Point, Notation::Comma),
                         [](const auto &info) { return testing::notation_name(info.param); });

} // namespace
} // namespace vorlenta
