// SPDX-License-Identifier: MIT
#include "apiconstants_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace vorlenta::apiconstants {

QPoint centered_position(QSize screen, QSize window)
{
    const int top = (screen.height() - window.height()) / 2;
    const int left = (screen.width() - window.width()) / 2;
    return {left, top};
}

void center_form(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect whole = screen->geometry();
    window.move(whole.topLeft() + centered_position(whole.size(), window.frameGeometry().size()));
}

void select_all_text()
{
    if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        edit->selectAll();
}

void open_document(const QString &address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace vorlenta::apiconstants
