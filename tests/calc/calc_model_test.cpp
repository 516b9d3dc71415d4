#include "calc/calc_model.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "loaded_model.h"
#include "text_cases.h"

namespace vorlenta {
namespace {

using enum Field;
using testing::text;
using testing::type;

class LoadedModel : public ::testing::Test {
protected:
    LoadedModel()
    {
        model.on_panels_changed([this](bool enabled) { panel_changes.push_back(enabled); });
        testing::load(model);
    }

    QString at(Field field) const { return model.store().text(field); }

    CalcModel model;
    std::vector<bool> panel_changes;
};

TEST_F(LoadedModel, FirstDisplayShowsZerosAndDisabledPanels)
{
    for (const Field field : testing::control_list_order) {
        SCOPED_TRACE(name_of(field).toStdString());
        // Every write reruns the power in whole watts; no W/kg without a body mass.
        const char16_t *expected = field == Text19 ? u"0" : field == Text20 ? u"" : u"0.00";
        EXPECT_EQ(at(field), text(expected));
    }
    EXPECT_EQ(model.body_mass(), 0.0f);
    EXPECT_EQ(panel_changes, std::vector<bool>{false});
}

TEST(ModelBeforeLoading, HasNoBodyMassAndThePanelsAsDesigned)
{
    const CalcModel model;
    EXPECT_FALSE(model.body_mass());
    EXPECT_TRUE(model.panels_enabled());
}

TEST_F(LoadedModel, TypingABodyMassAndLeavingUpdatesEveryPanel)
{
    type(model, {{Text12, u"20"}, {Text14, u"15"}, {Text2, u"100"}, {Text3, u"10"},
                 {Text16, u"30"}, {Text17, u"10"}, {Text18, u"0"}});
    const Field shown[] = {Text11, Text13, Text15, Text4, Text5, Text19, Text20};
    struct Step {
        const char *what;
        std::function<void()> act;
        std::vector<const char16_t *> texts; // of the fields shown, in order
    };
    const Step steps[] = {
        {"type 8", [&] { type(model, {{Text11, u"8"}}); },
         {u"8", u"6.40", u"7.60", u"133.37", u"16.67", u"142", u"17.7"}},
        {"type 0", [&] { type(model, {{Text11, u"80"}}); },
         {u"80", u"64.00", u"76.00", u"133.37", u"1.67", u"142", u"1.8"}},
        {"press Tab", [&] { model.leave(Text11); },
         {u"80.0", u"64.00", u"76.00", u"133.37", u"1.67", u"142", u"1.8"}},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        for (std::size_t i = 0; i < std::size(shown); ++i)
            EXPECT_EQ(at(shown[i]), text(step.texts[i])) << name_of(shown[i]).toStdString();
        EXPECT_TRUE(model.panels_enabled());
    }
    EXPECT_EQ(model.body_mass(), 80.0f);
    EXPECT_EQ(panel_changes, (std::vector<bool>{false, true})) << "listeners hear changes only";
}

TEST_F(LoadedModel, BodyMassFieldDecidesPanelsAndWhatIsRecomputed)
{
    struct Row {
        const char *protects;
        const char16_t *text11;
        bool enabled;
        float body_mass;
        const char16_t *ffm, *one_rm_per_kg, *watts_per_kg;
    };
    const Row rows[] = {
        {"another positive mass enables", u"75", true, 75.0f, u"60.00", u"1.78", u"1.9"},
        {"zero disables and still writes", u"0.0", false, 0.0f, u"0.00", u"0.00", u""},
        {"negative disables, computed as is", u"-5", false, -5.0f, u"-4.00", u"-26.67", u"-28.4"},
        {"empty disables, body mass kept", u"", false, 80.0f, u"64.00", u"1.67", u"1.8"},
        {"letters disable, results kept", u"abc", false, 80.0f, u"64.00", u"1.67", u"1.8"},
        {"beyond single disables, results kept", u"1e39", false, 80.0f, u"64.00", u"1.67", u"1.8"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.protects);
        type(model, {{Text11, u"80"}, {Text12, u"20"}, {Text2, u"100"}, {Text3, u"10"},
                     {Text16, u"30"}, {Text17, u"10"}, {Text18, u"0"}});
        type(model, {{Text11, row.text11}});
        EXPECT_EQ(model.panels_enabled(), row.enabled);
        EXPECT_EQ(model.body_mass(), row.body_mass);
        EXPECT_EQ(at(Text13), text(row.ffm));
        EXPECT_EQ(at(Text4), text(u"133.37"));
        EXPECT_EQ(at(Text5), text(row.one_rm_per_kg));
        EXPECT_EQ(at(Text20), text(row.watts_per_kg)) << "the power follows even a kept body mass";
    }
}

TEST_F(LoadedModel, BodyMassRunsPowerThenFatFreeMassThenOneRepMax)
{
    type(model, {{Text12, u"20"}, {Text2, u"100"}, {Text3, u"10"}, {Text16, u"30"}});
    std::vector<Field> changes;
    model.store().add_change_listener([&](Field field) { changes.push_back(field); });
    type(model, {{Text11, u"80"}});
    // Where each field last changed, counted from the end: the later, the smaller.
    const auto last_of = [&](Field field) {
        return std::ranges::find(changes.rbegin(), changes.rend(), field) - changes.rbegin();
    };
    EXPECT_GT(last_of(Text20), last_of(Text13));
    EXPECT_GT(last_of(Text13), last_of(Text5));
    EXPECT_LT(last_of(Text5), std::ptrdiff_t(changes.size()));
}

TEST_F(LoadedModel, CyclingPowerNestsUntilItsTextsStayTheSame)
{
    struct Row {
        const char *protects;
        Field field;
        const char16_t *text;
        int runs;
    };
    const Row rows[] = {
        {"both results change: outer, in Text19, in Text20", Text16, u"25", 3},
        {"only the power changes", Text16, u"30.1", 2},
        {"no result changes", Text16, u"30.0", 1},
        {"a body mass that changes both", Text11, u"80", 3},
        {"a body mass that changes the power only", Text11, u"71", 2},
        {"typing over the power", Text19, u"999", 2},
        {"typing over the power per kg", Text20, u"9.9", 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.protects);
        type(model, {{Text11, u"70"}, {Text16, u"30"}, {Text17, u"10"}, {Text18, u"5"}});
        ASSERT_EQ(at(Text19), text(u"469"));
        ASSERT_EQ(at(Text20), text(u"6.7"));
        const int before = model.cycling_power_runs();
        type(model, {{row.field, row.text}});
        EXPECT_EQ(model.cycling_power_runs() - before, row.runs);
        if (row.field == Text19 || row.field == Text20) {
            EXPECT_EQ(at(row.field), text(row.field == Text19 ? u"469" : u"6.7")) << "typing is overwritten";
        }
    }
}

TEST_F(LoadedModel, EachChangeRunsTheCalculationsThatDependOnTheField)
{
    const Field results[] = {Text4, Text5, Text10, Text13, Text15};
    struct Row {
        Field field;
        const char16_t *text; // the same value in other words, or any number
        std::vector<Field> rewritten;
        int power_runs;
    };
    const Row rows[] = {
        {Text1, u"7", {}, 0},         {Text2, u"100.00", {Text4, Text5}, 0},
        {Text3, u"10.00", {Text4, Text5}, 0},                  {Text4, u"7", {}, 0},
        {Text5, u"7", {}, 0},         {Text6, u"10.00", {Text10}, 0},
        {Text7, u"2.00", {Text10}, 0}, {Text8, u"30.00", {Text10}, 0},
        {Text9, u"4.00", {Text10}, 0}, {Text10, u"7", {}, 0},
        {Text11, u"70.00", {Text4, Text5, Text13, Text15}, 1}, {Text12, u"20.00", {Text13, Text15}, 0},
        {Text13, u"7", {}, 0},        {Text14, u"15.00", {Text13, Text15}, 0},
        {Text15, u"7", {}, 0},        {Text16, u"30.00", {}, 1},
        {Text17, u"10.00", {}, 1},    {Text18, u"5.00", {}, 1},
        {Text19, u"469.0", {}, 2},    {Text20, u"6.70", {}, 2},
        {Text21, u"7", {}, 0},        {Text22, u"7", {}, 0},
        {Text23, u"7", {}, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(name_of(row.field).toStdString());
        type(model, {{Text11, u"70"}, {Text12, u"20"}, {Text14, u"15"}, {Text2, u"100"},
                     {Text3, u"10"}, {Text6, u"10"}, {Text7, u"2"}, {Text8, u"30"}, {Text9, u"4"},
                     {Text16, u"30"}, {Text17, u"10"}, {Text18, u"5"}});
        for (const Field result : results)
            model.store().set_text(result, text(u"stale"));
        const int before = model.cycling_power_runs();
        type(model, {{row.field, row.text}});
        for (const Field result : results) {
            if (result == row.field)
                continue;
            EXPECT_EQ(at(result) != text(u"stale"), std::ranges::count(row.rewritten, result) == 1)
                << name_of(result).toStdString();
        }
        EXPECT_EQ(model.cycling_power_runs() - before, row.power_runs);
    }
}

TEST_F(LoadedModel, LeavingRewritesAndRecalculates)
{
    type(model, {{Text11, u"75"}, {Text10, u"1.5"}});
    const int before = model.cycling_power_runs();
    model.leave(Text11);
    EXPECT_EQ(at(Text11), text(u"75.0"));
    EXPECT_EQ(model.cycling_power_runs() - before, 1) << "the rewrite runs the cascade again";
    model.leave(Text10);
    EXPECT_EQ(at(Text10), text(u"1.5")) << "the acceleration is not rewritten";
}

TEST_F(LoadedModel, KeysTurnTheArrowAndZeroThePartner)
{
    std::vector<std::pair<ExchangeButton, QString>> turns;
    model.on_caption_changed(
        [&](ExchangeButton button, const QString &caption) { turns.emplace_back(button, caption); });
    type(model, {{Text23, u"150"}, {Text21, u"12"}});
    model.key_down(Text1);
    model.key_down(Text1);
    model.key_down(Text22);
    model.key_down(Text11);
    EXPECT_EQ(at(Text23), text(u"0.0"));
    EXPECT_EQ(at(Text21), text(u"0.0"));
    const std::vector<std::pair<ExchangeButton, QString>> expected{
        {ExchangeButton::Command1, text(u"->")}, {ExchangeButton::Command2, text(u"<-")}};
    EXPECT_EQ(turns, expected) << "a caption that stays the same is not announced again";
    EXPECT_EQ(model.caption(ExchangeButton::Command2), text(u"<-"));
}

TEST_F(LoadedModel, Command2AsksTheHostForABodyMass)
{
    int messages = 0;
    model.on_body_mass_missing([&] { ++messages; });
    const struct {
        const char16_t *text11;
        int messages;
    } rows[] = {{u"0.0", 1}, {u"70", 0}, {u"abc", 0} /* keeps 70 */, {u"0", 1}};
    int expected = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::text(row.text11).toStdString());
        type(model, {{Text11, row.text11}, {Text21, u"12"}, {Text22, u"0.0"}});
        model.Command2_Click();
        expected += row.messages;
        ASSERT_EQ(messages, expected);
        EXPECT_EQ(at(Text22), text(row.messages ? u"0.0" : u"237"));
    }
}

TEST(ModelInCommaLocale, LoadsTypesAndLeavesWithADecimalComma)
{
    const testing::ScopedLocale comma(testing::comma_locale());
    CalcModel model;
    testing::load(model);
    EXPECT_EQ(model.store().text(Text1), text(u"0,00"));
    type(model, {{Text12, u"18,3"}, {Text14, u"12"}, {Text11, u"72,5"}});
    EXPECT_TRUE(model.panels_enabled());
    EXPECT_EQ(model.store().text(Text13), text(u"59,23"));
    model.leave(Text11);
    EXPECT_EQ(model.store().text(Text11), text(u"72,5"));
}

} // namespace
} // namespace vorlenta
