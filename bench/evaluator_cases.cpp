// SPDX-License-Identifier: MIT
#include "evaluator_cases.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include <unistd.h>

namespace evaluator_bench {
namespace {

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

// "rider_mass+bike_mass+wheel_size+..." up to about `length` characters.
std::string symbol_chain(std::size_t length, double *value)
{
    const Symbols symbols;
    const std::pair<const char *, double> chained[] = {
        {"rider_mass", symbols.rider_mass}, {"bike_mass", symbols.bike_mass}, {"wheel_size", symbols.wheel_size}};
    std::string chain;
    *value = 0;
    for (int i = 0; chain.size() < length; ++i) {
        if (!chain.empty())
            chain += '+';
        chain += chained[i % 3].first;
        *value += chained[i % 3].second;
    }
    return chain;
}

} // namespace

double Symbols::value(const std::string &name) const
{
    const std::map<std::string, double> values = {
        {"mass", mass},           {"height", height},        {"x", x}, {"y", y}, {"rider_mass", rider_mass},
        {"bike_mass", bike_mass}, {"wheel_size", wheel_size}};
    return values.at(name);
}

void Symbols::define(vorlenta::CEval &eval) const
{
    eval.set_decimal_separator('.');
    for (const char *name : {"mass", "height", "x", "y", "rider_mass", "bike_mass", "wheel_size"})
        eval.m_SymbolTable.Add(name, value(name));
}

void Symbols::define(mu::Parser &parser)
{
    parser.DefineVar("mass", &mass);
    parser.DefineVar("height", &height);
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    parser.DefineVar("rider_mass", &rider_mass);
    parser.DefineVar("bike_mass", &bike_mass);
    parser.DefineVar("wheel_size", &wheel_size);
}

#ifdef VORLENTA_BENCH_TINYEXPR
std::vector<te_variable> Symbols::tinyexpr_variables() const
{
    return {{"mass", &mass, TE_VARIABLE, nullptr},
            {"height", &height, TE_VARIABLE, nullptr},
            {"x", &x, TE_VARIABLE, nullptr},
            {"y", &y, TE_VARIABLE, nullptr},
            {"rider_mass", &rider_mass, TE_VARIABLE, nullptr},
            {"bike_mass", &bike_mass, TE_VARIABLE, nullptr},
            {"wheel_size", &wheel_size, TE_VARIABLE, nullptr}};
}

double tinyexpr_once(const std::string &expression)
{
    static const Symbols symbols;
    static const std::vector<te_variable> variables = symbols.tinyexpr_variables();
    int error = 0;
    te_expr *compiled = te_compile(expression.c_str(), variables.data(), int(variables.size()), &error);
    const double value = compiled ? te_eval(compiled) : NAN;
    te_free(compiled);
    return value;
}
#endif

const BenchCase plotter = {
    "plotter", "S(x*x+1)*E(-x/10)+L(x+1)/2", "sqrt(x*x+1)*exp(-x/10)+ln(x+1)/2", 0,
    [](const Symbols &s) { return std::sqrt(s.x * s.x + 1) * std::exp(-s.x / 10) + std::log(s.x + 1) / 2; }};

std::vector<BenchCase> bench_cases()
{
    // Pairs of 100 and 32,000 characters show the cost per character; muparser
    // takes no expression of 20,000 characters or more, so the long ones run
    // alone. Their postfix form stays within its 32,767 characters: the blanks
    // of a sum vanish from it, and each symbol name is longer than its value's
    // text.
    const std::string sum200 = long_sum(200);
    std::vector<BenchCase> cases = {
        {"short", "1+2*3", "1+2*3", 0, [](const Symbols &) { return 1.0 + 2.0 * 3.0; }},
        {"parentheses", "(1+2)*3-4/5", "(1+2)*3-4/5", 0, [](const Symbols &) { return (1.0 + 2.0) * 3.0 - 4.0 / 5.0; }},
        {"power_chain", "2^3^2", "(2^3)^2", 0, [](const Symbols &) { return std::pow(std::pow(2.0, 3.0), 2.0); }},
        {"functions", "S(16)+E(0.5)-L(2)", "sqrt(16)+exp(0.5)-ln(2)", 0,
         [](const Symbols &) { return std::sqrt(16.0) + std::exp(0.5) - std::log(2.0); }},
        {"symbols", "mass*9.81+height/2", "mass*9.81+height/2", 0,
         [](const Symbols &s) { return s.mass * 9.81 + s.height / 2; }},
        {"signs", "-(3.5+x)*(y-1.25)/2", "-(3.5+x)*(y-1.25)/2", 0,
         [](const Symbols &s) { return -(3.5 + s.x) * (s.y - 1.25) / 2; }},
        {"nested", "((((1+2)*3)-4)/5)^2", "((((1+2)*3)-4)/5)^2", 0,
         [](const Symbols &) { return std::pow((((1.0 + 2.0) * 3.0) - 4.0) / 5.0, 2.0); }},
        {"ten_symbols", "mass*x+height*y-mass/height+x*y-mass*height", "mass*x+height*y-mass/height+x*y-mass*height", 0,
         [](const Symbols &s) {
             return s.mass * s.x + s.height * s.y - s.mass / s.height + s.x * s.y - s.mass * s.height;
         }},
        plotter,
        {"sum_200_chars", sum200, sum200, 0, nullptr},
    };
    for (const std::size_t length : {100, 32000}) {
        double value = 0;
        const auto add = [&](const std::string &name, const std::string &expression) {
            cases.push_back({name, expression, expression.size() >= 20000 ? "" : expression, value, nullptr});
        };
        const std::string sum = long_sum(length, " + ", &value);
        add("sum_" + std::to_string(length) + "_chars", sum);
        const std::string chain = symbol_chain(length, &value);
        add("chain_" + std::to_string(length) + "_chars", chain);
    }
    return cases;
}

// Colours only on a terminal, so logs stay plain text.
RatioReporter::RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_None) {}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    // Processor time keeps other load on a shared machine out of the ratios.
    for (const Run &run : runs) {
        if (run.error_occurred)
            continue;
        if (run.run_type == Run::RT_Iteration)
            nanoseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        else if (run.aggregate_name == "median")
            nanoseconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
}

double RatioReporter::ratio(const std::string &theirs, const std::string &ours) const
{
    const auto a = nanoseconds.find(theirs), b = nanoseconds.find(ours);
    return a == nanoseconds.end() || b == nanoseconds.end() ? 0.0 : a->second / b->second;
}

} // namespace evaluator_bench
