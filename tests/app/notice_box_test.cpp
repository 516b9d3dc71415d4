// The evaluator's notices as the desktop shows them.


#include <vorlenta/eval.h>
#include "notice_box.h"
#include "desktop_doubles.h"
#include "window_test_support.h"

using namespace vorlenta;
using namespace vorlenta::testing;

class NoticeBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Vorlenta"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        install_notice_box();
    }

    void an_arithmetic_fault_shows_an_information_box()
    {
        SeenBox seen;
        answer_next_message_box(this, seen);
        CEval eval;
        QCOMPARE(eval.Evaluate(QStringLiteral("1/0")), 0.0);
        QCOMPARE(seen.boxes, 1);
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.title, QStringLiteral("Vorlenta"));
        QVERIFY(!seen.text.isEmpty());
    }

    void another_error_shows_its_number_and_message_without_icon()
    {
        SeenBox seen;
        answer_next_message_box(this, seen);
        show_notice(notice_for(-2147221503, QStringLiteral("Pop method invoked on empty stack")));
        QCOMPARE(seen.boxes, 1);
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.text, QStringLiteral("-2147221503, Pop method invoked on empty stack"));
    }

    void a_sound_expression_shows_nothing()
    {
        CEval eval;
        QCOMPARE(eval.Evaluate(QStringLiteral("1+2*3")), 7.0);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(NoticeBoxTest)
#include "notice_box_test.moc"
