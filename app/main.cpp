#include <QApplication>

#include "frm_calc.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlenta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorlenta"));
    QApplication::setApplicationVersion(QStringLiteral(VORLENTA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vorlenta"));

    vorlenta::frm_calc window;
    window.show();
    return app.exec();
}
