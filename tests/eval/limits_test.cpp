// SPDX-License-Identifier: MIT
// The 16-bit limits, each on both sides of its edge: the expression's length,
// the pending operators, and the length of the postfix text, in which every
// token ends in one blank and a symbol stands as its value's shortest text.

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

// "0...01" with the given number of characters.
std::string one(int length)
{
    return std::string(std::size_t(length - 1), '0') + '1';
}

// "s+s+...+s" with n uses of s (or "s-s+s-..." when alternating), and the sum
// of n values v added as doubles from the left.
std::string uses(const std::string &s, int n, bool alternating = false)
{
    std::string text = s;
    for (int i = 1; i < n; ++i)
        text += (alternating && i % 2 ? "-" : "+") + s;
    return text;
}
double sum(double v, int n)
{
    double total = v;
    for (int i = 1; i < n; ++i)
        total += v;
    return total;
}

TEST(Limits, EachLimitHoldsUpToItsEdgeAndFailsJustPastIt)
{
    const double big = 1.7976931348623157e308;
    const Row rows[] = {
        {"a 32,766-character expression converts", one(32766), value(1)},
        {"a 32,767-character expression overflows", one(32767), "raised 6 at 0: Overflow"},
        {"an early fault wins over the length", '#' + one(40000), fault(1, "Unexpected character encountered")},
        {"32,760 pending operators fit (the postfix is too long)", std::string(32760, 'S') + '1', notice(6)},
        {"the 32,761st pending operator overflows", std::string(32761, 'S') + '1', "raised 6 at 0: Overflow"},
        // "N+1" becomes "N 1 + ": its last blank is at the length of N plus 5.
        {"a postfix of 32,767 characters evaluates", one(32762) + "+1", value(2)},
        {"a postfix of 32,768 characters overflows", one(32763) + "+1", notice(6)},
        // n uses of a symbol whose value's text has k characters make n(k + 3) - 2.
        {"5,461 uses of 0.1 fit", uses("d", 5461), value(sum(0.1, 5461))},
        {"the 5,462nd use of 0.1 overflows", uses("d", 5462), notice(6)},
        {"a fault before the postfix passes its limit comes first", "1/0+" + uses("d", 5462), notice(11)},
        {"the postfix passing its limit comes before a later fault", uses("d", 5462) + "+1/0", notice(6)},
        {"1,560 uses of 0.3333333333333333 fit", uses("third", 1560), value(sum(1.0 / 3, 1560))},
        {"the 1,561st use of 0.3333333333333333 overflows", uses("third", 1561), notice(6)},
        {"3,641 uses of 5E-324 fit", uses("tiny", 3641), value(3641 * 5e-324)},
        {"the 3,642nd use of 5E-324 overflows", uses("tiny", 3642), notice(6)},
        {"1,260 uses of 1.7976931348623157E+308 fit", uses("big", 1260, true), value(big - big)},
        {"the 1,261st use of 1.7976931348623157E+308 overflows", uses("big", 1261, true), notice(6)},
    };
    check(rows);
}
