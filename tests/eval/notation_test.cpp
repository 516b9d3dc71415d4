// SPDX-License-Identifier: MIT
// Which decimal point an evaluator reads: its own, the user's until set; and
// evaluators on two threads at once, each with its own symbols, separator and
// notices (run under ThreadSanitizer by scripts/test-thread-sanitized.sh).

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <sys/wait.h>

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

// A German locale compiled into a scratch folder that LOCPATH points to, so
// the test needs none installed; empty when localedef cannot build it.
std::string german_locale_path()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vorlenta-eval-locales";
    const std::string command = "localedef -i de_DE -f UTF-8 '" + folder.string() + "/de_DE.UTF-8' >/dev/null 2>&1";
    std::filesystem::create_directories(folder);
    return std::system(command.c_str()) == 0 ? folder.string() : std::string();
}

// The separator an evaluator made in this locale starts with, found in a child
// process started afresh: glibc's newlocale keeps hold of the LOCPATH it read,
// and the library reads the user's locale once per process.
char separator_in(const std::string &locales, const char *locale)
{
    testing::GTEST_FLAG(death_test_style) = "threadsafe";
    char separator = 0;
    EXPECT_EXIT(
        {
            setenv("LOCPATH", locales.c_str(), 1);
            setenv("LC_ALL", locale, 1);
            std::_Exit(CEval().decimal_separator());
        },
        [&](int status) { return WIFEXITED(status) && (separator = char(WEXITSTATUS(status))); }, "");
    return separator;
}

TEST(Notation, StartsAsTheUsersAndOnceSetIsThisEvaluatorsAlone)
{
    const std::string locales = german_locale_path();
    if (locales.empty())
        GTEST_SKIP() << "localedef cannot build de_DE.UTF-8";
    EXPECT_EQ((std::string{separator_in(locales, "de_DE.UTF-8"), separator_in(locales, "C")}), ",.");
    CEval comma, point;
    comma.set_decimal_separator(',');
    point.set_decimal_separator('.');
    EXPECT_EQ(raised([&] { point.set_decimal_separator(';'); }), "raised -2147221501 at 0: Invalid decimal separator");
    EXPECT_EQ(comma.Evaluate("1,5+1") + point.Evaluate("1.5+1"), 5.0); // the refused one left no trace
    EXPECT_EQ(raised([&] { point.Evaluate("1,5+1"); }), "raised -2147221502 at 2: Operator expected");
}

TEST(Notation, EvaluatorsOnTwoThreadsKeepToTheirOwn)
{
    std::atomic<int> process_wide = 0;
    NoticeHandler previous = install_notice_handler([&](const Notice &) { ++process_wide; });
    const auto run = [](Notation notation, double mass, int *own_notices, double *sum) {
        CEval eval, plain; // plain has no handler: its notices go to the process-wide one
        eval.set_decimal_separator(notation == Point ? '.' : ',');
        eval.set_notice_handler([own_notices](const Notice &) { ++*own_notices; });
        eval.m_SymbolTable.Add("mass", mass);
        for (int i = 0; i < 500; ++i) {
            eval.m_SymbolTable.Value("mass", mass + i);
            *sum += eval.Evaluate(in(notation, "mass*1.5+2.5")) + eval.Evaluate("1/0") + plain.Evaluate("L0");
        }
    };
    int notices[2] = {}; // [0] on this thread, in "." notation; [1] on another, in ","
    double sums[2] = {};
    std::thread comma(run, Comma, 2.0, &notices[1], &sums[1]);
    run(Point, 4.0, &notices[0], &sums[0]);
    comma.join();
    install_notice_handler(std::move(previous));
    EXPECT_EQ(process_wide, 1000);
    EXPECT_EQ(notices[0] + notices[1], 1000);
    EXPECT_EQ(sums[0], 500 * (4.0 * 1.5 + 2.5) + 1.5 * (499.0 * 500 / 2)); // exact in doubles
    EXPECT_EQ(sums[1], 500 * (2.0 * 1.5 + 2.5) + 1.5 * (499.0 * 500 / 2));
}
