// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace vorlenta {

Translations::Translations(const QStringList &languages)
{
    for (const QString &tag : languages) {
        const QLocale language(tag);
        if (language.language() == QLocale::English)
            return;
        // A regional tag falls back to its language: "de-CH" finds vorlenta_de.
        if (!m_own.load(language, QStringLiteral("vorlenta"), QStringLiteral("_"), QStringLiteral(":/vorlenta/i18n")))
            continue;
        QCoreApplication::installTranslator(&m_own);
        // Qt's own texts come from Debian's qt6-translations-l10n when installed.
        if (m_qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        return;
    }
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_own);
    QCoreApplication::removeTranslator(&m_qt);
}

} // namespace vorlenta
