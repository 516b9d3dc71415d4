// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLocale>

#include "frm_calc.h"
#include "translations.h"
#include "version_info.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlenta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorlenta"));
    QApplication::setApplicationVersion(QString::fromUtf8(vorlenta::version_info::version));
    QApplication::setDesktopFileName(QStringLiteral("vorlenta"));

    // Words in the user's interface language; numbers follow the numeric locale.
    const vorlenta::Translations translations(QLocale::system().uiLanguages());

    vorlenta::frm_calc window;
    window.show();
    return QApplication::exec();
}
