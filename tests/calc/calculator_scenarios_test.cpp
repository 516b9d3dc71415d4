// The calculators as the user meets them, through the model the window
// mirrors: what is typed, left and clicked, and what every field shows.

#include <optional>

#include <gtest/gtest.h>

#include "calc/calc_model.h"
#include "fields/number_format.h"
#include "tests/support/calculator_scenarios.h"

namespace vorlenta {
namespace {

using namespace testing;

// Plays a scenario on a model in the state the window loads it in.
class ModelDriver {
public:
    ModelDriver()
    {
        model.on_body_mass_missing([this] { ++messages; });
        for (int i = 1; i <= field_count; ++i)
            model.store().set_text(Field(i), render(0.0, Pattern::TwoDecimals));
        model.set_caption(ExchangeButton::Command1, QStringLiteral("<->"));
        model.set_caption(ExchangeButton::Command2, QStringLiteral("<->"));
    }

    void play(const Step &step)
    {
        const std::optional<Field> field = field_named(step.name);
        if (step.action == u'=') {
            if (focus != field)
                leave();
            focus = field;
            // The field's text is selected; each key replaces it or adds to it.
            for (qsizetype typed = step.text.isEmpty() ? 0 : 1; typed <= step.text.size(); ++typed) {
                model.key_down(*field);
                model.store().set_text(*field, step.text.left(typed));
            }
        } else if (step.action == u':') {
            EXPECT_EQ(field ? model.store().text(*field) : model.caption(button(step.name)), step.text)
                << step.name.toStdString();
        } else if (step.name == u"Tab") {
            leave();
        } else if (step.name.startsWith(u"Command")) {
            leave();
            step.name == u"Command1" ? model.Command1_Click() : model.Command2_Click();
        } else if (step.name.endsWith(u"panels")) {
            EXPECT_EQ(model.panels_enabled(), step.name.front() == u'+');
        } else {
            ASSERT_EQ(step.name, QStringLiteral("!message"));
            EXPECT_EQ(std::exchange(messages, 0), 1);
        }
    }

    ~ModelDriver() { EXPECT_EQ(messages, 0) << "a body-mass message nobody expected"; }

private:
    static ExchangeButton button(const QString &name)
    {
        return name == u"Command1" ? ExchangeButton::Command1 : ExchangeButton::Command2;
    }
    void leave()
    {
        if (focus)
            model.leave(*focus);
        focus.reset();
    }

    CalcModel model;
    std::optional<Field> focus;
    int messages = 0;
};


TEST(CalculatorScenarios, ShowWhatTheUserExpects)
{
    for (const Notation notation : both_notations) {
        const ScopedLocale locale(notation);
        for (const Scenario &scenario : calculator_scenarios) {
            SCOPED_TRACE(scenario.protects);
            ModelDriver driver;
            for (const Step &step : steps_of(scenario, notation))
                driver.play(step);
        }
    }
}

} // namespace
} // namespace vorlenta
