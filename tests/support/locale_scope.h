// SPDX-License-Identifier: MIT
#pragma once

// Runs a test in a given locale and restores the previous default afterwards,
// and writes "." notation in the decimal-comma notation a user there types.

#include <ostream>

#include <QLocale>
#include <QString>

// Test failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vorlenta::testing {

enum class Notation { Point, Comma };

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

// "." and "," exchanged: the same number as a decimal-comma locale writes it.
inline QString in_notation(QString text, Notation notation)
{
    if (notation == Notation::Comma) {
        for (QChar &c : text)
            c = c == u'.' ? QChar(u',') : c == u',' ? QChar(u'.') : c;
    }
    return text;
}

inline constexpr Notation both_notations[] = {Notation::Point, Notation::Comma};

} // namespace vorlenta::testing
