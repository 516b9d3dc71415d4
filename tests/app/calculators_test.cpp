// Every calculator driven through the real window: the road of one typical
// edit of the body mass, each panel's results and enabled state as a user
// types, the running/cycling exchange with its body-mass message, and a run in
// a decimal-comma locale.

#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>

#include "desktop_doubles.h"
#include "window_test_support.h"

using namespace vorlenta;
using namespace vorlenta::testing;

namespace {

struct Entry {
    const char *field;
    const char *text;
};

} // namespace

class CalculatorsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frm_calc> window;

    bool panels_enabled() const
    {
        const bool ffm = control(*window, "Frame3")->isEnabled();
        const bool power = control(*window, "Frame4")->isEnabled();
        if (ffm != power)
            qFatal("the two panels that need a body mass disagree");
        return ffm;
    }

    // Types each entry into its field and leaves it with Tab, as a user does.
    void enter(std::initializer_list<Entry> entries)
    {
        for (const Entry &e : entries) {
            QWidget *second_tab = control<QTabWidget>(*window, "SSTab1")->widget(1);
            show_tab(*window, second_tab->isAncestorOf(field(*window, e.field)) ? 1 : 0);
            type_into(*window, e.field, QString::fromUtf8(e.text));
            press_tab();
        }
    }

    void expect(std::initializer_list<Entry> results)
    {
        for (const Entry &r : results)
            QCOMPARE(text_of(*window, r.field), QString::fromUtf8(r.text));
    }

    void click(const char *name)
    {
        auto *button = control<QPushButton>(*window, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Vorlenta")); }
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window = show_window();
    }
    void cleanup() { window.reset(); }

    void the_road_of_one_body_mass_edit();
    void panels_follow_the_body_mass_data();
    void panels_follow_the_body_mass();
    void fat_free_mass_follows_its_inputs();
    void one_repetition_maximum_follows_its_inputs();
    void cycling_power_follows_its_inputs();
    void acceleration_follows_its_inputs();
    void running_and_cycling_convert_both_ways();
    void running_and_cycling_ask_for_a_body_mass();
    void a_decimal_comma_locale();
};

void CalculatorsTest::the_road_of_one_body_mass_edit()
{
    // The window opens with the body mass selected: typing replaces it.
    QLineEdit *body = field(*window, "Text11");
    QTest::keyClick(body, Qt::Key_8);
    QCOMPARE(body->text(), QStringLiteral("8"));
    QCOMPARE(window->model().body_mass(), 8.0f);
    QVERIFY(panels_enabled());
    expect({{"Text13", "8.00"}, {"Text15", "8.00"}, {"Text19", "0"}, {"Text20", "0.0"},
            {"Text4", "0.00"}, {"Text5", "0.00"}});

    QTest::keyClick(body, Qt::Key_0);
    QCOMPARE(window->model().body_mass(), 80.0f);
    QVERIFY(panels_enabled());
    expect({{"Text13", "80.00"}, {"Text15", "80.00"}, {"Text19", "0"}, {"Text20", "0.0"}});

    // Leaving rewrites the body mass, and only then does the next field take
    // the focus and select its text.
    press_tab();
    QCOMPARE(body->text(), QStringLiteral("80.0"));
    QCOMPARE(focused_name(), QStringLiteral("Text1"));
    QCOMPARE(field(*window, "Text1")->selectedText(), QStringLiteral("0.00"));
    QVERIFY(panels_enabled());
}

void CalculatorsTest::panels_follow_the_body_mass_data()
{
    QTest::addColumn<QString>("body_mass");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("positive") << "75" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("negative") << "-70" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("a fraction above zero") << "0.1" << true;
}

void CalculatorsTest::panels_follow_the_body_mass()
{
    QFETCH(QString, body_mass);
    QFETCH(bool, enabled);
    type_into(*window, "Text11", QStringLiteral("80"));
    QVERIFY(panels_enabled());
    type_into(*window, "Text11", body_mass);
    QCOMPARE(panels_enabled(), enabled);
    // A disabled panel takes no focus: Tab passes over its fields.
    press_tab(4);
    QCOMPARE(focused_name(), enabled ? QStringLiteral("Text12") : QStringLiteral("Text2"));
}

void CalculatorsTest::fat_free_mass_follows_its_inputs()
{
    enter({{"Text11", "72.5"}, {"Text12", "18.3"}, {"Text14", "12"}});
    expect({{"Text13", "59.23"}, {"Text15", "67.93"}});
    enter({{"Text11", "80"}, {"Text12", "120"}, {"Text14", "10"}});
    expect({{"Text13", "-16.00"}, {"Text15", "-8.00"}});
    // Letters for the body mass disable the panel and leave its results (the
    // target body mass was rewritten when the click left it).
    type_into(*window, "Text11", QStringLiteral("abc"));
    QVERIFY(!panels_enabled());
    expect({{"Text13", "-16.00"}, {"Text15", "-8.0"}});
    QCOMPARE(window->model().body_mass(), 80.0f);
}

