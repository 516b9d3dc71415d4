// SPDX-License-Identifier: MIT
// Evaluates with a symbol, catches a syntax fault with its position and
// receives an arithmetic notice through its handler; prints all three.
#include <cstdio>

#include <vorlenta/eval.h>

int main()
{
    vorlenta::CEval eval;
    eval.set_decimal_separator('.');
    eval.m_SymbolTable.Add("mass", 72.5);
    int notice = 0;
    eval.set_notice_handler([&](const vorlenta::Notice &shown) { notice = shown.number; });
    const double force = eval.Evaluate("mass*9.81");
    eval.Evaluate("1/0");
    int position = 0;
    try {
        eval.Evaluate("mass*(2");
    } catch (const vorlenta::EvalError &error) {
        position = error.position();
    }
    std::printf("%.17g %d %d\n", force, position, notice);
}
