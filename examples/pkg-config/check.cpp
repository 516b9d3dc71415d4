// SPDX-License-Identifier: MIT
// Faults as values: evaluate() returns the value or the fault, with no
// handler and no exception. Evaluates each argument with g = 9.81.
#include <cstdio>
#include <string>

#include <vorlenta/eval.h>

int main(int argc, char *argv[])
{
    vorlenta::CEval eval;
    eval.set_decimal_separator('.');
    std::string why;
    if (!eval.define("g", 9.81, &why)) { // define refuses names no expression can use
        std::fprintf(stderr, "%s\n", why.c_str());
        return 1;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const vorlenta::EvalResult result = eval.evaluate(argv[i]);
        if (result.ok()) {
            std::printf("%.17g\n", result.value);
        } else if (result.position > 0) {
            std::printf("%s: %s at %d\n", argv[i], result.message.c_str(), result.position);
            status = 2;
        } else {
            std::printf("%s: %s\n", argv[i], result.message.c_str());
            status = 3;
        }
    }
    return status;
}
