// SPDX-License-Identifier: MIT
#pragma once

// The program's words in the user's language: its own texts and Qt's (the
// message box's OK button, the line edit's menu), in the first of the
// locale's interface languages that the program speaks, English otherwise.
// Numbers are not touched: they follow the numeric locale.

#include <QLocale>
#include <QTranslator>

namespace vorlenta {

class Translations {
public:
    // Installs the translations for the locale's interface languages (for the
    // system locale: LANGUAGE, LC_MESSAGES, LANG) for as long as it lives.
    explicit Translations(const QLocale &locale);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    QTranslator m_qt;
    QTranslator m_own;
};

} // namespace vorlenta
