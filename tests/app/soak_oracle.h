#pragma once

// What the window must show, worked out beside it from the texts it shows.
//
// The oracle follows the change events of the window's text store to know,
// for each result field, whether its calculation has run since the field was
// last written otherwise. A result that the user typed or that leaving
// rewrote legitimately keeps that text until an input of its calculation
// changes; after such a change it must equal what the calculation makes of
// the inputs shown now. Running the calculations on a scratch copy of the
// shown texts gives that: a calculation whose guards write nothing leaves the
// copy as shown, exactly as it left the window.

#include <array>
#include <initializer_list>
#include <optional>

#include <QString>
#include <QStringList>

#include "calc/acceleration.h"
#include "calc/cycling_power.h"
#include "calc/fat_free_mass.h"
#include "calc/mass_conversion.h"
#include "calc/one_rep_max.h"
#include "calc/running_cycling.h"
#include "fields/field_table.h"
#include "fields/number_format.h"
#include "fields/text_store.h"

namespace vorlenta::soak {

using Texts = std::array<QString, field_count>;

inline const QString &text_in(const Texts &texts, Field field)
{
    return texts[std::size_t(index_of(field))];
}

// A store without listeners holding the given texts: calculations run on it
// once, without the change events that would chain them.
inline void fill(TextStore &store, const Texts &texts)
{
    for (const FieldEntry &entry : field_entries())
        store.set_text(entry.field, text_in(texts, entry.field));
}

// The text is a number written in the pattern, as leaving leaves it.
inline bool in_pattern(const QString &text, Pattern pattern)
{
    const std::optional<double> value = to_double(text);
    return value && render(*value, pattern) == text;
}

// The body mass that Text11 stands for once it has held this text: a text
// that converts replaces it, any other keeps it.
inline std::optional<float> next_body_mass(std::optional<float> body_mass, const QString &text)
{
    if (const std::optional<float> read = to_single(text))
        return read;
    return body_mass;
}

inline bool panels_should_be_enabled(const QString &body_mass_text)
{
    const std::optional<float> read = to_single(body_mass_text);
    return read && *read > 0.0f;
}

inline bool asks_for_body_mass(std::optional<float> body_mass)
{
    return !body_mass || *body_mass == 0.0f;
}

enum class Calculation { OneRepMax, FatFreeMass, Acceleration, CyclingPower };

struct CalculationEntry {
    Calculation calculation;
    std::initializer_list<Field> runs_on; // change events that run it
    std::initializer_list<Field> results; // fields it writes
};

inline const std::array<CalculationEntry, 4> calculations{{
    {Calculation::OneRepMax, {Field::Text2, Field::Text3, Field::Text11}, {Field::Text4, Field::Text5}},
    {Calculation::FatFreeMass, {Field::Text12, Field::Text14, Field::Text11}, {Field::Text13, Field::Text15}},
    {Calculation::Acceleration, {Field::Text6, Field::Text7, Field::Text8, Field::Text9}, {Field::Text10}},
    // Its results are inputs too: a typed result is answered by the calculation.
    {Calculation::CyclingPower,
     {Field::Text16, Field::Text17, Field::Text18, Field::Text19, Field::Text20, Field::Text11},
     {Field::Text19, Field::Text20}},
}};

inline bool contains(std::initializer_list<Field> fields, Field field)
{
    for (Field f : fields) {
        if (f == field)
            return true;
    }
    return false;
}

inline void run(Calculation calculation, TextStore &store, std::optional<float> body_mass)
{
    switch (calculation) {
    case Calculation::OneRepMax:
        onerm_calculation(store, body_mass);
        break;
    case Calculation::FatFreeMass:
        ffm_calculation(store, body_mass);
        break;
    case Calculation::Acceleration:
        accel_calculation(store);
        break;
    case Calculation::CyclingPower:
        calculate_cycling_power(store, body_mass);
        break;
    }
}

class ResultOracle {
public:
    explicit ResultOracle(std::optional<float> body_mass) : m_body_mass(body_mass) { m_owned.fill(true); }

    // Called for every change event of the window's store, nested ones included.
    // A calculation's own writes into its results come nested inside the change
    // that ran it, so they are seen first and then overruled by that change.
    void changed(Field field, const QString &text)
    {
        if (field == Field::Text11)
            m_body_mass = next_body_mass(m_body_mass, text);
        for (const CalculationEntry &entry : calculations) {
            if (contains(entry.results, field) && !contains(entry.runs_on, field))
                m_owned[std::size_t(index_of(field))] = false;
        }
        for (const CalculationEntry &entry : calculations) {
            if (contains(entry.runs_on, field)) {
                for (Field result : entry.results)
                    m_owned[std::size_t(index_of(result))] = true;
            }
        }
    }

    std::optional<float> body_mass() const { return m_body_mass; }

    // Every result that must equal its calculation and does not, as
    // "Text13 shows "5.0", the calculation gives "64.00"".
    QStringList mismatches(const Texts &shown) const
    {
        TextStore scratch;
        fill(scratch, shown);
        QStringList found;
        for (const CalculationEntry &entry : calculations) {
            run(entry.calculation, scratch, m_body_mass);
            for (Field result : entry.results) {
                const QString &expected = scratch.text(result);
                const QString &actual = text_in(shown, result);
                if (m_owned[std::size_t(index_of(result))] && actual != expected)
                    found << QStringLiteral("%1 shows \"%2\", the calculation gives \"%3\"")
                                 .arg(name_of(result), actual, expected);
            }
        }
        return found;
    }

private:
    std::optional<float> m_body_mass;
    std::array<bool, field_count> m_owned{}; // written last by its calculation
};

// What a click on an exchange button must leave in its two fields, worked out
// from the texts shown when the button went down.
struct ExchangeExpectation {
    ExchangeButton button;
    Field left;
    Field right;
    QString left_text;
    QString right_text;
    bool asks_for_body_mass = false;
};

inline ExchangeExpectation expect_exchange(ExchangeButton button, const Texts &shown,
                                           std::optional<float> body_mass)
{
    TextStore scratch;
    fill(scratch, shown);
    ExchangeExpectation expected{button, Field::Text1, Field::Text23, {}, {}, false};
    if (button == ExchangeButton::Command1) {
        exchange_mass_units(scratch);
    } else {
        expected.left = Field::Text21;
        expected.right = Field::Text22;
        // Decided here from the body mass alone, not from what the conversion
        // returns, so that a conversion that wrongly refuses is caught.
        expected.asks_for_body_mass = asks_for_body_mass(body_mass);
        exchange_running_cycling(scratch, body_mass);
    }
    expected.left_text = scratch.text(expected.left);
    expected.right_text = scratch.text(expected.right);
    return expected;
}

} // namespace vorlenta::soak
