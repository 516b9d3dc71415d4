#include "calc/acceleration.h"

#include "text_cases.h"

namespace vorlenta {
namespace {

using enum Field;
using testing::TextCase;

// Distance and time of each split, then the acceleration, which every run
// writes.
TextCase accel(const char *protects, const char16_t *d1, const char16_t *t1, const char16_t *d2,
               const char16_t *t2, const char16_t *result, bool comma = false)
{
    return {protects, {{Text6, d1}, {Text7, t1}, {Text8, d2}, {Text9, t2}, {Text10, u"old"}},
            std::nullopt, {{Text10, result}}, comma};
}

TEST(Acceleration, IsWrittenOnEveryRun)
{
    testing::check_cases(
        {
            accel("speeding up", u"10", u"2", u"30", u"4", u"1.25"),
            accel("slowing down keeps its sign", u"10", u"2", u"12", u"4", u"-1.00"),
            accel("splits in reverse order", u"30", u"4", u"10", u"2", u"1.25"),
            accel("an unreadable distance counts 0", u"far", u"2", u"30", u"4", u"3.75"),
            accel("single, not double", u"19.86", u"2.28", u"34.34", u"2.83", u"6.23"),
            accel("rounded to two decimals first", u"19.864", u"2.28", u"34.34", u"2.83", u"6.23"),
            accel("equal times", u"10", u"3", u"30", u"3", u"0.00"),
            accel("a first time of 0", u"10", u"0", u"30", u"4", u"0.00"),
            accel("a time rounding to 0.00", u"10", u"0.004", u"30", u"4", u"0.00"),
            accel("an unreadable time fails", u"10", u"2", u"30", u"soon", u"0.00"),
            accel("a time beyond single", u"10", u"2", u"30", u"1e39", u"0.00"),
            accel("as after loading", u"0.00", u"0.00", u"0.00", u"0.00", u"0.00"),
            accel("decimal comma", u"19,86", u"2,28", u"34,34", u"2,83", u"6,23", true),
        },
        [](TextStore &store, Working<float>) { accel_calculation(store); });
}

} // namespace
} // namespace vorlenta
