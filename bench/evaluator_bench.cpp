// SPDX-License-Identifier: MIT
// The evaluator against tinyexpr and muparser on the same expressions, in one
// run: one-shot evaluation (one_shot_bench.cpp), compiled expressions and the
// plotter (compiled_bench.cpp), and the cost of changing symbols
// (symbol_table_bench.cpp). Before timing, every side's results must agree
// (exit code 2 otherwise). After the runs, a table per part gives the ratios.
//
// Goals, each failing the program (exit code 1) when missed:
//   --min_ratio=R             one-shot: R times as fast as muparser's SetExpr and Eval
//   --min_tinyexpr_ratio=R    one-shot: R times as fast as tinyexpr's te_compile, te_eval, te_free
//   --min_compiled_ratio=R    compiled: R times as fast as muparser's Eval and tinyexpr's te_eval
//   --max_plotter_ratio=R     the plotter: at most R times the C++ formula's time

#include <cstdlib>
#include <cstring>

#include "evaluator_cases.h"

int main(int argc, char **argv)
{
    using namespace evaluator_bench;
    double min_ratio = 0.0, min_tinyexpr_ratio = 0.0, min_compiled_ratio = 0.0, max_plotter_ratio = 1e9;
    const std::pair<const char *, double *> goals[] = {{"--min_ratio=", &min_ratio},
                                                       {"--min_tinyexpr_ratio=", &min_tinyexpr_ratio},
                                                       {"--min_compiled_ratio=", &min_compiled_ratio},
                                                       {"--max_plotter_ratio=", &max_plotter_ratio}};
    std::vector<char *> arguments;
    for (int i = 0; i < argc; ++i) {
        bool goal = false;
        for (const auto &[flag, value] : goals) {
            if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) {
                *value = std::atof(argv[i] + std::strlen(flag));
                goal = true;
            }
        }
        if (!goal)
            arguments.push_back(argv[i]);
    }
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    const std::vector<BenchCase> cases = bench_cases();
    const Part parts[] = {one_shot_part(cases, min_ratio, min_tinyexpr_ratio),
                          compiled_part(cases, min_compiled_ratio, max_plotter_ratio), symbol_table_part()};
    for (const Part &part : parts)
        part.register_runs();

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool goals_met = true;
    for (const Part &part : parts)
        goals_met = part.report(reporter) && goals_met;
    return goals_met ? 0 : 1;
}
