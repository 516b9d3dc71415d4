// The window with a large desktop font and in a dark palette: nothing clipped
// or overlapping, the link readable, the exchange buttons orange on white.

#include <QPushButton>

#include "link_label.h"
#include "window_test_support.h"

using namespace vorlenta;
using namespace vorlenta::testing;

namespace {

QPalette dark_palette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(43, 43, 43));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return p;
}

bool shows_colour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class LooksTest : public QObject {
    Q_OBJECT

    QFont original_font;
    QPalette original_palette;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        original_font = QApplication::font();
        original_palette = QApplication::palette();
    }
    void cleanup()
    {
        QApplication::setFont(original_font);
        QApplication::setPalette(original_palette);
    }

    void a_large_font_grows_the_layout_without_clipping_data();
    void a_large_font_grows_the_layout_without_clipping();
    void the_link_stays_readable_in_a_dark_palette();
    void exchange_buttons_keep_their_colours_in_a_dark_palette();
    void link_colour_choice();
};

void LooksTest::a_large_font_grows_the_layout_without_clipping_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("9 pt") << 9;
    QTest::newRow("12 pt") << 12;
    QTest::newRow("16 pt") << 16;
}

void LooksTest::a_large_font_grows_the_layout_without_clipping()
{
    QFETCH(int, points);
    QFont font = original_font;
    font.setPointSize(points);
    QApplication::setFont(font);
    const auto window = show_window();
    const QStringList problems = layout_problems(*window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    // Every caption still reads in full.
    QCOMPARE(control<QLabel>(*window, "Label17")->text(), QStringLiteral("Cycling Power (Watts)"));
}

void LooksTest::the_link_stays_readable_in_a_dark_palette()
{
    QApplication::setPalette(dark_palette());
    const auto window = show_window();
    auto *link = control<LinkLabel>(*window, "Label24");
    const QColor text = link->link_colour();
    QVERIFY(contrast_ratio(text, link->palette().color(QPalette::Window)) >= 4.5);
    QVERIFY(shows_colour(link->grab().toImage(), text));

    // And back to pure blue when the palette turns light again.
    QApplication::setPalette(original_palette);
    QTRY_COMPARE(link->link_colour(), QColor(0, 0, 255));
    QVERIFY(shows_colour(link->grab().toImage(), QColor(0, 0, 255)));
}

void LooksTest::exchange_buttons_keep_their_colours_in_a_dark_palette()
{
    QApplication::setPalette(dark_palette());
    const auto window = show_window();
    const QImage image = control<QPushButton>(*window, "Command1")->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() / 8, image.height() / 2), QColor(Qt::white));
    QVERIFY(shows_colour(image, QColor(252, 147, 31)));
}

void LooksTest::link_colour_choice()
{
    QCOMPARE(readable_link_colour(Qt::white), QColor(0, 0, 255));
    QCOMPARE(readable_link_colour(QColor(239, 239, 239)), QColor(0, 0, 255));
    QVERIFY(readable_link_colour(QColor(43, 43, 43)) != QColor(0, 0, 255));
    QVERIFY(contrast_ratio(readable_link_colour(Qt::black), Qt::black) >= 4.5);
    QCOMPARE(contrast_ratio(Qt::black, Qt::white), 21.0);
}

QTEST_MAIN(LooksTest)
#include "looks_test.moc"
