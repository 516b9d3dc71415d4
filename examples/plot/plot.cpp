// SPDX-License-Identifier: MIT
// Compile once, evaluate many: a formula of x, read once, then evaluated for
// x from 0 to 2 in steps of 0.5, as a plotter samples it. A point where the
// formula has no value says why; the other points go on.
#include <cstdio>
#include <string>
#include <vector>

#include <vorlenta/eval.h>

int main(int argc, char *argv[])
{
    vorlenta::CEval eval;
    eval.set_decimal_separator('.');
    const char *formula = argc > 1 ? argv[1] : "S(x*x+1)/(x-1)";
    const vorlenta::Expression f = eval.compile(formula); // every name in it is a symbol of f
    const std::vector<std::string> names = f.symbols();
    if (names.size() > 1) {
        std::fprintf(stderr, "%s: one variable, please, not %zu\n", formula, names.size());
        return 1;
    }
    for (int i = 0; i <= 4; ++i) {
        const double x = i * 0.5;
        // A formula without x takes no value; one with a syntax fault gives
        // it at every point, with its position.
        const vorlenta::EvalResult y = names.empty() ? f.evaluate({}) : f.evaluate({x});
        if (y.position > 0) {
            std::printf("%s: %s at %d\n", formula, y.message.c_str(), y.position);
            return 2;
        }
        if (y.ok())
            std::printf("%g\t%.17g\n", x, y.value);
        else
            std::printf("%g\t%s\n", x, y.message.c_str());
    }
}
