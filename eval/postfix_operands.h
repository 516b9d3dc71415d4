// SPDX-License-Identifier: MIT
#pragma once

// The operands of the postfix form: number literals, read with the decimal
// separator the conversion scanned them with, and symbol values, with the
// length of the text that stands for them in the postfix text.

#include <QChar>
#include <QStringView>

#include <vorlenta/eval/variant_value.h>

#include "eval/postfix.h"

namespace vorlenta {

// A literal the conversion scanned: digits with at most one `point`, at least
// one digit. Correctly rounded; TooLarge beyond the range of a double, and 0
// below the smallest one.
PostfixToken read_literal(QStringView digits, QChar point);

struct SymbolOperand {
    PostfixToken token;
    qsizetype text_length;
};

// A symbol's value as an operand. A number stands as its shortest round-trip
// text ("0.1", "1E+20", "-4"; the separator is one character whichever it is),
// a text as itself without surrounding white space, read in the user's
// locale, the empty value as an empty token. Raises InvalidSymbolValue for a
// value that is no number (stored around the symbol table's checks).
SymbolOperand symbol_operand(const VariantValue &value);

// The length of the shortest text that reads back as exactly this finite
// double, in the form QLocale gives it: decimal or exponent form, whichever
// is shorter (decimal on a tie), the exponent with a sign and at least two
// digits, no sign on zero.
qsizetype shortest_text_length(double value);

} // namespace vorlenta
