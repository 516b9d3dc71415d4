// SPDX-License-Identifier: MIT
// One-shot evaluation: the text parsed afresh every time. For each expression
// up to four timings: vorlenta (one CEval, Evaluate each time), tinyexpr
// (te_compile, te_eval and te_free each time), muparser (one parser, SetExpr
// and Eval each time, so it parses afresh) and muparser_new (a new parser for
// every expression, as a caller holding no parser would).

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "evaluator_cases.h"

namespace evaluator_bench {
namespace {

using vorlenta::CEval;

void vorlenta_evaluate(benchmark::State &state, const BenchCase &bench)
{
    CEval eval;
    Symbols().define(eval);
    for (auto _ : state)
        benchmark::DoNotOptimize(eval.Evaluate(bench.vorlenta));
    state.SetItemsProcessed(state.iterations());
}

#ifdef VORLENTA_BENCH_TINYEXPR
void tinyexpr_compile_and_evaluate(benchmark::State &state, const BenchCase &bench)
{
    const std::string expression = bench.muparser.empty() ? bench.vorlenta : bench.muparser;
    for (auto _ : state)
        benchmark::DoNotOptimize(tinyexpr_once(expression));
    state.SetItemsProcessed(state.iterations());
}
#endif

void muparser_set_and_evaluate(benchmark::State &state, const BenchCase &bench)
{
    mu::Parser parser;
    Symbols symbols;
    symbols.define(parser);
    for (auto _ : state) {
        parser.SetExpr(bench.muparser);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetItemsProcessed(state.iterations());
}

void muparser_new_parser(benchmark::State &state, const BenchCase &bench)
{
    Symbols symbols;
    for (auto _ : state) {
        mu::Parser parser;
        symbols.define(parser);
        parser.SetExpr(bench.muparser);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetItemsProcessed(state.iterations());
}

// Every side must compute the same value, or the comparison means nothing:
// tinyexpr's and the C++ formula's to the bit, muparser's to 1e-12.
bool same_values(const std::vector<BenchCase> &cases)
{
    bool same = true;
    const auto differ = [&](const BenchCase &bench, const char *side, double ours, double theirs) {
        std::fprintf(stderr, "%s: vorlenta %.17g, %s %.17g\n", bench.name.c_str(), ours, side, theirs);
        same = false;
    };
    for (const BenchCase &bench : cases) {
        CEval eval;
        Symbols symbols;
        symbols.define(eval);
        bool noticed = false; // an expression the evaluator refuses measures nothing
        eval.set_notice_handler([&](const vorlenta::Notice &) { noticed = true; });
        const double ours = eval.Evaluate(bench.vorlenta);
        if (noticed)
            differ(bench, "notice", ours, 0);
#ifdef VORLENTA_BENCH_TINYEXPR
        const double tiny = tinyexpr_once(bench.muparser.empty() ? bench.vorlenta : bench.muparser);
        if (std::memcmp(&ours, &tiny, sizeof ours) != 0)
            differ(bench, "tinyexpr", ours, tiny);
#endif
        if (bench.cpp && bench.cpp(symbols) != ours)
            differ(bench, "C++", ours, bench.cpp(symbols));
        if (bench.muparser.empty()) {
            if (ours != bench.expected)
                differ(bench, "expected", ours, bench.expected);
            continue;
        }
        mu::Parser parser;
        symbols.define(parser);
        parser.SetExpr(bench.muparser);
        const double theirs = parser.Eval();
        if (std::fabs(ours - theirs) > 1e-12 * std::fabs(theirs))
            differ(bench, "muparser", ours, theirs);
    }
    return same;
}

} // namespace

Part one_shot_part(const std::vector<BenchCase> &cases, double min_muparser_ratio, double min_tinyexpr_ratio)
{
    Part part;
    part.register_runs = [&cases] {
        if (!same_values(cases))
            std::exit(2);
        for (const BenchCase &bench : cases) {
            benchmark::RegisterBenchmark(("vorlenta/" + bench.name).c_str(), vorlenta_evaluate, bench);
#ifdef VORLENTA_BENCH_TINYEXPR
            benchmark::RegisterBenchmark(("tinyexpr/" + bench.name).c_str(), tinyexpr_compile_and_evaluate, bench);
#endif
            if (bench.muparser.empty())
                continue;
            benchmark::RegisterBenchmark(("muparser/" + bench.name).c_str(), muparser_set_and_evaluate, bench);
            benchmark::RegisterBenchmark(("muparser_new/" + bench.name).c_str(), muparser_new_parser, bench);
        }
    };
    part.report = [&cases, min_muparser_ratio, min_tinyexpr_ratio](const RatioReporter &reporter) {
        bool goal_met = true;
        std::printf("\nOne-shot: nanoseconds per expression, and how many times as fast vorlenta is\n");
        std::printf("%-16s %6s %11s %11s %8s %11s %8s %11s %8s %9s\n", "expression", "chars", "vorlenta ns",
                    "tinyexpr ns", "ratio", "muparser ns", "ratio", "mu_new ns", "ratio", "ns/char");
        for (const BenchCase &bench : cases) {
            const std::string ours = "vorlenta/" + bench.name;
            if (!reporter.nanoseconds.count(ours))
                continue; // filtered out
            const double ns = reporter.nanoseconds.at(ours);
            std::printf("%-16s %6zu %11.0f", bench.name.c_str(), bench.vorlenta.size(), ns);
            for (const auto &[side, min] : {std::pair<std::string, double>{"tinyexpr", min_tinyexpr_ratio},
                                            {"muparser", min_muparser_ratio},
                                            {"muparser_new", 0.0}}) {
                const double ratio = reporter.ratio(side + "/" + bench.name, ours);
                if (ratio == 0.0) {
                    std::printf(" %11s %8s", "-", "-");
                    continue;
                }
                std::printf(" %11.0f %7.2fx", ratio * ns, ratio);
                goal_met = goal_met && ratio >= min;
            }
            std::printf(" %9.2f\n", ns / double(bench.vorlenta.size()));
        }
        if (!goal_met)
            std::printf(
                "vorlenta is less than %.2f times as fast as muparser or %.2f times as fast as tinyexpr "
                "on some expression\n",
                min_muparser_ratio, min_tinyexpr_ratio);
        return goal_met;
    };
    return part;
}

} // namespace evaluator_bench