void CalculatorsTest::one_repetition_maximum_follows_its_inputs()
{
    enter({{"Text11", "80"}, {"Text2", "100"}, {"Text3", "10"}});
    expect({{"Text4", "133.37"}, {"Text5", "1.67"}});
    // Typing the repetitions recomputes on each keystroke.
    type_into(*window, "Text3", QStringLiteral("1"));
    expect({{"Text4", "100.00"}, {"Text5", "1.25"}});
    // The panel works without a body mass; the per-kilogram value is then 0.
    enter({{"Text11", "0"}, {"Text2", "80"}, {"Text3", "8"}});
    expect({{"Text4", "99.33"}, {"Text5", "0.00"}});
    // Results are never cut to the field's limit.
    enter({{"Text11", "80"}, {"Text2", "100"}, {"Text3", "36"}});
    expect({{"Text4", "3703.70"}, {"Text5", "46.30"}});
}

void CalculatorsTest::cycling_power_follows_its_inputs()
{
    enter({{"Text11", "70"}, {"Text16", "30"}, {"Text17", "10"}, {"Text18", "0"}});
    expect({{"Text19", "142"}, {"Text20", "2.0"}});
    enter({{"Text16", "25"}, {"Text17", "9"}, {"Text18", "5"}});
    expect({{"Text19", "355"}, {"Text20", "5.1"}});
    enter({{"Text16", "30"}, {"Text17", "10"}, {"Text18", "-5"}});
    expect({{"Text19", "-185"}, {"Text20", "-2.6"}});
    // Typing over a result is answered by the computed result.
    show_tab(*window, 1);
    type_into(*window, "Text19", QStringLiteral("9"));
    expect({{"Text19", "-185"}});
    // A changed body mass reruns the power per kilogram.
    show_tab(*window, 0);
    enter({{"Text11", "80"}});
    expect({{"Text19", "-225"}, {"Text20", "-2.8"}});
}

void CalculatorsTest::acceleration_follows_its_inputs()
{
    enter({{"Text6", "10"}, {"Text7", "2"}, {"Text8", "30"}, {"Text9", "4"}});
    expect({{"Text10", "1.25"}});
    enter({{"Text8", "12"}});
    expect({{"Text10", "-1.00"}});
    enter({{"Text9", "2"}});
    expect({{"Text10", "0.00"}});
    enter({{"Text6", "abc"}, {"Text8", "30"}, {"Text9", "4"}});
    expect({{"Text6", "0.00"}, {"Text10", "3.75"}});
}

void CalculatorsTest::running_and_cycling_convert_both_ways()
{
    enter({{"Text11", "70"}, {"Text22", "250"}});
    click("Command2");
    expect({{"Text21", "12.7"}});
    enter({{"Text21", "12"}});
    QCOMPARE(text_of(*window, "Text22"), QStringLiteral("0.0"));
    QCOMPARE(control<QPushButton>(*window, "Command2")->text(), QStringLiteral("->"));
    click("Command2");
    expect({{"Text22", "237"}});
    enter({{"Text21", "12.7"}});
    click("Command2");
    expect({{"Text22", "251"}});
}

void CalculatorsTest::running_and_cycling_ask_for_a_body_mass()
{
    SeenBox seen;
    enter({{"Text22", "250"}});
    answer_next_message_box(this, seen);
    click("Command2");
    QCOMPARE(seen.boxes, 1);
    QCOMPARE(seen.text, QStringLiteral("Please insert body mass first."));
    QCOMPARE(seen.title, QStringLiteral("Vorlenta"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    expect({{"Text21", "0.0"}, {"Text22", "250.0"}});
    // The offscreen platform has no window manager to give the activation
    // back once the box closes.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    // The same by keyboard, with a speed to convert.
    enter({{"Text21", "12"}});
    QCOMPARE(focused_name(), QStringLiteral("Command2"));
    answer_next_message_box(this, seen);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(seen.boxes, 2);
    expect({{"Text21", "12.0"}, {"Text22", "0.0"}});
}

void CalculatorsTest::a_decimal_comma_locale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    window = show_window();
    enter({{"Text11", "72,5"}, {"Text12", "18,3"}, {"Text14", "12"}});
    expect({{"Text11", "72,5"}, {"Text13", "59,23"}, {"Text15", "67,93"}});
    enter({{"Text6", "10"}, {"Text7", "2"}, {"Text8", "30"}, {"Text9", "4"}});
    expect({{"Text10", "1,25"}});
    enter({{"Text23", "12,44"}});
    click("Command1");
    expect({{"Text1", "5,6"}});
}

QTEST_MAIN(CalculatorsTest)
#include "calculators_test.moc"
