// The window as it first shows: captions, texts, focus, tab, panels, controls
// in their places with nothing clipped, and loading that goes on past a
// missing caption.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include "apiconstants_desktop.h"
#include "fields/apiconstants.h"
#include "fields/field_table.h"
#include "layout_table.h"
#include "version_info.h"
#include "window_test_support.h"

using namespace vorlenta;
using namespace vorlenta::testing;

class FirstDisplayTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frm_calc> window;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { window = show_window(); }
    void cleanup() { window.reset(); }

    void captions_data();
    void captions();
    void menu_captions();
    void every_field_starts_at_zero();
    void opens_on_the_first_tab_with_the_body_mass_selected();
    void panels_needing_a_body_mass_start_disabled();
    void controls_stand_in_their_containers_data();
    void controls_stand_in_their_containers();
    void tab_order_follows_the_layout();
    void no_caption_is_clipped_and_nothing_overlaps();
    void controls_keep_their_designed_places_at_one_scale();
    void addresses_are_ready_for_the_commands();
    void exchange_buttons_are_orange_on_white();
    void window_is_centred_on_the_screen();
    void centring_arithmetic();
    void a_missing_caption_leaves_the_designed_one();
    void decimal_separator_is_read_at_load();
};

void FirstDisplayTest::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char *name, const char *caption) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption);
    };
    row("Frame1", "Acceleration (m/s²)");
    row("Frame2", "1RM");
    row("Frame3", "FF Mass");
    row("Frame4", "Cycling Power (Watts)");
    row("Frame5", "Running speed <==> Cycling power");
    row("Frame6", "Body mass (kg)");
    row("Frame7", "lb <--> kg");
    row("Label1", "Speed (kph)");
    row("Label2", "Resist. (kg)");
    row("Label3", "Rep");
    row("Label4", "1RM");
    row("Label5", "1RM/kg");
    row("Label6", "Dist 1");
    row("Label7", "Time 1");
    row("Label8", "Dist 2");
    row("Label9", "Time 2");
    row("Label10", "Accel.");
    row("Label11", "kg");
    row("Label12", "BF %");
    row("Label13", "FFM");
    row("Label14", "Target BF%");
    row("Label15", "Target Bmass");
    row("Label16", "Running speed (km/h)");
    row("Label17", "Cycling Power (Watts)");
    row("Label18", "Bike mass");
    row("Label19", "Grade (%)");
    row("Label20", "Watts");
    row("Label21", "Watts/kg");
    row("Label22", "lb");
    row("Label23", "For more coaching tools, visit");
    row("Label24", version_info::web_address);
    row("Label25", version_info::legal_copyright);
    row("Command1", "<->");
    row("Command2", "<->");
}

void FirstDisplayTest::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QWidget *w = control(*window, name.toLatin1().constData());
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        QCOMPARE(frame->title(), caption);
    else if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), caption);
    else
        QCOMPARE(qobject_cast<QPushButton *>(w)->text(), caption);
}

void FirstDisplayTest::menu_captions()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Vorlenta"));
    auto *tabs = control<QTabWidget>(*window, "SSTab1");
    QCOMPARE(tabs->tabText(0), QStringLiteral("Body Mass and Strength"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Power and Acceleration"));
    QCOMPARE(control<QMenu>(*window, "mnufile")->title(), QStringLiteral("&File"));
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("mnuhelp"))->text(), QStringLiteral("&Help"));
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("mnuexit"))->text(), QStringLiteral("&Exit"));
    QVERIFY(!window->windowIcon().pixmap(32).isNull());
}

void FirstDisplayTest::every_field_starts_at_zero()
{
    for (const FieldEntry &entry : field_entries()) {
        // The cycling power rewrites its results as whole watts, and with no
        // body mass there is no power per kilogram to show.
        const QString expected = entry.field == Field::Text19 ? QStringLiteral("0")
            : entry.field == Field::Text20                    ? QString()
                                                             : QStringLiteral("0.00");
        QCOMPARE(text_of(*window, entry.name), expected);
        QCOMPARE(window->model().store().text(entry.field), expected);
    }
}

