// SPDX-License-Identifier: MIT
// Converters that follow the typing (the page's): each edit converts in the
// direction of the field typed in, with the digits a click gives after the
// field was left, and never asks for the body-mass message.

#include <gtest/gtest.h>

#include "calc/calc_model.h"

namespace vorlenta {
namespace {

using enum Field;

struct Typed {
    const char *body_mass;
    Field field;
    const char *text;
    Field partner;
    const char *shown;
    const char *arrow;
};

TEST(FollowingConverters, ConvertFromTheFieldTypedIn)
{
    const Typed rows[] = {
        {"0.00", Text1, "45.47", Text23, "100.1", "->"},
        {"0.00", Text23, "12.44", Text1, "5.6", "<-"},
        {"0.00", Text1, "0", Text23, "0.0", "->"}, // not back from the pounds
        {"70", Text22, "250", Text21, "12.7", "<-"},
        {"70", Text21, "12.46", Text22, "247", "->"}, // 12.5 once left; 246 as typed
        {"70", Text21, "abc", Text22, "0.0", "->"},
        {"0.00", Text21, "12", Text22, "0.0", "->"}, // no body mass
        {"-70", Text22, "250", Text21, "-12.7", "<-"},
    };
    for (const Typed &row : rows) {
        CalcModel model;
        int messages = 0;
        model.on_body_mass_missing([&] { ++messages; });
        model.load();
        model.store().set_text(Text11, row.body_mass);
        model.store().set_text(row.partner, "9");
        model.store().set_text(row.field, row.text);
        model.convert_from(row.field);
        EXPECT_EQ(model.store().text(row.partner), row.shown) << row.text;
        EXPECT_EQ(model.store().text(row.field), row.text);
        EXPECT_EQ(model.caption(entry_of(row.field).key_rule->button), row.arrow);
        EXPECT_EQ(messages, 0);
    }
}

TEST(FollowingConverters, RunningAndCyclingFollowTheBodyMass)
{
    CalcModel model;
    model.load();
    model.store().set_text(Text11, "70");
    model.store().set_text(Text22, "250");
    model.convert_from(Text22);
    model.store().set_text(Text11, "80");
    EXPECT_EQ(model.store().text(Text21), "11.1");
    model.store().set_text(Text11, "0");
    EXPECT_EQ(model.store().text(Text21), "0.0");
}

} // namespace
} // namespace vorlenta
