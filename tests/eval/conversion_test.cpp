// The infix-to-postfix conversion: postfix texts, fault positions and
// messages, symbol substitution and the decimal point, in a "." and a ","
// notation. Rows are written in "." notation; postfix texts are exact, each
// token ending in one blank.

#include <gtest/gtest.h>

#include "eval/postfix_conversion.h"
#include "tests/eval/notation_fixture.h"

namespace vorlenta {
namespace {

using testing::in_notation;
using testing::Notation;
using testing::ScopedNotation;

struct ConversionRow {
    const char *name;
    QString expression;
    int result;       // 0, or the 1-based fault position
    QString message;  // the fault's message; empty when the conversion succeeds
    QString postfix;  // the postfix text, also what was emitted before a fault
};

std::ostream &operator<<(std::ostream &out, const ConversionRow &row)
{
    return out << row.name;
}

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

const QString OperatorExpected = s("Operator expected");
const QString OperandExpected = s("Operand expected");
const QString ClosingExpected = s("Closing parenthesis expected");

// Symbols every row may use, defined in the row's notation.
void define_symbols(CSymbolTable &table, Notation notation)
{
    table.Add(s("x"), 2.5);
    table.Add(s("Pi"), 3.14159265358979);
    table.Add(s("t"), in_notation(s("2.5"), notation));
    table.Add(s("padded"), in_notation(s(" 7.5 "), notation));
    table.Add(s("nothing"), VariantValue());
    table.Add(s("neg"), -4.0);
    table.Add(s("xE"), 1.0);
}

const ConversionRow conversion_rows[] = {
    // Operator order.
    {"product_before_sum", s("1+2*3"), 0, {}, s("1 2 3 * + ")},
    {"parentheses_before_product", s("(1+2)*3"), 0, {}, s("1 2 + 3 * ")},
    {"power_groups_from_the_left", s("2^3^2"), 0, {}, s("2 3 ^ 2 ^ ")},
    {"minus_groups_from_the_left", s("4-2-1"), 0, {}, s("4 2 - 1 - ")},
    {"division_groups_from_the_left", s("8/4/2"), 0, {}, s("8 4 / 2 / ")},
    {"parenthesis_stops_the_popping", s("2*(3+4)"), 0, {}, s("2 3 4 + * ")},
    {"redundant_parentheses_vanish", s("(((1)))"), 0, {}, s("1 ")},
    // Signs and prefix functions.
    {"negation_binds_before_power", s("-2^2"), 0, {}, s("2 (-) 2 ^ ")},
    {"sign_after_an_operator", s("2*-3"), 0, {}, s("2 3 (-) * ")},
    {"plus_sign_emits_nothing", s("+4"), 0, {}, s("4 ")},
    {"double_negation_in_parentheses", s("-(-2)"), 0, {}, s("2 (-) (-) ")},
    {"root_of_a_parenthesis", s("S(16)+9"), 0, {}, s("16 S 9 + ")},
    {"prefix_right_after_an_operand", s("2S9"), 0, {}, s("2 9 S ")},
    {"percent_is_a_prefix", s("%50"), 0, {}, s("50 % ")},
    {"prefix_after_an_operator", s("2*%50"), 0, {}, s("2 50 % * ")},
    {"prefix_function_then_power", s("E(1)^2"), 0, {}, s("1 E 2 ^ ")},
    // Numbers.
    {"trailing_point", s("5."), 0, {}, s("5. ")},
    {"leading_point", s(".5"), 0, {}, s(".5 ")},
    {"leading_zeros_kept", s("007"), 0, {}, s("007 ")},
    {"blanks_and_controls_separate", s(" 1\n+\t2 "), 0, {}, s("1 2 + ")},
    // Symbols.
    {"number_symbol_in_locale_notation", s("x*2"), 0, {}, s("2.5 2 * ")},
    {"name_matches_any_case", s("PI"), 0, {}, s("3.14159265358979 ")},
    {"text_symbol_as_written", s("t"), 0, {}, s("2.5 ")},
    {"text_symbol_without_its_blanks", s("padded"), 0, {}, s("7.5 ")},
    {"empty_symbol_gives_an_empty_token", s("nothing+1"), 0, {}, s(" 1 + ")},
    {"negative_symbol", s("-neg"), 0, {}, s("-4 (-) ")},
    {"letter_E_inside_a_name", s("xE"), 0, {}, s("1 ")},
    {"prefix_E_before_a_name", s("Ex"), 0, {}, s("2.5 E ")},
    // Empty input.
    {"empty_text", s(""), 0, {}, s("")},
    {"blanks_only", s("  \t "), 0, {}, s("")},
    // Faults: position, message, and what was emitted before.
    {"closing_parenthesis_alone", s(")"), 1, OperandExpected, s("")},
    {"closing_parenthesis_unmatched", s("1)"), 2,
     s("Closing parenthesis without matching open parenthesis"), s("1 ")},
    {"empty_parentheses", s("()"), 2, OperandExpected, s("")},
    {"opening_parenthesis_unclosed", s("("), 2, ClosingExpected, s("")},
    {"unclosed_after_an_operand", s("2*(3"), 5, ClosingExpected, s("2 3 ")},
    {"two_operands_in_a_row", s("1 2"), 3, OperatorExpected, s("1 ")},
    {"parenthesis_after_an_operand", s("2(3)"), 2, OperatorExpected, s("2 ")},
    {"parenthesis_after_a_parenthesis", s("(2)(3)"), 4, OperatorExpected, s("2 ")},
    {"stray_character_after_an_operand", s("2#"), 2, OperatorExpected, s("2 ")},
    {"stray_character_in_operand_place", s("#"), 1, s("Unexpected character encountered"), s("")},
    {"non_ascii_letter", s("ä"), 1, s("Unexpected character encountered"), s("")},
    {"dotless_i_is_no_name_letter", s("x\u0131"), 2, OperatorExpected, s("2.5 ")},
    {"sign_after_a_sign", s("--2"), 2, OperandExpected, s("")},
    {"sign_after_a_prefix", s("S-4"), 2, OperandExpected, s("")},
    {"infix_operator_first", s("*2"), 1, OperandExpected, s("")},
    {"text_ends_after_an_operator", s("1+"), 3, OperandExpected, s("1 ")},
    {"text_ends_after_a_prefix", s("50%"), 4, OperandExpected, s("50 ")},
    {"second_decimal_point", s("1..2"), 3, s("Operand contains multiple decimal points"), s("")},
    {"third_part_of_a_number", s("1.2.3"), 4, s("Operand contains multiple decimal points"), s("")},
    {"lone_decimal_point", s("."), 1, s("Invalid operand"), s("")},
    {"undefined_symbol", s("abc"), 1, s("Undefined symbol : 'abc'"), s("")},
    {"undefined_symbol_at_its_first_letter", s("1+abc*2"), 3, s("Undefined symbol : 'abc'"),
     s("1 ")},
    {"lower_case_e_starts_a_name", s("e"), 1, s("Undefined symbol : 'e'"), s("")},
    {"name_after_an_operand", s("x y"), 3, OperatorExpected, s("2.5 ")},
    {"other_separator_after_a_number", s("2,5"), 2, OperatorExpected, s("2 ")},
    {"other_separator_as_operand", s(",5"), 1, OperatorExpected, s(" ")},
};

class ConversionTest
    : public ::testing::TestWithParam<std::tuple<ConversionRow, Notation>> {
};

TEST_P(ConversionTest, GivesPostfixTextOrFaultPositionAndMessage)
{
    const auto &[row, notation] = GetParam();
    const ScopedNotation scope(notation);
    CSymbolTable symbols;
    define_symbols(symbols, notation);

    QString postfix;
    QString message = s("(untouched)");
    const std::int16_t result =
        convert_infix_to_postfix(in_notation(row.expression, notation), postfix, symbols, message);

    EXPECT_EQ(result, row.result);
    EXPECT_EQ(postfix, in_notation(row.postfix, notation));
    EXPECT_EQ(message, row.result == 0 ? s("(untouched)") : row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConversionTest,
    ::testing::Combine(::testing::ValuesIn(conversion_rows),
                       ::testing::Values(Notation::Point, Notation::Comma)),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + "_"
               + testing::notation_name(std::get<1>(info.param));
    });

TEST(ConversionState, AFaultMessageStaysUntilTheNextFault)
{
    const ScopedNotation scope(Notation::Point);
    CSymbolTable symbols;
    QString message;
    QString postfix;
    convert_infix_to_postfix(s("("), postfix, symbols, message);
    postfix.clear();
    EXPECT_EQ(convert_infix_to_postfix(s("1+2"), postfix, symbols, message), 0);
    EXPECT_EQ(message, ClosingExpected);
}

TEST(ConversionState, TokensAreAppendedToWhatThePostfixHolds)
{
    const ScopedNotation scope(Notation::Point);
    CSymbolTable symbols;
    QString message;
    QString postfix = s("9 ");
    convert_infix_to_postfix(s("1+2"), postfix, symbols, message);
    EXPECT_EQ(postfix, s("9 1 2 + "));
}

struct PrecedenceRow {
    const char *token;
    int precedence;
};

TEST(OperatorPrecedenceTable, MapsEachTokenByExactText)
{
    const PrecedenceRow rows[] = {
        {"+", 1}, {"-", 1}, {"*", 2}, {"/", 2}, {"^", 3}, {"E", 3}, {"S", 3},
        {"L", 3}, {"%", 3}, {"(-)", 10}, {"(", 0}, {"e", 0}, {"s", 0}, {"", 0}, {"++", 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(OperatorPrecedence(s(row.token)), row.precedence) << "token " << row.token;
}

TEST(SymbolCharacters, NamesAreAsciiLettersDigitsAndUnderscore)
{
    EXPECT_TRUE(IsSymbolStartChar(s("a")));
    EXPECT_TRUE(IsSymbolStartChar(s("Z")));
    EXPECT_TRUE(IsSymbolStartChar(s("_x")));
    EXPECT_FALSE(IsSymbolStartChar(s("1")));
    EXPECT_FALSE(IsSymbolStartChar(s("")));
    EXPECT_FALSE(IsSymbolStartChar(s("\u017f"))); // long s, upper case "S" in Unicode
    EXPECT_TRUE(IsSymbolChar(s("7")));
    EXPECT_TRUE(IsSymbolChar(s("_")));
    EXPECT_FALSE(IsSymbolChar(s(".")));
    EXPECT_FALSE(IsSymbolChar(s("[")));  // just after "Z"
    EXPECT_FALSE(IsSymbolChar(s("@")));  // just before "A"
}

} // namespace
} // namespace vorlenta
