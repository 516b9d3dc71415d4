#pragma once

// Runs evaluator tests in a "." or a "," notation: the user's locale and the
// decimal separator setting the number reader looks at, both restored after
// the test. Table rows are written in "." notation and swapped for ",".

#include <ostream>
#include <utility>

#include <QString>

#include "fields/apiconstants.h"
#include "tests/fields/locale_fixture.h"

namespace vorlenta::testing {

enum class Notation { Point, Comma };

inline const char *notation_name(Notation notation)
{
    return notation == Notation::Point ? "point" : "comma";
}

inline std::ostream &operator<<(std::ostream &out, Notation notation)
{
    return out << notation_name(notation);
}

// The text with "." and "," exchanged in the comma notation.
inline QString in_notation(QString text, Notation notation)
{
    return notation == Notation::Comma ? in_comma_notation(std::move(text)) : text;
}

class ScopedNotation {
public:
    explicit ScopedNotation(Notation notation)
        : m_locale(notation == Notation::Point ? point_locale() : comma_locale()),
          m_previous_separator(std::exchange(apiconstants::DecimalSeparator,
                                             notation == Notation::Point ? QStringLiteral(".")
                                                                         : QStringLiteral(",")))
    {
    }
    ~ScopedNotation() { apiconstants::DecimalSeparator = m_previous_separator; }
    ScopedNotation(const ScopedNotation &) = delete;
    ScopedNotation &operator=(const ScopedNotation &) = delete;

private:
    ScopedLocale m_locale;
    QString m_previous_separator;
};

} // namespace vorlenta::testing
