#pragma once

// Runs a test in a given locale and restores the previous default afterwards,
// so no test leaks its locale into the next.

#include <QLocale>
#include <QString>

namespace vorlenta::testing {

class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale &locale) : m_previous(QLocale()) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(m_previous); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    QLocale m_previous;
};

// A text written in "." notation, with "." and "," exchanged, as a user in a
// decimal-comma locale would write it.
inline QString in_comma_notation(QString text)
{
    for (QChar &c : text) {
        if (c == u'.')
            c = u',';
        else if (c == u',')
            c = u'.';
    }
    return text;
}

inline QLocale point_locale() { return QLocale(QLocale::English, QLocale::UnitedStates); }
inline QLocale comma_locale() { return QLocale(QLocale::German, QLocale::Germany); }

} // namespace vorlenta::testing
