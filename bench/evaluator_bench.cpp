// SPDX-License-Identifier: MIT
// CEval::Evaluate against muparser on the same expressions, in one run.
//
// For each expression three timings: vorlenta (one CEval, Evaluate each time),
// muparser (one parser, SetExpr and Eval each time, so it parses afresh) and
// muparser_new (a new parser for every expression, as a caller holding no
// parser would). After the runs a table gives the ratios of expressions per
// second. With --min_ratio=R the program fails when vorlenta is not at least R
// times as fast as muparser (SetExpr and Eval) on every expression.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <QLocale>
#include <QString>

#include <vorlenta/eval.h>

namespace {

using vorlenta::CEval;

struct BenchCase {
    std::string name;
    QString vorlenta;  // in the evaluator's syntax
    std::string muparser; // the same computation in muparser's
};

// The symbols both sides define.
constexpr double Mass = 72.5;
constexpr double Height = 1.83;
constexpr double X = 0.75;
constexpr double Y = 4.5;

// "1.5+2.25+3.5+4.25+..." up to about `length` characters.
std::string long_sum(std::size_t length)
{
    std::string sum;
    for (int i = 1; sum.size() < length; ++i) {
        if (!sum.empty())
            sum += '+';
        sum += std::to_string(i) + (i % 2 ? ".5" : ".25");
    }
    return sum;
}

std::vector<BenchCase> bench_cases()
{
    const std::string sum200 = long_sum(200);
    return {
        {"short", QStringLiteral("1+2*3"), "1+2*3"},
        {"parentheses", QStringLiteral("(1+2)*3-4/5"), "(1+2)*3-4/5"},
        {"power_chain", QStringLiteral("2^3^2"), "(2^3)^2"},
        {"functions", QStringLiteral("S(16)+E(0.5)-L(2)"), "sqrt(16)+exp(0.5)-ln(2)"},
        {"symbols", QStringLiteral("mass*9.81+height/2"), "mass*9.81+height/2"},
        {"signs", QStringLiteral("-(3.5+x)*(y-1.25)/2"), "-(3.5+x)*(y-1.25)/2"},
        {"nested", QStringLiteral("((((1+2)*3)-4)/5)^2"), "((((1+2)*3)-4)/5)^2"},
        {"sum_200_chars", QString::fromStdString(sum200), sum200},
    };
}

void define_symbols(CEval &eval)
{
    eval.m_SymbolTable.Add(QStringLiteral("mass"), Mass);
    eval.m_SymbolTable.Add(QStringLiteral("height"), Height);
    eval.m_SymbolTable.Add(QStringLiteral("x"), X);
    eval.m_SymbolTable.Add(QStringLiteral("y"), Y);
}

// muparser keeps pointers to the variables it reads.
struct MuVariables {
    double mass = Mass, height = Height, x = X, y = Y;
    void define(mu::Parser &parser)
    {
        parser.DefineVar("mass", &mass);
        parser.DefineVar("height", &height);
        parser.DefineVar("x", &x);
        parser.DefineVar("y", &y);
    }
};

void vorlenta_evaluate(benchmark::State &state, const BenchCase &bench)
{
    CEval eval;
    define_symbols(eval);
    for (auto _ : state)
        benchmark::DoNotOptimize(eval.Evaluate(bench.vorlenta));
    state.SetItemsProcessed(state.iterations());
}

void muparser_set_and_evaluate(benchmark::State &state, const BenchCase &bench)
{
    mu::Parser parser;
    MuVariables variables;
    variables.define(parser);
    for (auto _ : state) {
        parser.SetExpr(bench.muparser);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetItemsProcessed(state.iterations());
}

void muparser_new_parser(benchmark::State &state, const BenchCase &bench)
{
    MuVariables variables;
    for (auto _ : state) {
        mu::Parser parser;
        variables.define(parser);
        parser.SetExpr(bench.muparser);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetItemsProcessed(state.iterations());
}

// Both sides must compute the same value, or the comparison means nothing.
bool same_values(const std::vector<BenchCase> &cases)
{
    bool same = true;
    for (const BenchCase &bench : cases) {
        CEval eval;
        define_symbols(eval);
        const double ours = eval.Evaluate(bench.vorlenta);
        mu::Parser parser;
        MuVariables variables;
        variables.define(parser);
        parser.SetExpr(bench.muparser);
        const double theirs = parser.Eval();
        if (std::fabs(ours - theirs) > 1e-12 * std::fabs(theirs)) {
            std::fprintf(stderr, "%s: vorlenta %.17g, muparser %.17g\n", bench.name.c_str(), ours,
                         theirs);
            same = false;
        }
    }
    return same;
}

// Collects the processor time per expression of every run while printing as
// usual; processor time keeps other load on a shared machine out of the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so logs stay plain text.
    RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_None) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                nanoseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> nanoseconds;
};

} // namespace

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    double min_ratio = 0.0;
    std::vector<char *> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--min_ratio=", 12) == 0)
            min_ratio = std::atof(argv[i] + 12);
        else
            arguments.push_back(argv[i]);
    }
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    const std::vector<BenchCase> cases = bench_cases();
    if (!same_values(cases))
        return 2;
    for (const BenchCase &bench : cases) {
        benchmark::RegisterBenchmark(("vorlenta/" + bench.name).c_str(), vorlenta_evaluate, bench);
        benchmark::RegisterBenchmark(("muparser/" + bench.name).c_str(), muparser_set_and_evaluate,
                                     bench);
        benchmark::RegisterBenchmark(("muparser_new/" + bench.name).c_str(), muparser_new_parser,
                                     bench);
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool goal_met = true;
    std::printf("\n%-16s %12s %12s %12s %10s %14s\n", "expression", "vorlenta us", "muparser us",
                "mu_new us", "ratio", "ratio vs new");
    for (const BenchCase &bench : cases) {
        const auto ours = reporter.nanoseconds.find("vorlenta/" + bench.name);
        const auto theirs = reporter.nanoseconds.find("muparser/" + bench.name);
        const auto fresh = reporter.nanoseconds.find("muparser_new/" + bench.name);
        if (ours == reporter.nanoseconds.end() || theirs == reporter.nanoseconds.end()
            || fresh == reporter.nanoseconds.end())
            continue; // filtered out
        const double ratio = theirs->second / ours->second;
        std::printf("%-16s %12.3f %12.3f %12.3f %9.2fx %13.2fx\n", bench.name.c_str(),
                    ours->second / 1000, theirs->second / 1000, fresh->second / 1000, ratio,
                    fresh->second / ours->second);
        goal_met = goal_met && ratio >= min_ratio;
    }
    if (!goal_met) {
        std::printf("vorlenta is less than %.2f times as fast as muparser on some expression\n",
                    min_ratio);
        return 1;
    }
    return 0;
}
