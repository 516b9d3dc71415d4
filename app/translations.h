// SPDX-License-Identifier: MIT
#pragma once

// The program's words in the user's language: its own texts and Qt's (the
// message box's OK button, the line edit's menu), in the first of the user's
// interface languages that the program speaks, English among them: "en, de"
// is English, "pt, de" German. The page picks its language by the same rule.
// Numbers are not touched: they follow the numeric locale.

#include <QStringList>
#include <QTranslator>

namespace vorlenta {

class Translations {
public:
    // Installs the translations for the first of `languages` (BCP 47 tags in
    // the user's order, as QLocale::uiLanguages gives them; for the system:
    // LANGUAGE, LC_MESSAGES, LANG) that the program speaks, for as long as it
    // lives. English, the language of the texts themselves, installs nothing.
    explicit Translations(const QStringList &languages);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    QTranslator m_qt;
    QTranslator m_own;
};

} // namespace vorlenta
