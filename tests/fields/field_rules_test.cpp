#include <gtest/gtest.h>

#include "fields/field_rules.h"
#include "locale_fixture.h"

namespace vorlenta {
namespace {

using testing::comma_locale;
using testing::point_locale;
using testing::ScopedLocale;

struct LeaveCase {
    const char *what;
    Field field;
    const char *before;
    const char *after;
};

const LeaveCase leave_cases[] = {
    {"rounds to one decimal", Field::Text2, "62.46", "62.5"},
    {"two decimals for distances and times", Field::Text6, "5", "5.00"},
    {"empty becomes zero", Field::Text12, "", "0.0"},
    {"letters become zero", Field::Text11, "abc", "0.0"},
    {"a result is rewritten too", Field::Text4, "133.37", "133.4"},
    {"grows beyond the typing limit", Field::Text17, "100", "100.0"},
    {"the acceleration is never rewritten", Field::Text10, "abc", "abc"},
    {"too large for any number becomes zero", Field::Text3, "1e999", "0.0"},
    {"negative", Field::Text11, "-7", "-7.0"},
};

TEST(LeaveFieldTest, RewritesTheFieldInItsPattern)
{
    const ScopedLocale locale(point_locale());
    for (const LeaveCase &c : leave_cases) {
        TextStore store;
        store.set_text(c.field, QString::fromLatin1(c.before));
        leave_field(store, c.field);
        EXPECT_EQ(store.text(c.field), QString::fromLatin1(c.after)) << c.what;
    }
}

TEST(LeaveFieldTest, UsesTheDecimalComma)
{
    const ScopedLocale locale(comma_locale());
    TextStore store;
    store.set_text(Field::Text11, QStringLiteral("7"));
    leave_field(store, Field::Text11);
    EXPECT_EQ(store.text(Field::Text11), QStringLiteral("7,0"));
}

TEST(LeaveFieldTest, AFieldAlreadyInItsPatternRaisesNoChange)
{
    const ScopedLocale locale(point_locale());
    TextStore store;
    store.set_text(Field::Text11, QStringLiteral("80.0"));
    int changes = 0;
    store.add_change_listener([&](Field) { ++changes; });
    leave_field(store, Field::Text11);
    EXPECT_EQ(changes, 0);
}

struct KeyCase {
    Field field;
    Field partner;
    ExchangeButton button;
    const char16_t *arrow;
};

TEST(KeyDownTest, ZeroesThePartnerAndTurnsTheArrow)
{
    const ScopedLocale locale(point_locale());
    const KeyCase cases[] = {
        {Field::Text1, Field::Text23, ExchangeButton::Command1, u"->"},
        {Field::Text23, Field::Text1, ExchangeButton::Command1, u"<-"},
        {Field::Text21, Field::Text22, ExchangeButton::Command2, u"->"},
        {Field::Text22, Field::Text21, ExchangeButton::Command2, u"<-"},
    };
    for (const KeyCase &c : cases) {
        TextStore store;
        store.set_text(c.field, QStringLiteral("12"));
        store.set_text(c.partner, QStringLiteral("99.9"));
        const std::optional<ArrowTurn> turn = key_down(store, c.field);
        ASSERT_TRUE(turn) << name_of(c.field).toStdString();
        EXPECT_EQ(store.text(c.partner), QStringLiteral("0.0"));
        EXPECT_EQ(store.text(c.field), QStringLiteral("12"));
        EXPECT_EQ(turn->button, c.button);
        EXPECT_EQ(turn->caption, QString::fromUtf16(c.arrow));
    }
}

TEST(KeyDownTest, OtherFieldsIgnoreKeys)
{
    TextStore store;
    for (const FieldEntry &entry : field_entries()) {
        if (entry.key_rule)
            continue;
        EXPECT_FALSE(key_down(store, entry.field)) << entry.name;
    }
    EXPECT_EQ(store.text(Field::Text23), QStringLiteral("Text23"));
}

TEST(KeyDownTest, ThePartnerIsZeroInTheCommaLocale)
{
    const ScopedLocale locale(comma_locale());
    TextStore store;
    key_down(store, Field::Text23);
    EXPECT_EQ(store.text(Field::Text1), QStringLiteral("0,0"));
}

} // namespace
} // namespace vorlenta
