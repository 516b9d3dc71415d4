#pragma once

// Table rows for the calculators: the texts the fields hold, the shared body
// mass, and the texts expected afterwards. Each row runs on a fresh store
// without change listeners, so exactly one calculation runs.

#include <functional>
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>
#include <QString>

#include "calc/checked.h"
#include "fields/text_store.h"
#include "tests/fields/locale_fixture.h"

namespace vorlenta::testing {

struct Entry {
    Field field;
    const char16_t *text;
};

struct TextCase {
    const char *protects;
    std::vector<Entry> given;
    Working<float> body_mass;
    std::vector<Entry> expected;
    bool decimal_comma = false;
};

inline QString text(const char16_t *t)
{
    return QString::fromUtf16(t);
}

inline TextStore store_with(const std::vector<Entry> &entries)
{
    TextStore store;
    for (const Entry &entry : entries)
        store.set_text(entry.field, text(entry.text));
    return store;
}

using Calculation = std::function<void(TextStore &, Working<float> body_mass)>;

inline void check_cases(std::initializer_list<TextCase> cases, const Calculation &calculate)
{
    for (const TextCase &row : cases) {
        SCOPED_TRACE(row.protects);
        const ScopedLocale locale(row.decimal_comma ? comma_locale() : point_locale());
        TextStore store = store_with(row.given);
        calculate(store, row.body_mass);
        for (const Entry &entry : row.expected)
            EXPECT_EQ(store.text(entry.field), text(entry.text)) << name_of(entry.field).toStdString();
    }
}

} // namespace vorlenta::testing
