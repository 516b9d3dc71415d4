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
    std::string muparser; // the same computation in muparser's; empty: vorlenta alone
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
        cases.push_back({name, QString::fromStdString(expression), alone ? "" : expression, value});
    };
    double value = 0;
    const std::string sum200 = long_sum(200);
    cases = {
        {"short", QStringLiteral("1+2*3"), "1+2*3"},
        {"parentheses", QStringLiteral("(1+2)*3-4/5"), "(1+2)*3-4/5"},
        {"power_chain", QStringLiteral("2^3^2"), "(2^3)^2"},
        {"functions", QStringLiteral("S(16)+E(0.5)-L(2)"), "sqrt(16)+exp(0.5)-ln(2)"},
        {"symbols", QStringLiteral("mass*9.81+height/2"), "mass*9.81+height/2"},
        {"signs", QStringLiteral("-(3.5+x)*(y-1.25)/2"), "-(3.5+x)*(y-1.25)/2"},
        {"nested", QStringLiteral("((((1+2)*3)-4)/5)^2"), "((((1+2)*3)-4)/5)^2"},
        {"ten_symbols", QStringLiteral("mass*x+height*y-mass/height+x*y-mass*height"),
         "mass*x+height*y-mass/height+x*y-mass*height"},
        {"sum_200_chars", QString::fromStdString(sum200), sum200},
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
    eval.m_SymbolTable.Add(QStringLiteral("mass"), Mass);
    eval.m_SymbolTable.Add(QStringLiteral("height"), Height);
    eval.m_SymbolTable.Add(QStringLiteral("x"), X);
    eval.m_SymbolTable.Add(QStringLiteral("y"), Y);
    eval.m_SymbolTable.Add(QStringLiteral("rider_mass"), RiderMass);
    eval.m_SymbolTable.Add(QStringLiteral("bike_mass"), BikeMass);
    eval.m_SymbolTable.Add(QStringLiteral("wheel_size"), WheelSize);
}

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
    std::printf("\n%-18s %7s %12s %12s %12s %10s %14s %16s\n", "expression", "chars", "vorlenta us",
                "muparser us", "mu_new us", "ratio", "ratio vs new", "vorlenta ns/char");
    for (const BenchCase &bench : cases) {
        const auto ours = reporter.nanoseconds.find("vorlenta/" + bench.name);
        const auto theirs = reporter.nanoseconds.find("muparser/" + bench.name);
        const auto fresh = reporter.nanoseconds.find("muparser_new/" + bench.name);
        if (ours == reporter.nanoseconds.end())
            continue; // filtered out
        const double per_char = ours->second / double(bench.vorlenta.size());
        if (theirs == reporter.nanoseconds.end() || fresh == reporter.nanoseconds.end()) {
            std::printf("%-18s %7lld %12.3f %12s %12s %10s %14s %16.2f\n", bench.name.c_str(),
                        static_cast<long long>(bench.vorlenta.size()), ours->second / 1000, "-", "-",
                        "-", "-", per_char);
            continue;
        }
        const double ratio = theirs->second / ours->second;
        std::printf("%-18s %7lld %12.3f %12.3f %12.3f %9.2fx %13.2fx %16.2f\n", bench.name.c_str(),
                    static_cast<long long>(bench.vorlenta.size()), ours->second / 1000,
                    theirs->second / 1000, fresh->second / 1000, ratio, fresh->second / ours->second,
                    per_char);
        goal_met = goal_met && ratio >= min_ratio;
    }
    if (!goal_met) {
        std::printf("vorlenta is less than %.2f times as fast as muparser on some expression\n",
                    min_ratio);
        return 1;
    }
    return 0;
}
