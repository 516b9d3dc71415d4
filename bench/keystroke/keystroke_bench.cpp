// SPDX-License-Identifier: MIT
// One keystroke in the body mass Text11, alternately typing a 0 after "7" and
// erasing it again, so that every keystroke changes the body mass and with it
// every result that depends on it:
//
// - model: the key-down rule, the store write and its change event, which
//   updates the body mass and the panels and runs the cycling power (with the
//   reruns nested in its result writes), the fat-free mass and the
//   one-repetition maximum;
// - widgets: the same keystroke as a key press and release delivered to the
//   focused Text11 of a shown window, mirroring every changed result into its
//   field; "widgets_painted" also lets the window repaint before the next one.
//
// Before timing, each case checks that its keystroke did reach the results;
// it exits with 2 otherwise, so a figure never times a keystroke that did
// nothing.

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <benchmark/benchmark.h>

#include "calc/calc_model.h"
#include "frm_calc.h"

using namespace vorlenta;

namespace {

// Inputs for every calculator that follows the body mass, with a grade so
// that the body mass reaches the power as well as the power per kilogram.
constexpr std::pair<Field, const char *> inputs[] = {
    {Field::Text12, "20"}, {Field::Text14, "15"}, {Field::Text2, "100"}, {Field::Text3, "10"},
    {Field::Text16, "30"}, {Field::Text17, "10"}, {Field::Text18, "5"},  {Field::Text11, "7"},
};

void fill_inputs(CalcModel &model)
{
    for (const auto &[field, text] : inputs)
        model.store().set_text(field, text);
}

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "keystroke_bench: %s\n", what);
        std::exit(2);
    }
}

const QString seventy = QStringLiteral("70");

void model(benchmark::State &state)
{
    CalcModel calc;
    for (const FieldEntry &entry : field_entries())
        calc.store().set_text(entry.field, "0.00");
    fill_inputs(calc);

    // Every change of a field counts: the body mass, and each result the
    // keystroke rewrites (the power's results twice, in the nested reruns).
    long changes = 0;
    calc.store().add_change_listener([&changes](Field) { ++changes; });
    const std::string watts_before = calc.store().text(Field::Text19);
    calc.key_down(Field::Text11);
    calc.store().set_text(Field::Text11, "70");
    require(calc.body_mass().kg.value() == 70.0f, "the body mass did not follow the keystroke");
    require(calc.store().text(Field::Text19) != watts_before, "the power did not follow the body mass");

    changes = 0;
    bool longer = false;
    for (auto _ : state) {
        calc.key_down(Field::Text11);
        calc.store().set_text(Field::Text11, longer ? "70" : "7");
        longer = !longer;
    }
    state.counters["field_changes_per_key"] = benchmark::Counter(double(changes), benchmark::Counter::kAvgIterations);
}

void widgets(benchmark::State &state, bool painted)
{
    frm_calc window;
    window.show();
    require(QTest::qWaitForWindowExposed(&window), "the window was not shown");
    fill_inputs(window.model());
    auto *body_mass = window.findChild<QLineEdit *>(QStringLiteral("Text11"));
    auto *watts = window.findChild<QLineEdit *>(QStringLiteral("Text19"));
    body_mass->setFocus();
    body_mass->end(false);
    QCoreApplication::processEvents();

    const QString watts_before = watts->text();
    QTest::keyClick(body_mass, Qt::Key_0);
    require(body_mass->text() == seventy, "the keystroke did not reach Text11");
    require(watts->text() != watts_before, "the power field did not follow the body mass");

    bool longer = false;
    for (auto _ : state) {
        QTest::keyClick(body_mass, longer ? Qt::Key_0 : Qt::Key_Backspace);
        if (painted)
            QCoreApplication::processEvents();
        longer = !longer;
    }
}

} // namespace

BENCHMARK(model);
BENCHMARK_CAPTURE(widgets, widgets, false);
BENCHMARK_CAPTURE(widgets, widgets_painted, true);

int main(int argc, char **argv)
{
    // Real widgets without a display: the offscreen platform unless one is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
