#include "calc/one_rep_max.h"

#include "text_cases.h"

namespace vorlenta {
namespace {

using enum Field;
using testing::TextCase;

TEST(OneRepMax, MatchesTheWorkedExampleToTheBit)
{
    EXPECT_EQ(repetition_divisor(10.0f), 74.98);
    const OneRepMax result = one_rep_max(100.0f, 10.0f, 80.0f);
    EXPECT_EQ(result.estimate, 133.36889837289942);
    EXPECT_EQ(result.per_kg, 1.6671112775802612f) << "divided in double, then held in single";
    EXPECT_EQ(one_rep_max(80.0f, 8.0f, std::nullopt).per_kg, 0.0f) << "no body mass: stays 0";
}

// Text11 (the shared body mass follows it, or stays at an older 80 when the
// text does not convert), load and repetitions, then both results; "old"
// marks a result that must not be written.
TextCase onerm(const char *protects, const char16_t *body_mass, const char16_t *load,
               const char16_t *reps, const char16_t *estimate, const char16_t *per_kg,
               bool comma = false)
{
    return {protects,
            {{Text11, body_mass}, {Text2, load}, {Text3, reps}, {Text4, u"old"}, {Text5, u"old"}},
            std::nullopt, {{Text4, estimate}, {Text5, per_kg}}, comma};
}

TEST(OneRepMax, WritesWhatTheInputsAllow)
{
    testing::check_cases(
        {
            onerm("ten repetitions", u"80", u"100", u"10", u"133.37", u"1.67"),
            onerm("one repetition gives the load", u"80", u"100", u"1", u"100.00", u"1.25"),
            onerm("five repetitions", u"75.5", u"150", u"5", u"168.77", u"2.24"),
            onerm("no repetitions: below the load", u"80", u"100", u"0", u"97.30", u"1.22"),
            onerm("body mass 0: no per kg", u"0.0", u"80", u"8", u"99.33", u"0.00"),
            onerm("as after loading", u"0.00", u"0.00", u"0.00", u"0.00", u"0.00"),
            onerm("36 reps: not cut", u"80", u"100", u"36", u"3703.70", u"46.30"),
            onerm("37 reps: negative divisor", u"80", u"100", u"37", u"-125000.00", u"-1562.50"),
            onerm("100 x load in single", u"107", u"100.3", u"3", u"106.20", u"0.99"),
            onerm("repetition term in double", u"99.5", u"207.5", u"20", u"439.81", u"4.42"),
            onerm("per kg from the double estimate", u"56", u"102.2", u"1", u"102.20", u"1.83"),
            onerm("load beyond single counts 0", u"80", u"1e39", u"10", u"0.00", u"0.00"),
            onerm("no repetitions number: nothing", u"80", u"100", u"", u"old", u"old"),
            onerm("no load number: nothing", u"80", u"heavy", u"10", u"old", u"old"),
            onerm("no body mass number: nothing", u"", u"100", u"10", u"old", u"old"),
            onerm("body mass beyond single: nothing", u"1e39", u"100", u"10", u"old", u"old"),
            onerm("decimal comma", u"80,0", u"62,46", u"2,5", u"65,18", u"0,81", true),
        },
        [](TextStore &store, Working<float>) {
            const Working<float> typed = to_single(store.text(Text11));
            onerm_calculation(store, typed ? typed : Working<float>(80.0f));
        });
}

} // namespace
} // namespace vorlenta
