// What every entry field does as the user works with it: selecting on
// entering, rewriting on leaving, the character limit, the key rule of the
// conversion fields, and the decimal comma.

#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "window_test_support.h"

using namespace vorlenta;
using namespace vorlenta::testing;

class FieldBehaviourTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frm_calc> window;

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window = show_window();
    }
    void cleanup() { window.reset(); }

    void entering_by_tab_selects_everything();
    void entering_by_click_selects_everything();
    void leaving_rewrites_in_the_fields_pattern_data();
    void leaving_rewrites_in_the_fields_pattern();
    void the_acceleration_is_never_rewritten();
    void opening_the_menu_is_no_leaving();
    void clicking_a_tab_leaves_the_field();
    void another_window_is_no_leaving();
    void typing_stops_at_the_limit();
    void pasting_stops_at_the_limit();
    void a_long_result_is_kept_whole_and_selected_on_entering();
    void a_key_in_a_conversion_field_zeroes_its_partner_data();
    void a_key_in_a_conversion_field_zeroes_its_partner();
    void tab_out_of_a_conversion_field_is_no_key_press();
    void a_decimal_comma_locale();
};

void FieldBehaviourTest::entering_by_tab_selects_everything()
{
    press_tab();
    QLineEdit *text1 = field(*window, "Text1");
    QCOMPARE(focused_name(), QStringLiteral("Text1"));
    QCOMPARE(text1->selectedText(), text1->text());
    QVERIFY(!text1->text().isEmpty());
}

void FieldBehaviourTest::entering_by_click_selects_everything()
{
    QLineEdit *load = field(*window, "Text2");
    QTest::mouseClick(load, Qt::LeftButton, {}, QPoint(3, load->height() / 2));
    QCOMPARE(focused_name(), QStringLiteral("Text2"));
    QCOMPARE(load->selectedText(), QStringLiteral("0.00"));
    // Typing then replaces the whole value.
    QTest::keyClicks(load, QStringLiteral("7"));
    QCOMPARE(load->text(), QStringLiteral("7"));
}

void FieldBehaviourTest::leaving_rewrites_in_the_fields_pattern_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("load to one decimal") << "Text2" << 0 << "62.46" << "62.5";
    QTest::newRow("distance to two decimals") << "Text6" << 1 << "5" << "5.00";
    QTest::newRow("letters become zero") << "Text3" << 0 << "abc" << "0.0";
    QTest::newRow("empty becomes zero") << "Text23" << 0 << "" << "0.0";
    QTest::newRow("body mass") << "Text11" << 0 << "70" << "70.0";
    QTest::newRow("running speed") << "Text21" << 1 << "-3" << "-3.0";
}

void FieldBehaviourTest::leaving_rewrites_in_the_fields_pattern()
{
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    show_tab(*window, tab);
    const QByteArray n = name.toLatin1();
    type_into(*window, n.constData(), typed);
    if (typed.isEmpty())
        QTest::keyClick(field(*window, n.constData()), Qt::Key_Delete);
    QCOMPARE(text_of(*window, n.constData()), typed);
    press_tab();
    QCOMPARE(text_of(*window, n.constData()), shown);
    QCOMPARE(window->model().store().text(*field_named(name)), shown);
}

void FieldBehaviourTest::the_acceleration_is_never_rewritten()
{
    show_tab(*window, 1);
    type_into(*window, "Text10", QStringLiteral("abc"));
    press_tab();
    QCOMPARE(text_of(*window, "Text10"), QStringLiteral("abc"));
}

void FieldBehaviourTest::opening_the_menu_is_no_leaving()
{
    type_into(*window, "Text11", QStringLiteral("7"));
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    QMenu *menu = control<QMenu>(*window, "mnufile");
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(text_of(*window, "Text11"), QStringLiteral("7"));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(text_of(*window, "Text11"), QStringLiteral("7"));
    // The body mass was read while typing all the same.
    QCOMPARE(window->model().body_mass(), 7.0f);
}

void FieldBehaviourTest::clicking_a_tab_leaves_the_field()
{
    type_into(*window, "Text11", QStringLiteral("7"));
    show_tab(*window, 1);
    QVERIFY(focused_name() != QStringLiteral("Text11"));
    QCOMPARE(text_of(*window, "Text11"), QStringLiteral("7.0"));
}

void FieldBehaviourTest::another_window_is_no_leaving()
{
    type_into(*window, "Text11", QStringLiteral("7"));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(text_of(*window, "Text11"), QStringLiteral("7"));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(focused_name(), QStringLiteral("Text11"));
    QCOMPARE(text_of(*window, "Text11"), QStringLiteral("7"));
}

void FieldBehaviourTest::typing_stops_at_the_limit()
{
    type_into(*window, "Text1", QStringLiteral("1234567"));
    QCOMPARE(text_of(*window, "Text1"), QStringLiteral("12345"));
    type_into(*window, "Text2", QStringLiteral("12345678"));
    QCOMPARE(text_of(*window, "Text2"), QStringLiteral("123456"));
}

