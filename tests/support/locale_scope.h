// SPDX-License-Identifier: MIT
#pragma once

// Runs a test in the default locale of a notation (notations.h) and restores
// the previous default afterwards, and writes "." notation in the
// decimal-comma notation a user there types.

#include <ostream>

#include <QLocale>
#include <QString>

#include "tests/support/notations.h"

// Test failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vorlenta::testing {

class ScopedLocale {
public:
    explicit ScopedLocale(Notation notation) : m_previous(QLocale())
    {
        QLocale::setDefault(notation == Notation::Comma ? QLocale(QLocale::German, QLocale::Germany)
                                                        : QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~ScopedLocale() { QLocale::setDefault(m_previous); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    QLocale m_previous;
};

inline QString in_notation(const QString &text, Notation notation)
{
    return QString::fromStdString(in_notation(text.toStdString(), notation));
}

} // namespace vorlenta::testing
