// SPDX-License-Identifier: MIT
// The evaluator as the component always worked: Evaluate raises EvalError for
// a syntax fault and shows arithmetic faults as notices through a handler.
#include <cstdio>

#include <vorlenta/eval.h>

int main()
{
    vorlenta::CEval eval;
    eval.set_decimal_separator('.'); // this evaluator reads "9.81" whatever the locale
    eval.m_SymbolTable.Add("mass", 72.5);
    eval.set_notice_handler([](const vorlenta::Notice &notice) {
        std::printf("notice %d: %s\n", notice.number, notice.text.c_str()); // Evaluate then gives 0
    });
    for (const char *expression : {"mass*9.81", "mass/0", "mass*(9.81"}) {
        try {
            std::printf("%s = %.17g\n", expression, eval.Evaluate(expression));
        } catch (const vorlenta::EvalError &error) {
            std::printf("%s: %s at %d\n", expression, error.description().c_str(), error.position());
        }
    }
}