void FirstDisplayTest::opens_on_the_first_tab_with_the_body_mass_selected()
{
    QCOMPARE(control<QTabWidget>(*window, "SSTab1")->currentIndex(), 0);
    QCOMPARE(focused_name(), QStringLiteral("Text11"));
    QCOMPARE(field(*window, "Text11")->selectedText(), QStringLiteral("0.00"));
    QVERIFY(control(*window, "Frame7")->isVisible());
    QVERIFY(!control(*window, "Frame1")->isVisible());
}

void FirstDisplayTest::panels_needing_a_body_mass_start_disabled()
{
    QVERIFY(!control(*window, "Frame3")->isEnabled());
    QVERIFY(!control(*window, "Frame4")->isEnabled());
    QVERIFY(control(*window, "Frame2")->isEnabled());
    QVERIFY(control(*window, "Frame5")->isEnabled());
}

void FirstDisplayTest::controls_stand_in_their_containers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<int>("tab");
    const auto row = [](const char *name, const char *container, int tab) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container) << tab;
    };
    row("Text11", "Frame6", 0);
    row("Text1", "Frame7", 0);
    row("Command1", "Frame7", 0);
    row("Text15", "Frame3", 0);
    row("Text5", "Frame2", 0);
    row("Text10", "Frame1", 1);
    row("Text20", "Frame4", 1);
    row("Command2", "Frame5", 1);
    row("Label24", "frm_calc_client", -1);
    row("SSTab1", "frm_calc_client", -1);
}

void FirstDisplayTest::controls_stand_in_their_containers()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(int, tab);
    QWidget *w = control(*window, name.toLatin1().constData());
    QCOMPARE(w->parentWidget()->objectName(), container);
    if (tab >= 0) {
        auto *tabs = control<QTabWidget>(*window, "SSTab1");
        QVERIFY(tabs->widget(tab)->isAncestorOf(w));
    }
}

void FirstDisplayTest::tab_order_follows_the_layout()
{
    // Enable every panel first so that no field is skipped for being disabled.
    type_into(*window, "Text11", QStringLiteral("80"));
    QTest::keyClick(field(*window, "Text11"), Qt::Key_Tab);
    const QStringList first_tab{
        QStringLiteral("Text1"), QStringLiteral("Command1"), QStringLiteral("Text23"),
        QStringLiteral("Text12"), QStringLiteral("Text13"), QStringLiteral("Text14"),
        QStringLiteral("Text15"), QStringLiteral("Text2"), QStringLiteral("Text3"),
        QStringLiteral("Text4"), QStringLiteral("Text5"), QStringLiteral("SSTab1"),
    };
    QStringList visited{focused_name()};
    for (qsizetype i = 1; i < first_tab.size(); ++i) {
        press_tab();
        visited << focused_name();
    }
    QCOMPARE(visited, first_tab);

    // On the second tab the focus goes on through its fields in the same way.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(control<QTabWidget>(*window, "SSTab1")->currentIndex(), 1);
    const QStringList second_tab{
        QStringLiteral("Text6"), QStringLiteral("Text7"), QStringLiteral("Text8"),
        QStringLiteral("Text9"), QStringLiteral("Text10"), QStringLiteral("Text16"),
        QStringLiteral("Text17"), QStringLiteral("Text18"), QStringLiteral("Text19"),
        QStringLiteral("Text20"), QStringLiteral("Text21"), QStringLiteral("Command2"),
        QStringLiteral("Text22"),
    };
    visited.clear();
    for (qsizetype i = 0; i < second_tab.size(); ++i) {
        press_tab();
        visited << focused_name();
    }
    QCOMPARE(visited, second_tab);
}

