// SPDX-License-Identifier: MIT
// What a table of symbols costs to change at each size: define and Value
// (write) of a defined symbol, which move it to the end of the order, and
// Delete then Add; and what making an evaluator costs, which reads the user's
// locale (run it under LANG=C.UTF-8 too).

#include <cstdio>
#include <cstdlib>

#include "evaluator_cases.h"

namespace evaluator_bench {
namespace {

const int Sizes[] = {10, 100, 1000, 10000};
const char *const Changes[] = {"define", "value_write", "delete_add"};

void change(benchmark::State &state, const std::string &how, int size)
{
    vorlenta::CEval eval;
    std::vector<std::string> names;
    for (int i = 0; i < size; ++i) {
        names.push_back("s" + std::to_string(i));
        eval.define(names.back(), i);
    }
    vorlenta::CSymbolTable &table = eval.m_SymbolTable;
    std::size_t next = 0;
    double value = 0;
    for (auto _ : state) {
        const std::string &name = names[next];
        next = next + 1 == names.size() ? 0 : next + 1; // each in turn: the oldest is always next
        value += 1;
        if (how == "define") {
            eval.define(name, value);
        } else if (how == "value_write") {
            table.Value(name, value);
        } else {
            table.Delete(name);
            table.Add(name, value);
        }
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

Part symbol_table_part()
{
    Part part;
    part.register_runs = [] {
        for (const char *how : Changes) {
            for (const int size : Sizes) {
                benchmark::RegisterBenchmark(("symbols/" + std::string(how) + "/" + std::to_string(size)).c_str(),
                                             [how, size](benchmark::State &state) { change(state, how, size); });
            }
        }
        benchmark::RegisterBenchmark("symbols/new_evaluator", [](benchmark::State &state) {
            for (auto _ : state)
                benchmark::DoNotOptimize(vorlenta::CEval());
        });
    };
    part.report = [](const RatioReporter &reporter) {
        std::printf("\nChanging a defined symbol: nanoseconds per change at each number of symbols\n%-12s", "change");
        for (const int size : Sizes)
            std::printf(" %8d", size);
        std::printf(" %14s\n", "10,000 ÷ 10");
        for (const char *how : Changes) {
            const std::string prefix = "symbols/" + std::string(how) + "/";
            if (!reporter.nanoseconds.count(prefix + "10"))
                continue;
            std::printf("%-12s", how);
            for (const int size : Sizes)
                std::printf(" %8.1f", reporter.nanoseconds.at(prefix + std::to_string(size)));
            std::printf(" %13.2fx\n", reporter.ratio(prefix + "10000", prefix + "10"));
        }
        const auto made = reporter.nanoseconds.find("symbols/new_evaluator");
        if (made != reporter.nanoseconds.end())
            std::printf("A new evaluator: %.1f ns (LANG=%s)\n", made->second,
                        std::getenv("LANG") ? std::getenv("LANG") : "");
        return true;
    };
    return part;
}

} // namespace evaluator_bench
