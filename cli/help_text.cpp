// SPDX-License-Identifier: MIT
#include "cli/help_text.h"

namespace vorlenta::cli {

QString help_text()
{
    return QStringLiteral(
        "Usage: vorlenta-eval [OPTION]... [EXPRESSION]...\n"
        "Evaluate each EXPRESSION and print its value on a line of its own.\n"
        "With no EXPRESSION, read standard input, one expression a line; blank\n"
        "lines are skipped.\n"
        "\n"
        "  -D, --define NAME=VALUE  define the symbol NAME before the first expression\n"
        "                           (repeatable; the last definition of a name counts)\n"
        "  -p, --point              read and write numbers with \".\" whatever the locale\n"
        "  -h, --help               show this help and exit\n"
        "      --version            show the version and exit\n"
        "  --                       what follows are expressions, even if they start with -\n"
        "\n"
        "Numbers are read and written in the locale's notation (LC_ALL, LC_NUMERIC,\n"
        "LANG): \"2,5\" where the decimal separator is a comma, \"2.5\" otherwise.\n"
        "Expressions: numbers, symbols, + - * / ^, signs, E (e to the power),\n"
        "S (square root), L (natural logarithm), % (hundredth) and parentheses.\n"
        "A function letter or a sign binds tighter than ^, ^ tighter than * and /,\n"
        "and those tighter than + and -; each operator groups from the left:\n"
        "2^3^2 is 64, -2^2 is 4. See vorlenta-eval(1).\n"
        "\n"
        "Faults go to standard error, and the next expression goes on.\n"
        "Exit status:\n"
        "  0  every expression was evaluated\n"
        "  1  usage error, or the input could not be read or the output not written\n"
        "  2  an expression had a syntax fault (or was not valid UTF-8, or held a NUL byte)\n"
        "  3  an expression had an arithmetic fault (division by zero, a value outside\n"
        "     a function's domain, a number too large, an expression too long), and\n"
        "     none a syntax fault\n");
}

} // namespace vorlenta::cli
