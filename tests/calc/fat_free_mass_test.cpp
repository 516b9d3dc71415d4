#include "calc/fat_free_mass.h"

#include "text_cases.h"

namespace vorlenta {
namespace {

using enum Field;
using testing::TextCase;

TEST(FatFreeMass, IsSinglePrecisionToTheBit)
{
    EXPECT_EQ(fat_free_mass(72.5f, 18.3f), 59.23249816894531f);
    EXPECT_EQ(target_body_mass(72.5f, 18.3f, 12.0f), 67.93250274658203f);
}

// Text11 (the shared body mass follows it, or stays at an older 80 when the
// text does not convert), body fat and target, then both results; "old"
// marks a result that must not be written.
TextCase ffm(const char *protects, const char16_t *body_mass, const char16_t *fat,
             const char16_t *target, const char16_t *fat_free, const char16_t *target_mass,
             bool comma = false)
{
    return {protects,
            {{Text11, body_mass}, {Text12, fat}, {Text14, target}, {Text13, u"old"}, {Text15, u"old"}},
            std::nullopt, {{Text13, fat_free}, {Text15, target_mass}}, comma};
}

TEST(FatFreeMass, WritesWhatTheInputsAllow)
{
    testing::check_cases(
        {
            ffm("round figures", u"80", u"20", u"15", u"64.00", u"76.00"),
            ffm("the worked example", u"72.5", u"18.3", u"12", u"59.23", u"67.93"),
            ffm("no fat", u"80", u"0", u"0", u"80.00", u"80.00"),
            ffm("above 100 % unbounded", u"80", u"120", u"10", u"-16.00", u"-8.00"),
            ffm("below 0 % unbounded", u"80", u"-5", u"0", u"84.00", u"84.00"),
            ffm("body mass 0 still writes", u"0.0", u"20", u"15", u"0.00", u"0.00"),
            ffm("single, not double", u"115.4", u"22.5", u"15.2", u"89.43", u"106.98"),
            ffm("mass less fat, not mass times lean", u"116.5", u"31", u"20.6", u"80.38", u"104.38"),
            ffm("target from the percentage difference", u"113.5", u"18.9", u"9.9", u"92.05", u"103.29"),
            ffm("body fat beyond single counts 0", u"80", u"1e39", u"10", u"80.00", u"88.00"),
            ffm("target beyond single counts 0", u"80", u"20", u"1e39", u"64.00", u"64.00"),
            ffm("no body fat: nothing", u"80", u"", u"15", u"old", u"old"),
            ffm("no target: fat-free mass only", u"80", u"20", u"", u"64.00", u"old"),
            ffm("no body mass number: nothing", u"heavy", u"20", u"15", u"old", u"old"),
            ffm("body mass beyond single: nothing", u"1e39", u"20", u"15", u"old", u"old"),
            ffm("decimal comma", u"72,5", u"18,3", u"12", u"59,23", u"67,93", true),
        },
        [](TextStore &store, Working<float>) {
            const Working<float> typed = to_single(store.text(Text11));
            ffm_calculation(store, typed ? typed : Working<float>(80.0f));
        });
}

} // namespace
} // namespace vorlenta
