// SPDX-License-Identifier: MIT
// The 16-bit limits, each on both sides of its edge: the expression's length,
// the pending operators, and the length of the postfix text, in which every
// token ends in one blank and a symbol stands as its value's text.

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

// "0...01" with the given number of characters.
QString one(int length) {
    return QString(length - 1, u'0') + u'1';
}

TEST(Limits, EachLimitHoldsUpToItsEdgeAndFailsJustPastIt) {
    double sum = 0.1; // 0.1 added 5,461 times as doubles, from the left
    for (int i = 1; i < 5461; ++i)
        sum += 0.1;
    const Row rows[] = {
        {"a 32,766-character expression converts", one(32766), value(1)},
        {"a 32,767-character expression overflows", one(32767), "raised 6 at 0: Overflow"},
        {"an early fault wins over the length", u'#' + one(40000),
         fault(1, "Unexpected character encountered")},
        {"32,760 pending operators fit (the postfix is too long)", QString(32760, u'S') + u'1', notice(6)},
        {"the 32,761st pending operator overflows", QString(32761, u'S') + u'1', "raised 6 at 0: Overflow"},
        // "N+1" becomes "N 1 + ": its last blank is at the length of N plus 5.
        {"a postfix of 32,767 characters evaluates", one(32762) + "+1", value(2)},
        {"a postfix of 32,768 characters overflows", one(32763) + "+1", notice(6)},
        // d is 0.1 and stands as "0.1": n uses of it make 6n - 2 characters.
        {"5,461 symbol uses fit", u'd' + QString("+d").repeated(5460), value(sum)},
        {"the 5,462nd symbol use overflows", u'd' + QString("+d").repeated(5461), notice(6)},
    };
    check(rows);
}
