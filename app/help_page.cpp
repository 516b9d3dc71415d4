// SPDX-License-Identifier: MIT
#include "help_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace vorlenta {

QString help_address(const QString &web_address, const QString &path)
{
    const QDir pages(QCoreApplication::applicationDirPath() + QStringLiteral("/" VORLENTA_HELP_FROM_PROGRAM));
    for (const QString &name : {QFileInfo(path).fileName(), QStringLiteral("vorlenta_en.htm")}) {
        const QFileInfo page(pages.filePath(name));
        if (!name.isEmpty() && page.isFile())
            return QUrl::fromLocalFile(page.canonicalFilePath()).toString();
    }
    return web_address + path;
}

} // namespace vorlenta