void FieldBehaviourTest::pasting_stops_at_the_limit()
{
    QLineEdit *kg = field(*window, "Text1");
    type_into(*window, "Text1", QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("123456"));
    QTest::keyClick(kg, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(kg->text(), QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("345"));
    QTest::keyClick(kg, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(kg->text(), QStringLiteral("12345"));
}

void FieldBehaviourTest::a_long_result_is_kept_whole_and_selected_on_entering()
{
    // 37 repetitions of 100 kg: the estimate is -125000.00, ten characters in a
    // field that takes six from the keyboard.
    type_into(*window, "Text2", QStringLiteral("100"));
    type_into(*window, "Text3", QStringLiteral("37"));
    QLineEdit *max = field(*window, "Text4");
    QCOMPARE(max->text(), QStringLiteral("-125000.00"));
    press_tab();
    QCOMPARE(focused_name(), QStringLiteral("Text4"));
    QCOMPARE(max->selectedText(), QStringLiteral("-125000.00"));
    // It can be shortened, but typing does not lengthen it.
    max->setCursorPosition(int(max->text().size()));
    QTest::keyClick(max, Qt::Key_Backspace);
    QCOMPARE(max->text(), QStringLiteral("-125000.0"));
    QTest::keyClick(max, Qt::Key_5);
    QCOMPARE(max->text(), QStringLiteral("-125000.0"));

    // Nor can a long result be lengthened by typing straight after it.
    type_into(*window, "Text3", QStringLiteral("36"));
    QCOMPARE(max->text(), QStringLiteral("3703.70"));
    QTest::mouseClick(max, Qt::LeftButton, {}, max->rect().center());
    QTest::keyClick(max, Qt::Key_End);
    QTest::keyClicks(max, QStringLiteral("123"));
    QCOMPARE(max->text(), QStringLiteral("3703.70"));
}

void FieldBehaviourTest::a_key_in_a_conversion_field_zeroes_its_partner_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("arrow");
    QTest::newRow("kg") << "Text1" << "Text23" << "Command1" << 0 << int(Qt::Key_5) << "->";
    QTest::newRow("lb, an arrow key") << "Text23" << "Text1" << "Command1" << 0 << int(Qt::Key_Left) << "<-";
    QTest::newRow("speed, shift alone") << "Text21" << "Text22" << "Command2" << 1 << int(Qt::Key_Shift) << "->";
    QTest::newRow("power") << "Text22" << "Text21" << "Command2" << 1 << int(Qt::Key_1) << "<-";
}

void FieldBehaviourTest::a_key_in_a_conversion_field_zeroes_its_partner()
{
    QFETCH(QString, name);
    QFETCH(QString, partner);
    QFETCH(QString, button);
    QFETCH(int, tab);
    QFETCH(int, key);
    QFETCH(QString, arrow);
    show_tab(*window, tab);
    const QByteArray n = name.toLatin1(), p = partner.toLatin1(), b = button.toLatin1();
    type_into(*window, p.constData(), QStringLiteral("12"));
    QLineEdit *edit = field(*window, n.constData());
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    QCOMPARE(text_of(*window, p.constData()), QStringLiteral("12.0"));
    QTest::keyClick(edit, Qt::Key(key));
    QCOMPARE(text_of(*window, p.constData()), QStringLiteral("0.0"));
    QCOMPARE(control<QPushButton>(*window, b.constData())->text(), arrow);
}

void FieldBehaviourTest::tab_out_of_a_conversion_field_is_no_key_press()
{
    type_into(*window, "Text23", QStringLiteral("150"));
    QCOMPARE(control<QPushButton>(*window, "Command1")->text(), QStringLiteral("<-"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focused_name(), QStringLiteral("Text1"));
    press_tab();
    QCOMPARE(text_of(*window, "Text23"), QStringLiteral("150.0"));
    QCOMPARE(control<QPushButton>(*window, "Command1")->text(), QStringLiteral("<-"));
}

void FieldBehaviourTest::a_decimal_comma_locale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    window = show_window();
    QCOMPARE(text_of(*window, "Text1"), QStringLiteral("0,00"));
    type_into(*window, "Text11", QStringLiteral("7"));
    press_tab();
    QCOMPARE(text_of(*window, "Text11"), QStringLiteral("7,0"));
    type_into(*window, "Text2", QStringLiteral("62,46"));
    press_tab();
    QCOMPARE(text_of(*window, "Text2"), QStringLiteral("62,5"));
    // A point is no decimal separator here.
    type_into(*window, "Text3", QStringLiteral("1.5"));
    press_tab();
    QCOMPARE(text_of(*window, "Text3"), QStringLiteral("0,0"));
}

QTEST_MAIN(FieldBehaviourTest)
#include "field_behaviour_test.moc"
