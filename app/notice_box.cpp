// SPDX-License-Identifier: MIT
#include "notice_box.h"

#include <QApplication>
#include <QMessageBox>

#include <vorlenta/eval.h>

namespace vorlenta {

void install_notice_box()
{
    install_notice_handler([](const Notice &notice) {
        const QMessageBox::Icon icon =
            notice.icon == NoticeIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon;
        QMessageBox box(icon, QGuiApplication::applicationDisplayName(), notice.text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    });
}

} // namespace vorlenta
