// SPDX-License-Identifier: MIT
// CEval::Evaluate against tinyexpr and muparser on the same expressions, in
// one run.
//
// For each expression up to four timings: vorlenta (one CEval, Evaluate each
// time), tinyexpr (te_compile, te_eval and te_free each time: it parses
// afresh; only when ../shared/anchors/tinyexpr was there at configure time),
// muparser (one parser, SetExpr and Eval each time, so it parses afresh) and
// muparser_new (a new parser for every expression, as a caller holding no
// parser would). Before timing, every result must equal tinyexpr's to the bit.
// After the runs a table gives the ratios of expressions per second. With
// --min_ratio=R the program fails when vorlenta is not at least R times as
// fast as muparser (SetExpr and Eval) on every expression, with
// --min_tinyexpr_ratio=R likewise against tinyexpr.

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

#include <vorlenta/eval.h>

#ifdef VORLENTA_BENCH_TINYEXPR
extern "C" {
#include <tinyexpr.h>
}
#endif

namespace {

using vorlenta::CEval;

struct BenchCase {
    std::string name;
    std::string vorlenta; // in the evaluator's syntax
    std::string muparser; // the same computation in muparser's (and tinyexpr's); empty: too long for muparser
    double expected = 0; // without muparser: the value, summed term by term as doubles
};

// The symbols both sides define.
constexpr double Mass = 72.5;
constexpr double Height = 1.83;
constexpr double X = 0.75;
constexpr double Y = 4.5;

// "1.5+2.25+3.5+4.25+..." up to about `length` characters; `plus` joins the
// terms, whose sum goes to `value`.
std::string long_sum(std::size_t length, const std::string &plus = "+", double *value = nullptr)
{
    std::string sum;
    double total = 0;
    for (int i = 1; sum.size() < length; ++i) {
        if (!sum.empty())
            sum += plus;
        sum += std::to_string(i) + (i % 2 ? ".5" : ".25");
        total += i + (i % 2 ? 0.5 : 0.25);
    }
    if (value)
        *value = total;
    return sum;
}

constexpr double RiderMass = 72.5;
constexpr double BikeMass = 8.5;
constexpr double WheelSize = 0.7;

// "rider_mass+bike_mass+wheel_size+..." up to about `length` characters.
std::string symbol_chain(std::size_t length, double *value)
{
    const std::pair<const char *, double> symbols[] = {
        {"rider_mass", RiderMass}, {"bike_mass", BikeMass}, {"wheel_size", WheelSize}};
    std::string chain;
    *value = 0;
    for (int i = 0; chain.size() < length; ++i) {
        if (!chain.empty())
            chain += '+';
        chain += symbols[i % 3].first;
        *value += symbols[i % 3].second;
    }
    return chain;
}

std::vector<BenchCase> bench_cases()
{
    // Pairs of 100 and 32,000 characters show the cost per character; muparser
    // takes no expression of 20,000 characters or more, so the long ones run
    // alone. Their postfix form stays within its 32,767 characters: the blanks
    // of a sum vanish from it, and each symbol name is longer than its value's
    // text.
    std::vector<BenchCase> cases;
    const auto add = [&](const std::string &name, const std::string &expression, double value) {
        const bool alone = expression.size() >= 20000;
        cases.push_back({name, expression, alone ? "" : expression, value});
    };
    double value = 0;
    const std::string sum200 = long_sum(200);
    cases = {
        {"short", "1+2*3", "1+2*3"},
        {"parentheses", "(1+2)*3-4/5", "(1+2)*3-4/5"},
        {"power_chain", "2^3^2", "(2^3)^2"},
        {"functions", "S(16)+E(0.5)-L(2)", "sqrt(16)+exp(0.5)-ln(2)"},
        {"symbols", "mass*9.81+height/2", "mass*9.81+height/2"},
        {"signs", "-(3.5+x)*(y-1.25)/2", "-(3.5+x)*(y-1.25)/2"},
        {"nested", "((((1+2)*3)-4)/5)^2", "((((1+2)*3)-4)/5)^2"},
        {"ten_symbols", "mass*x+height*y-mass/height+x*y-mass*height",
         "mass*x+height*y-mass/height+x*y-mass*height"},
        {"sum_200_chars", sum200, sum200},
    };
    for (const std::size_t length : {100, 32000}) {
        const std::string sum = long_sum(length, " + ", &value);
        add("sum_" + std::to_string(length) + "_chars", sum, value);
        const std::string chain = symbol_chain(length, &value);
        add("chain_" + std::to_string(length) + "_chars", chain, value);
    }
    return cases;
}

void define_symbols(CEval &eval)
{
    eval.set_decimal_separator('.');
    eval.m_SymbolTable.Add("mass", Mass);
    eval.m_SymbolTable.Add("height", Height);
    eval.m_SymbolTable.Add("x", X);
    eval.m_SymbolTable.Add("y", Y);
    eval.m_SymbolTable.Add("rider_mass", RiderMass);
    eval.m_SymbolTable.Add("bike_mass", BikeMass);
    eval.m_SymbolTable.Add("wheel_size", WheelSize);
}

#ifdef VORLENTA_BENCH_TINYEXPR
// tinyexpr reads the variables through pointers, like muparser.
const double te_values[] = {Mass, Height, X, Y, RiderMass, BikeMass, WheelSize};
const te_variable te_variables[] = {
    {"mass", &te_values[0], TE_VARIABLE, nullptr}, {"height", &te_values[1], TE_VARIABLE, nullptr},
    {"x", &te_values[2], TE_VARIABLE, nullptr}, {"y", &te_values[3], TE_VARIABLE, nullptr},
    {"rider_mass", &te_values[4], TE_VARIABLE, nullptr}, {"bike_mass", &te_values[5], TE_VARIABLE, nullptr},
    {"wheel_size", &te_values[6], TE_VARIABLE, nullptr}};

double tinyexpr_once(const std::string &expression)
{
    int error = 0;
    te_expr *compiled = te_compile(expression.c_str(), te_variables, 7, &error);
    const double value = compiled ? te_eval(compiled) : NAN;
    te_free(compiled);
    return value;
}

void tinyexpr_compile_and_evaluate(benchmark::State &state, const BenchCase &bench)
{
    const std::string expression = bench.muparser.empty() ? bench.vorlenta : bench.muparser;
    for (auto _ : state)
        benchmark::DoNotOptimize(tinyexpr_once(expression));
    state.SetItemsProcessed(state.iterations());
}
#endif

// muparser keeps pointers to the variables it reads.
struct MuVariables {
    double mass = Mass, height = Height, x = X, y = Y;
    double rider_mass = RiderMass, bike_mass = BikeMass, wheel_size = WheelSize;
    void define(mu::Parser &parser)
    {
        parser.DefineVar("mass", &mass);
        parser.DefineVar("height", &height);
        parser.DefineVar("x", &x);
        parser.DefineVar("y", &y);
        parser.DefineVar("rider_mass", &rider_mass);
        parser.DefineVar("bike_mass", &bike_mass);
        parser.DefineVar("wheel_size", &wheel_size);
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
        bool noticed = false; // an expression the evaluator refuses measures nothing
        eval.set_notice_handler([&](const vorlenta::Notice &) { noticed = true; });
        const double ours = eval.Evaluate(bench.vorlenta);
#ifdef VORLENTA_BENCH_TINYEXPR
        const double tiny = tinyexpr_once(bench.muparser.empty() ? bench.vorlenta : bench.muparser);
        if (std::memcmp(&ours, &tiny, sizeof ours) != 0) {
            std::fprintf(stderr, "%s: vorlenta %.17g, tinyexpr %.17g\n", bench.name.c_str(), ours, tiny);
            same = false;
        }
#endif
        if (bench.muparser.empty()) {
            if (noticed || ours != bench.expected) {
                std::fprintf(stderr, "%s: vorlenta %.17g, expected %.17g\n", bench.name.c_str(), ours,
                             bench.expected);
                same = false;
            }
            continue;
        }
        mu::Parser parser;
        MuVariables variables;
        variables.define(parser);
        parser.SetExpr(bench.muparser);
        const double theirs = parser.Eval();
        if (noticed || std::fabs(ours - theirs) > 1e-12 * std::fabs(theirs)) {
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
    double min_ratio = 0.0, min_tinyexpr_ratio = 0.0;
    std::vector<char *> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--min_ratio=", 12) == 0)
            min_ratio = std::atof(argv[i] + 12);
        else if (std::strncmp(argv[i], "--min_tinyexpr_ratio=", 21) == 0)
            min_tinyexpr_ratio = std::atof(argv[i] + 21);
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
#ifdef VORLENTA_BENCH_TINYEXPR
        benchmark::RegisterBenchmark(("tinyexpr/" + bench.name).c_str(), tinyexpr_compile_and_evaluate, bench);
#endif
        if (bench.muparser.empty())
            continue;
        benchmark::RegisterBenchmark(("muparser/" + bench.name).c_str(), muparser_set_and_evaluate,
                                     bench);
        benchmark::RegisterBenchmark(("muparser_new/" + bench.name).c_str(), muparser_new_parser,
                                     bench);
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool goal_met = true;
    // Nanoseconds per expression, and how many times as fast vorlenta is.
    std::printf("\n%-16s %6s %11s %11s %8s %11s %8s %11s %8s %9s\n", "expression", "chars", "vorlenta ns",
                "tinyexpr ns", "ratio", "muparser ns", "ratio", "mu_new ns", "ratio", "ns/char");
    const auto cell = [&](const std::string &side, const BenchCase &bench, double ours, double min) {
        const auto theirs = reporter.nanoseconds.find(side + "/" + bench.name);
        if (theirs == reporter.nanoseconds.end()) {
            std::printf(" %11s %8s", "-", "-");
            return;
        }
        std::printf(" %11.0f %7.2fx", theirs->second, theirs->second / ours);
        goal_met = goal_met && theirs->second / ours >= min;
    };
    for (const BenchCase &bench : cases) {
        const auto ours = reporter.nanoseconds.find("vorlenta/" + bench.name);
        if (ours == reporter.nanoseconds.end())
            continue; // filtered out
        std::printf("%-16s %6zu %11.0f", bench.name.c_str(), bench.vorlenta.size(), ours->second);
        cell("tinyexpr", bench, ours->second, min_tinyexpr_ratio);
        cell("muparser", bench, ours->second, min_ratio);
        cell("muparser_new", bench, ours->second, 0.0);
        std::printf(" %9.2f\n", ours->second / double(bench.vorlenta.size()));
    }
    if (!goal_met) {
        std::printf("vorlenta is less than %.2f times as fast as muparser or %.2f times as fast as tinyexpr "
                    "on some expression\n", min_ratio, min_tinyexpr_ratio);
        return 1;
    }
    return 0;
}
