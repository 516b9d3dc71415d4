// The exchange button of the lb <--> kg panel, the menu and the link: what a
// click converts, which address reaches the desktop, and Exit.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "version_info.h"
#include "desktop_doubles.h"
#include "window_test_support.h"

using namespace vorlenta;
using namespace vorlenta::testing;

class CommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frm_calc> window;
    std::unique_ptr<AddressRecorder> desktop;

    void click_exchange(const char *name)
    {
        auto *button = control<QPushButton>(*window, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        desktop = std::make_unique<AddressRecorder>();
        window = show_window();
    }
    void cleanup()
    {
        window.reset();
        desktop.reset();
    }

    void converts_from_the_field_typed_last_data();
    void converts_from_the_field_typed_last();
    void right_after_loading_converts_pounds();
    void help_opens_the_help_page();
    void the_link_opens_the_site_each_time_it_is_clicked();
    void exit_ends_at_once_without_rewriting();
};

void CommandsTest::converts_from_the_field_typed_last_data()
{
    QTest::addColumn<QString>("typed_into");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result_field");
    QTest::addColumn<QString>("result");
    QTest::newRow("150 lb") << "Text23" << "150" << "Text1" << "68.2";
    QTest::newRow("220 lb is 100 kg") << "Text23" << "220" << "Text1" << "100.0";
    QTest::newRow("1 lb") << "Text23" << "1" << "Text1" << "0.5";
    QTest::newRow("pounds are rounded first") << "Text23" << "12.44" << "Text1" << "5.6";
    QTest::newRow("kilograms are rounded first") << "Text1" << "45.47" << "Text23" << "100.1";
    QTest::newRow("68.2 kg in single precision") << "Text1" << "68.2" << "Text23" << "150.0";
    QTest::newRow("100 kg") << "Text1" << "100" << "Text23" << "220.0";
    QTest::newRow("negative kilograms") << "Text1" << "-10" << "Text23" << "-22.0";
    QTest::newRow("a result longer than the field") << "Text1" << "500" << "Text23" << "1100.0";
    QTest::newRow("letters for pounds") << "Text23" << "abc" << "Text1" << "0.0";
}

void CommandsTest::converts_from_the_field_typed_last()
{
    QFETCH(QString, typed_into);
    QFETCH(QString, typed);
    QFETCH(QString, result_field);
    QFETCH(QString, result);
    type_into(*window, typed_into.toLatin1().constData(), typed);
    click_exchange("Command1");
    QCOMPARE(text_of(*window, result_field.toLatin1().constData()), result);
    QCOMPARE(focused_name(), QStringLiteral("Command1"));
}

void CommandsTest::right_after_loading_converts_pounds()
{
    click_exchange("Command1");
    QCOMPARE(text_of(*window, "Text1"), QStringLiteral("0.0"));
    QCOMPARE(text_of(*window, "Text23"), QStringLiteral("0.00"));
    QCOMPARE(control<QPushButton>(*window, "Command1")->text(), QStringLiteral("<->"));
}

void CommandsTest::help_opens_the_help_page()
{
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    QMenu *menu = control<QMenu>(*window, "mnufile");
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_H);
    QCOMPARE(desktop->opened,
             QStringList{QString::fromUtf8(version_info::web_address) + QStringLiteral("/public_docs/vorlenta_en.htm")});
}

void CommandsTest::the_link_opens_the_site_each_time_it_is_clicked()
{
    QWidget *link = control(*window, "Label24");
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    const QString site = QUrl::fromUserInput(QString::fromUtf8(version_info::web_address)).toString();
    QCOMPARE(desktop->opened, (QStringList{site, site}));
}

void CommandsTest::exit_ends_at_once_without_rewriting()
{
    type_into(*window, "Text11", QStringLiteral("7"));
    QTimer::singleShot(0, this, [this] {
        QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
        QMenu *menu = control<QMenu>(*window, "mnufile");
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_E);
    });
    // Exit ends the event loop; a watchdog fails the test if it does not.
    bool timed_out = false;
    QTimer::singleShot(5000, this, [&] {
        timed_out = true;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!timed_out);
    QCOMPARE(window->model().store().text(Field::Text11), QStringLiteral("7"));
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
