// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vorlenta {

Translations::Translations(const QLocale &locale)
{
    // Qt's own texts come from Debian's qt6-translations-l10n when installed.
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    if (m_own.load(locale, QStringLiteral("vorlenta"), QStringLiteral("_"), QStringLiteral(":/vorlenta/i18n")))
        QCoreApplication::installTranslator(&m_own);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_own);
    QCoreApplication::removeTranslator(&m_qt);
}

} // namespace vorlenta