void FirstDisplayTest::no_caption_is_clipped_and_nothing_overlaps()
{
    const QStringList problems = layout_problems(*window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void FirstDisplayTest::controls_keep_their_designed_places_at_one_scale()
{
    // The whole layout grows by one factor; read it off the tab control.
    auto *tabs = control<QTabWidget>(*window, "SSTab1");
    const double scale = tabs->width() * 15.0 / 5055;
    QVERIFY(scale >= 1.0);
    QCOMPARE(window->centralWidget()->width(), qRound(5235 * scale / 15));
    QCOMPARE(window->centralWidget()->height(), qRound(5100 * scale / 15));
    for (int tab = 0; tab < 2; ++tab) {
        show_tab(*window, tab);
        for (const LayoutEntry &entry : layout_table()) {
            QWidget *w = control(*window, entry.name);
            if (!w->isVisible() || qobject_cast<QLabel *>(w))
                continue; // labels size themselves to their captions
            // Frames on a tab are placed from the tab control's corner.
            const QPoint origin = entry.container == Container::Tab0 || entry.container == Container::Tab1
                ? w->parentWidget()->mapTo(tabs, QPoint(0, 0)) : QPoint(0, 0);
            const QRect at = w->geometry().translated(origin);
            const QRect designed(qRound(entry.left * scale / 15), qRound(entry.top * scale / 15),
                                 qRound(entry.width * scale / 15), qRound(entry.height * scale / 15));
            QVERIFY2(qAbs(at.left() - designed.left()) <= 1 && qAbs(at.top() - designed.top()) <= 1
                         && qAbs(at.width() - designed.width()) <= 1 && qAbs(at.height() - designed.height()) <= 1,
                     qPrintable(QString::fromLatin1(entry.name)));
        }
    }
}

void FirstDisplayTest::addresses_are_ready_for_the_commands()
{
    const QString web = QString::fromUtf8(version_info::web_address);
    QCOMPARE(control(*window, "Label24")->property("Tag").toString(), web);
    const QString help = window->findChild<QAction *>(QStringLiteral("mnuhelp"))->property("Tag").toString();
    QCOMPARE(help, web + QStringLiteral("/public_docs/vorlenta_en.htm"));
    QVERIFY(!help.contains(QStringLiteral("//public_docs")));
}

void FirstDisplayTest::exchange_buttons_are_orange_on_white()
{
    auto *button = control<QPushButton>(*window, "Command1");
    QVERIFY(button->font().bold());
    const QImage image = button->grab().toImage();
    const QColor inside = image.pixelColor(image.width() / 8, image.height() / 2);
    QCOMPARE(inside, QColor(Qt::white));
    bool orange = false;
    for (int x = 0; x < image.width() && !orange; ++x) {
        for (int y = 0; y < image.height() && !orange; ++y)
            orange = image.pixelColor(x, y) == QColor(252, 147, 31);
    }
    QVERIFY(orange);

    // Under the mouse the button turns navy, its caption still orange.
    QTest::mouseMove(button, button->rect().center());
    QTRY_VERIFY(button->underMouse());
    const QImage hovered = button->grab().toImage();
    QCOMPARE(hovered.pixelColor(hovered.width() / 8, hovered.height() / 2), QColor(0, 0, 128));
}

void FirstDisplayTest::window_is_centred_on_the_screen()
{
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    // The decoration is only known once the window shows; it may shift the
    // centre by its own size.
    const int decoration = frame.height() - window->geometry().height();
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= decoration);
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= decoration);
}

void FirstDisplayTest::centring_arithmetic()
{
    // A window of 5400 × 6000 twips on a 1024 × 768 screen stands at 4980, 2760 twips.
    QCOMPARE(apiconstants::centered_position(QSize(1024, 768), QSize(360, 400)), QPoint(332, 184));
    QCOMPARE(apiconstants::centered_position(QSize(300, 200), QSize(400, 300)), QPoint(-50, -50));
}

void FirstDisplayTest::a_missing_caption_leaves_the_designed_one()
{
    window = show_window(StringTable::builtin().without(211));
    auto *tabs = control<QTabWidget>(*window, "SSTab1");
    QCOMPARE(tabs->tabText(1), QStringLiteral("Tab 1"));
    // Every later step still ran.
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(control<QLabel>(*window, "Label22")->text(), QStringLiteral("lb"));
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("mnuexit"))->text(), QStringLiteral("&Exit"));
    QCOMPARE(control<QPushButton>(*window, "Command2")->text(), QStringLiteral("<->"));

    window = show_window(StringTable::builtin().without(137));
    QCOMPARE(control<QGroupBox>(*window, "Frame6")->title(), QStringLiteral("Frame6"));
    QCOMPARE(control<QGroupBox>(*window, "Frame7")->title(), QStringLiteral("lb <--> kg"));
}

void FirstDisplayTest::decimal_separator_is_read_at_load()
{
    apiconstants::DecimalSeparator.clear();
    window = show_window();
    QCOMPARE(apiconstants::DecimalSeparator, QStringLiteral("."));
}

QTEST_MAIN(FirstDisplayTest)
#include "first_display_test.moc"
