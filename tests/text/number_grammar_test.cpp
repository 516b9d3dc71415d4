// SPDX-License-Identifier: MIT
// Numbers read from text are the correctly rounded value of what is written,
// whichever way the reading takes: the same bits as the C library's strtod
// and strtof, for short and long digit strings and exponents near the edges.

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "text/number_grammar.h"

namespace vorlenta::text {
namespace {

std::string random_number(std::mt19937 &random)
{
    const auto below = [&](unsigned n) { return unsigned(random() % n); };
    std::string text = below(3) == 0 ? "-" : below(8) == 0 ? "+" : "";
    const auto digits = [&](unsigned most) {
        const unsigned count = below(most + 1);
        for (unsigned i = 0; i < count; ++i)
            text += char('0' + (below(4) == 0 ? 0 : below(10)));
    };
    digits(18);
    text += '.';
    digits(18);
    if (text.find_first_of("0123456789") == std::string::npos)
        text += '7';
    if (below(3) == 0)
        text += "e" + std::to_string(int(below(81)) - 40);
    return text;
}

TEST(NumberGrammar, ReadsTheCorrectlyRoundedValue)
{
    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i) {
        const std::string text = random_number(random);
        SCOPED_TRACE(text);
        const std::optional<double> value = read_double(text, '.');
        const std::optional<float> single = read_single(text, '.');
        ASSERT_TRUE(value && single);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*value),
                  std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr)));
        ASSERT_EQ(std::bit_cast<std::uint32_t>(*single),
                  std::bit_cast<std::uint32_t>(std::strtof(text.c_str(), nullptr)));
    }
    EXPECT_EQ(read_double("-0,25", ','), -0.25);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*read_double("-0", '.')), std::bit_cast<std::uint64_t>(-0.0));
    EXPECT_EQ(read_double("1e99999999999", '.'), HUGE_VAL);
    EXPECT_EQ(read_double("1e-99999999999", '.'), 0.0);
}

TEST(NumberGrammar, TakesNothingElse)
{
    for (const char *text : {"", "-", ".", "+.", "1.5.", "1e", "1e+", "e5", " 1", "1 ", "0x10", "inf", "1,5", "--1"})
        EXPECT_FALSE(read_double(text, '.')) << text;
    for (const char *text : {"5.", ".5", "+1E-3", "-007"})
        EXPECT_TRUE(is_number(text, '.')) << text;
}

} // namespace
} // namespace vorlenta::text
