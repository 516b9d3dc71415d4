// SPDX-License-Identifier: MIT
// The expression evaluator's notices show on the desktop as message boxes.

#include <QScopeGuard>

#include <vorlenta/eval.h>

#include "notice_box.h"
#include "window_driver.h"

using namespace vorlenta;
using namespace vorlenta::testing;

class WindowNoticesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Vorlenta")); }

    void evaluator_notices_show_as_message_boxes()
    {
        // The desktop's handler while the test runs, then the one before.
        const NoticeHandler previous = install_notice_handler({});
        const auto restore = qScopeGuard([&previous] { install_notice_handler(previous); });
        install_notice_box();
        WindowDriver driver;
        CEval eval;
        QCOMPARE(eval.Evaluate(QStringLiteral("1+2*3")), 7.0);
        QCOMPARE(eval.Evaluate(QStringLiteral("1/0")), 0.0);
        QTRY_COMPARE(driver.boxes, QStringList{QStringLiteral("Vorlenta information: The expression cannot be evaluated: it divides by zero.")});
        driver.boxes.clear();
    }
};

QTEST_MAIN(WindowNoticesTest)
#include "window_notices_test.moc"
