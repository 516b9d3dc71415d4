// What assistive technology and keyboard-only users meet: every field named
// by its caption, exchange buttons that say what they do, a link reachable and
// activatable from the keyboard, and every panel usable without a mouse.

#include <QAccessible>
#include <QMenu>
#include <QPushButton>
#include <QUrl>

#include "version_info.h"
#include "desktop_doubles.h"
#include "window_test_support.h"

using namespace vorlenta;
using namespace vorlenta::testing;

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frm_calc> window;
    std::unique_ptr<AddressRecorder> desktop;

    static QString accessible_name(QWidget *w)
    {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    }

    static void keys(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    static void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(QApplication::focusWidget(), k, m); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        desktop = std::make_unique<AddressRecorder>();
        window = show_window();
    }
    void cleanup()
    {
        window.reset();
        desktop.reset();
    }

    void every_field_is_named_by_its_caption_data();
    void every_field_is_named_by_its_caption();
    void exchange_buttons_say_what_they_do();
    void the_link_is_reached_and_opened_by_keyboard();
    void every_panel_works_from_the_keyboard_alone();
};

void AccessibilityTest::every_field_is_named_by_its_caption_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    const auto row = [](const char *field, const char *name) {
        QTest::newRow(field) << QString::fromLatin1(field) << QString::fromUtf8(name);
    };
    row("Text11", "Body mass (kg)");
    row("Text1", "kg");
    row("Text23", "lb");
    row("Text12", "BF %");
    row("Text13", "FFM");
    row("Text14", "Target BF%");
    row("Text15", "Target Bmass");
    row("Text2", "Resist. (kg)");
    row("Text3", "Rep");
    row("Text4", "1RM");
    row("Text5", "1RM/kg");
    row("Text6", "Dist 1");
    row("Text7", "Time 1");
    row("Text8", "Dist 2");
    row("Text9", "Time 2");
    row("Text10", "Accel.");
    row("Text16", "Speed (kph)");
    row("Text17", "Bike mass");
    row("Text18", "Grade (%)");
    row("Text19", "Watts");
    row("Text20", "Watts/kg");
    row("Text21", "Running speed (km/h)");
    row("Text22", "Cycling Power (Watts)");
}

void AccessibilityTest::every_field_is_named_by_its_caption()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    QCOMPARE(accessible_name(control(*window, field.toLatin1().constData())), name);
}

void AccessibilityTest::exchange_buttons_say_what_they_do()
{
    auto *kg = control<QPushButton>(*window, "Command1");
    auto *power = control<QPushButton>(*window, "Command2");
    QCOMPARE(accessible_name(kg), QStringLiteral("Convert between kilograms and pounds"));
    QCOMPARE(accessible_name(power), QStringLiteral("Convert between running speed and cycling power"));
    QVERIFY(!kg->toolTip().isEmpty());
    QVERIFY(!power->toolTip().isEmpty());
}

void AccessibilityTest::the_link_is_reached_and_opened_by_keyboard()
{
    // Shift+Tab from the first field goes round to the last stop: the link.
    key(Qt::Key_Backtab);
    QCOMPARE(focused_name(), QStringLiteral("Label24"));
    QCOMPARE(accessible_name(control(*window, "Label24")), QString::fromUtf8(version_info::web_address));
    key(Qt::Key_Return);
    key(Qt::Key_Space);
    QCOMPARE(desktop->opened.size(), 2);
}

void AccessibilityTest::every_panel_works_from_the_keyboard_alone()
{
    // First tab: body mass, kg -> lb, fat-free mass, one-repetition maximum.
    keys(QStringLiteral("80"));
    key(Qt::Key_Tab);
    keys(QStringLiteral("100"));
    key(Qt::Key_Tab);
    QCOMPARE(focused_name(), QStringLiteral("Command1"));
    key(Qt::Key_Return);
    QCOMPARE(text_of(*window, "Text23"), QStringLiteral("220.0"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    keys(QStringLiteral("20"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    keys(QStringLiteral("15"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    keys(QStringLiteral("100"));
    key(Qt::Key_Tab);
    keys(QStringLiteral("10"));
    QCOMPARE(text_of(*window, "Text13"), QStringLiteral("64.00"));
    QCOMPARE(text_of(*window, "Text15"), QStringLiteral("76.0")); // rewritten on leaving it
    QCOMPARE(text_of(*window, "Text4"), QStringLiteral("133.37"));

    // Second tab by Ctrl+PgDown: acceleration, cycling power, running speed.
    key(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(control<QTabWidget>(*window, "SSTab1")->currentIndex(), 1);
    QCOMPARE(text_of(*window, "Text3"), QStringLiteral("10.0")); // left when its tab went
    QCOMPARE(focused_name(), QStringLiteral("Text6"));
    for (const char *value : {"10", "2", "30", "4"}) {
        keys(QString::fromLatin1(value));
        key(Qt::Key_Tab);
    }
    QCOMPARE(text_of(*window, "Text10"), QStringLiteral("1.25"));
    key(Qt::Key_Tab);
    for (const char *value : {"30", "10", "0"}) {
        keys(QString::fromLatin1(value));
        key(Qt::Key_Tab);
    }
    QCOMPARE(text_of(*window, "Text19"), QStringLiteral("142"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    keys(QStringLiteral("12"));
    key(Qt::Key_Tab);
    QCOMPARE(focused_name(), QStringLiteral("Command2"));
    key(Qt::Key_Space);
    QCOMPARE(text_of(*window, "Text22"), QStringLiteral("271"));

    // Back with Ctrl+PgUp, and the help page through the menu's access keys.
    key(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(control<QTabWidget>(*window, "SSTab1")->currentIndex(), 0);
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    QMenu *menu = control<QMenu>(*window, "mnufile");
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_H);
    QCOMPARE(desktop->opened.size(), 1);
    QVERIFY(desktop->opened.front().endsWith(QStringLiteral("/public_docs/vorlenta_en.htm")));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
