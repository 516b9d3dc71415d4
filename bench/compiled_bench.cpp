// SPDX-License-Identifier: MIT
// Compiled once, evaluated many times: for each expression, vorlenta's
// Expression::value (a double, NaN for a fault) and Expression::evaluate (the
// whole EvalResult) against muparser's Eval after one SetExpr (its
// bytecode), tinyexpr's te_eval on a tree compiled once, and the formula
// written in C++ (called through a function pointer, its symbols read from
// memory). Then the plotter: one formula over a million values of x, each
// side in its own loop, the C++ one inlined.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "evaluator_cases.h"

namespace evaluator_bench {
namespace {

// The values of the expression's symbols, in its order.
std::vector<double> values_for(const vorlenta::Expression &expression, const Symbols &symbols)
{
    std::vector<double> values;
    for (const std::string &name : expression.symbols())
        values.push_back(symbols.value(name));
    return values;
}

// The Expression is read afresh each time, as the peers' calls read their
// compiled forms.
template <typename Evaluate>
void vorlenta_compiled(benchmark::State &state, const BenchCase &bench, Evaluate evaluate)
{
    vorlenta::Expression expression = vorlenta::CEval().compile(bench.vorlenta);
    const std::vector<double> values = values_for(expression, Symbols());
    for (auto _ : state) {
        benchmark::DoNotOptimize(expression);
        benchmark::DoNotOptimize(evaluate(expression, values));
    }
    state.SetItemsProcessed(state.iterations());
}

void vorlenta_evaluate(benchmark::State &state, const BenchCase &bench)
{
    vorlenta_compiled(state, bench, [](const vorlenta::Expression &expression, const std::vector<double> &values) {
        return expression.evaluate(values.data(), values.size());
    });
}

void vorlenta_value(benchmark::State &state, const BenchCase &bench)
{
    vorlenta_compiled(state, bench, [](const vorlenta::Expression &expression, const std::vector<double> &values) {
        return expression.value(values.data(), values.size());
    });
}

void muparser_eval(benchmark::State &state, const BenchCase &bench)
{
    mu::Parser parser;
    Symbols symbols;
    symbols.define(parser);
    parser.SetExpr(bench.muparser);
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Eval());
    state.SetItemsProcessed(state.iterations());
}

#ifdef VORLENTA_BENCH_TINYEXPR
void tinyexpr_eval(benchmark::State &state, const BenchCase &bench)
{
    const Symbols symbols;
    const std::vector<te_variable> variables = symbols.tinyexpr_variables();
    const std::string expression = bench.muparser.empty() ? bench.vorlenta : bench.muparser;
    te_expr *compiled = te_compile(expression.c_str(), variables.data(), int(variables.size()), nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(te_eval(compiled));
    te_free(compiled);
    state.SetItemsProcessed(state.iterations());
}
#endif

void cpp_formula(benchmark::State &state, const BenchCase &bench)
{
    Symbols symbols;
    for (auto _ : state) {
        benchmark::DoNotOptimize(symbols); // read afresh each time
        benchmark::DoNotOptimize(bench.cpp(symbols));
    }
    state.SetItemsProcessed(state.iterations());
}

// The plotter over a million points; each gives the sum of its values.
double plot_vorlenta(const vorlenta::Expression &expression)
{
    double sum = 0;
    for (int i = 0; i < PlotterPoints; ++i) {
        const double x = plotter_x(i);
        sum += expression.value(&x, 1);
    }
    return sum;
}

double plot_cpp()
{
    double sum = 0;
    for (int i = 0; i < PlotterPoints; ++i) {
        const double x = plotter_x(i);
        sum += std::sqrt(x * x + 1) * std::exp(-x / 10) + std::log(x + 1) / 2;
    }
    return sum;
}

double plot_muparser(mu::Parser &parser, double &x)
{
    double sum = 0;
    for (int i = 0; i < PlotterPoints; ++i) {
        x = plotter_x(i);
        sum += parser.Eval();
    }
    return sum;
}

void plotter_runs()
{
    benchmark::RegisterBenchmark("plotter/vorlenta", [](benchmark::State &state) {
        const vorlenta::Expression expression = vorlenta::CEval().compile(plotter.vorlenta);
        for (auto _ : state)
            benchmark::DoNotOptimize(plot_vorlenta(expression));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plotter/cpp", [](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(plot_cpp());
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plotter/muparser_eval", [](benchmark::State &state) {
        mu::Parser parser;
        double x = 0;
        parser.DefineVar("x", &x);
        parser.SetExpr(plotter.muparser);
        for (auto _ : state)
            benchmark::DoNotOptimize(plot_muparser(parser, x));
    })->Unit(benchmark::kMillisecond);
#ifdef VORLENTA_BENCH_TINYEXPR
    benchmark::RegisterBenchmark("plotter/tinyexpr_eval", [](benchmark::State &state) {
        double x = 0;
        const te_variable variable = {"x", &x, TE_VARIABLE, nullptr};
        te_expr *compiled = te_compile(plotter.muparser.c_str(), &variable, 1, nullptr);
        for (auto _ : state) {
            double sum = 0;
            for (int i = 0; i < PlotterPoints; ++i) {
                x = plotter_x(i);
                sum += te_eval(compiled);
            }
            benchmark::DoNotOptimize(sum);
        }
        te_free(compiled);
    })->Unit(benchmark::kMillisecond);
#endif
}

// The compiled expression gives what Evaluate gives, and the C++ formula too.
bool same_values(const std::vector<BenchCase> &cases)
{
    bool same = true;
    for (const BenchCase &bench : cases) {
        vorlenta::CEval eval;
        const Symbols symbols;
        symbols.define(eval);
        const vorlenta::Expression expression = eval.compile(bench.vorlenta);
        const double compiled = expression.value(values_for(expression, symbols));
        const double once = eval.Evaluate(bench.vorlenta);
        if (std::memcmp(&compiled, &once, sizeof once) != 0) {
            std::fprintf(stderr, "%s: compiled %.17g, Evaluate %.17g\n", bench.name.c_str(), compiled, once);
            same = false;
        }
    }
    const double ours = plot_vorlenta(vorlenta::CEval().compile(plotter.vorlenta)), cpp = plot_cpp();
    if (std::memcmp(&ours, &cpp, sizeof ours) != 0) {
        std::fprintf(stderr, "plotter: vorlenta %.17g, C++ %.17g\n", ours, cpp);
        same = false;
    }
    return same;
}

} // namespace

Part compiled_part(const std::vector<BenchCase> &cases, double min_peer_ratio, double max_plotter_ratio)
{
    Part part;
    part.register_runs = [&cases] {
        if (!same_values(cases))
            std::exit(2);
        for (const BenchCase &bench : cases) {
            benchmark::RegisterBenchmark(("compiled/vorlenta/" + bench.name).c_str(), vorlenta_value, bench);
            benchmark::RegisterBenchmark(("compiled/vorlenta_evaluate/" + bench.name).c_str(), vorlenta_evaluate,
                                         bench);
            if (!bench.muparser.empty())
                benchmark::RegisterBenchmark(("compiled/muparser_eval/" + bench.name).c_str(), muparser_eval, bench);
#ifdef VORLENTA_BENCH_TINYEXPR
            benchmark::RegisterBenchmark(("compiled/tinyexpr_eval/" + bench.name).c_str(), tinyexpr_eval, bench);
#endif
            if (bench.cpp)
                benchmark::RegisterBenchmark(("compiled/cpp/" + bench.name).c_str(), cpp_formula, bench);
        }
        plotter_runs();
    };
    part.report = [&cases, min_peer_ratio, max_plotter_ratio](const RatioReporter &reporter) {
        bool goal_met = true;
        std::printf(
            "\nCompiled: nanoseconds per evaluation, how many times as fast vorlenta's value() is, "
            "and how many times the C++ formula's time it takes; evaluate() builds the whole EvalResult\n");
        std::printf("%-16s %11s %11s %11s %8s %11s %8s %8s %8s\n", "expression", "evaluate ns", "value ns",
                    "mu_Eval ns", "ratio", "te_eval ns", "ratio", "C++ ns", "÷ C++");
        for (const BenchCase &bench : cases) {
            const std::string ours = "compiled/vorlenta/" + bench.name;
            if (!reporter.nanoseconds.count(ours))
                continue; // filtered out
            const double ns = reporter.nanoseconds.at(ours);
            const double whole = reporter.ratio("compiled/vorlenta_evaluate/" + bench.name, ours) * ns;
            std::printf("%-16s %11.1f %11.1f", bench.name.c_str(), whole, ns);
            for (const char *side : {"muparser_eval", "tinyexpr_eval"}) {
                const double ratio = reporter.ratio("compiled/" + std::string(side) + "/" + bench.name, ours);
                if (ratio == 0.0)
                    std::printf(" %11s %8s", "-", "-");
                else
                    std::printf(" %11.1f %7.2fx", ratio * ns, ratio);
                goal_met = goal_met && (ratio == 0.0 || ratio >= min_peer_ratio);
            }
            const double cpp = reporter.ratio("compiled/cpp/" + bench.name, ours);
            if (cpp == 0.0)
                std::printf(" %8s %8s\n", "-", "-");
            else
                std::printf(" %8.1f %7.2fx\n", cpp * ns, 1 / cpp);
        }
        const double plot = reporter.ratio("plotter/vorlenta", "plotter/cpp");
        if (plot > 0) {
            std::printf("\nPlotter, %s over a million x: milliseconds\n", plotter.vorlenta.c_str());
            for (const char *side : {"vorlenta", "cpp", "muparser_eval", "tinyexpr_eval"}) {
                const auto ms = reporter.nanoseconds.find("plotter/" + std::string(side));
                if (ms != reporter.nanoseconds.end())
                    std::printf("  %-14s %8.1f ms  %5.2f x C++\n", side, ms->second,
                                ms->second / reporter.nanoseconds.at("plotter/cpp"));
            }
            goal_met = goal_met && plot <= max_plotter_ratio;
        }
        if (!goal_met)
            std::printf(
                "a compiled expression is less than %.2f times as fast as muparser's Eval or tinyexpr's "
                "te_eval, or the plotter takes more than %.2f times the C++ formula's time\n",
                min_peer_ratio, max_plotter_ratio);
        return goal_met;
    };
    return part;
}

} // namespace evaluator_bench
