#include <QApplication>

#include "frm_calc.h"
#include "notice_box.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlenta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorlenta"));
    QApplication::setApplicationVersion(QStringLiteral(VORLENTA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vorlenta"));

    // The program ships the expression evaluator; its notices show as message boxes.
    vorlenta::install_notice_box();

    vorlenta::frm_calc window;
    window.show();
    return app.exec();
}
