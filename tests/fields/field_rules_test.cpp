// SPDX-License-Identifier: MIT
// What leaving a field does to its text: every field's pattern, in both
// notations, and no change event for a text already in its pattern.

#include <gtest/gtest.h>

#include "fields/field_rules.h"
#include "tests/support/notations.h"

namespace vorlenta::testing {
namespace {

using enum Field;

struct LeaveRow {
    Field field;
    const char *before;
    const char *after;
};

const LeaveRow leave_rows[] = {
    {Text2, "62.46", "62.5"}, {Text4, "133.37", "133.4"}, {Text11, "-7", "-7.0"},   {Text6, "5", "5.00"},
    {Text7, "5", "5.00"},     {Text8, "5", "5.00"},       {Text9, "1.234", "1.23"}, {Text12, "", "0.0"},
    {Text11, "abc", "0.0"},   {Text3, "1e999", "0.0"},    {Text17, "100", "100.0"}, {Text10, "abc", "abc"},
    {Text1, "5", "5.0"},      {Text16, "5", "5.0"},       {Text20, "5", "5.0"},     {Text21, "5", "5.0"},
    {Text22, "5", "5.0"},     {Text23, "5", "5.0"},       {Text13, "5", "5.0"},     {Text15, "5", "5.0"},
    {Text5, "5", "5.0"},
};

TEST(FieldRules, LeavingRewritesInTheFieldsPattern)
{
    for (const Notation notation : both_notations) {
        for (const LeaveRow &row : leave_rows) {
            TextStore store(host_notation(notation));
            store.set_text(row.field, in_notation(row.before, notation));
            int changes = 0;
            store.add_change_listener([&](Field) { ++changes; });
            leave_field(store, row.field);
            EXPECT_EQ(store.text(row.field), in_notation(row.after, notation)) << name_of(row.field);
            // A text already in its pattern is no change and recalculates nothing.
            leave_field(store, row.field);
            EXPECT_EQ(changes, std::string_view(row.before) == row.after ? 0 : 1);
        }
    }
}

TEST(FieldRules, ListenersAddedDuringAChangeHearItSafely)
{
    TextStore store;
    int heard = 0;
    store.add_change_listener([&](Field) {
        for (int i = 0; i < 20; ++i)
            store.add_change_listener([&](Field) { ++heard; });
    });
    store.set_text(Text1, "1");
    EXPECT_EQ(heard, 20);
}

} // namespace
} // namespace vorlenta::testing
