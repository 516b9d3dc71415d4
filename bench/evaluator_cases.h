// SPDX-License-Identifier: MIT
#pragma once

// The evaluator benchmark's expressions and symbols, shared by its parts: the
// same computation in our syntax, in muparser's and tinyexpr's, and as C++.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <vorlenta/eval.h>

#ifdef VORLENTA_BENCH_TINYEXPR
extern "C" {
#include <tinyexpr.h>
}
#endif

namespace evaluator_bench {

// The symbols every side defines, read through memory as an evaluator reads
// them, so that no compiler folds them into the C++ formulas.
struct Symbols {
    double mass = 72.5, height = 1.83, x = 0.75, y = 4.5;
    double rider_mass = 72.5, bike_mass = 8.5, wheel_size = 0.7;

    // The value of a symbol by name; every name used is one of these.
    double value(const std::string &name) const;
    void define(vorlenta::CEval &eval) const;
    void define(mu::Parser &parser); // muparser keeps pointers to them
#ifdef VORLENTA_BENCH_TINYEXPR
    std::vector<te_variable> tinyexpr_variables() const; // pointers too
#endif
};

struct BenchCase {
    std::string name;
    std::string vorlenta; // in the evaluator's syntax
    std::string muparser; // the same computation in muparser's (and tinyexpr's); empty: too long for muparser
    double expected = 0;  // without muparser: the value, summed term by term as doubles
    double (*cpp)(const Symbols &) = nullptr; // the formula in C++; none for the long sums
};

std::vector<BenchCase> bench_cases();

// The plotter's formula, evaluated over a million values of x.
extern const BenchCase plotter;
constexpr int PlotterPoints = 1000000;
inline double plotter_x(int i)
{
    return i * 0.001;
}

#ifdef VORLENTA_BENCH_TINYEXPR
double tinyexpr_once(const std::string &expression);
#endif

// Processor time per iteration of every run, by the benchmark's name: the
// median of repetitions, or the single run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter();
    void ReportRuns(const std::vector<Run> &runs) override;
    std::map<std::string, double> nanoseconds;
    // "name" of "side/name": theirs ÷ ours, or 0 when either is missing.
    double ratio(const std::string &theirs, const std::string &ours) const;
};

// Each part registers its runs; after them, it prints its table and says
// whether its goals held.
struct Part {
    std::function<void()> register_runs;
    std::function<bool(const RatioReporter &)> report;
};

Part one_shot_part(const std::vector<BenchCase> &cases, double min_muparser_ratio, double min_tinyexpr_ratio);
Part compiled_part(const std::vector<BenchCase> &cases, double min_peer_ratio, double max_plotter_ratio);
Part symbol_table_part();

} // namespace evaluator_bench
