// SPDX-License-Identifier: MIT
// The real window, driven as a user drives it: what it shows first, every
// calculator and every field rule through the widgets, the commands, the
// keyboard, assistive technology, and a layout that fits any font.

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>

#include <vorlenta/eval.h>
#include "link_label.h"
#include "notice_box.h"
#include "translations.h"
#include "calculator_scenarios.h"
#include "window_driver.h"

using namespace vorlenta;
using namespace vorlenta::testing;

namespace {

const Scenario window_scenarios[] = {
    {"first display", "Text1:0.00 Text2:0.00 Text3:0.00 Text4:0.00 Text5:0.00 Text6:0.00 Text7:0.00 Text8:0.00 "
                      "Text9:0.00 Text10:0.00 Text11:0.00 Text12:0.00 Text13:0.00 Text14:0.00 Text15:0.00 "
                      "Text16:0.00 Text17:0.00 Text18:0.00 Text19:0 Text20: Text21:0.00 Text22:0.00 Text23:0.00 "
                      "Command1:<-> Command2:<-> -panels @Text11 * shown:0"},
    {"entering selects everything", "Text11=80 Tab @Text1 * Tab @Command1 Tab @Text23 * >Text12 * >Text2 *"},
    {"leaving rewrites, except the acceleration", "Text2=62.46 Tab Text2:62.5 @Text3 Text10=abc Tab Text10:abc"},
    {"a menu or another window is no leaving", "Text11=7 menu Text11:7 @Text11 elsewhere Text11:7 Tab Text11:7.0"},
    {"clicking a tab leaves the field", "Text11=7 show:1 Text11:7.0"},
    {"typing stops at each field's limit",
     "Text11=1234567 Text11:123456 Text1=1234567 Text1:12345 Text23=1234567 Text23:12345 Text12=1234567 "
     "Text12:123456 Text13=1234567 Text13:123456 Text14=1234567 Text14:123456 Text15=1234567 Text15:123456 "
     "Text2=1234567 Text2:123456 Text3=1234567 Text3:123456 Text4=1234567 Text4:123456 Text5=1234567 "
     "Text5:123456 Text6=1234567 Text6:123456 Text7=1234567 Text7:123456 Text8=1234567 Text8:123456 "
     "Text9=1234567 Text9:123456 Text10=1234567 Text10:123456 Text16=1234567 Text16:1234 Text17=1234567 "
     "Text17:1234 Text18=1234567 Text18:1234 Text21=1234567 Text21:12345 Text22=1234567 Text22:12345"},
    {"a long result stays whole", "Text11=80 Text2=150 Text3=37 Tab @Text4 Text4:-187500.00 * Text4=9 Text4:9"},
    {"Tab is no key press, an arrow key is", "Text23=150 Command1 >Text1 Tab Text23:150.0 Command1:<- >Text1 "
                                             "Left Text23:0.0 Command1:->"},
    {"exchange buttons by keyboard", "Text1=5 Tab @Command1 Enter Text23:11.0 Text1=6 Tab Space Text23:13.2"},
    {"Ctrl+PgDown turns the tabs", "PgDown shown:1 PgDown shown:0"},
};

// The maker's address would read differently in decimal-comma notation.
const Scenario address_scenarios[] = {
    {"help and link open their pages", "mnuhelp opened:$HELP/vorlenta_en.htm Label24 Label24 opened:$WEB opened:$WEB"},
    {"focus order", "Text11=80 Tab @Text1 Tab @Command1 Tab @Text23 Tab @Text12 Tab @Text13 Tab @Text14 Tab "
                    "@Text15 Tab @Text2 Tab @Text3 Tab @Text4 Tab @Text5 Tab @SSTab1 Tab @Label24 Backtab @SSTab1 "
                    "Right shown:1 Tab @Text6 Tab @Text7 Tab @Text8 Tab @Text9 "
                    "Tab @Text10 Tab @Text16 Tab @Text17 Tab @Text18 Tab @Text19 Tab @Text20 Tab @Text21 Tab "
                    "@Command2 Tab @Text22 Tab @Label24 Enter opened:$WEB"},
};

// Captions after loading; every field's label and the name it is announced by.
const char *const captions[][2] = {
    {"Frame1", "Acceleration (m/s²)"}, {"Frame2", "1RM"}, {"Frame3", "FF Mass"}, {"Frame4", "Cycling Power (Watts)"},
    {"Frame5", "Running speed <==> Cycling power"}, {"Frame6", "Body mass (kg)"}, {"Frame7", "lb <--> kg"},
    {"Label1", "Speed (kph)"}, {"Label2", "Resist. (kg)"}, {"Label3", "Rep"}, {"Label4", "1RM"}, {"Label5", "1RM/kg"},
    {"Label6", "Dist 1"}, {"Label7", "Time 1"}, {"Label8", "Dist 2"}, {"Label9", "Time 2"}, {"Label10", "Accel."},
    {"Label11", "kg"}, {"Label12", "BF %"}, {"Label13", "FFM"}, {"Label14", "Target BF%"}, {"Label15", "Target Bmass"},
    {"Label16", "Running speed (km/h)"}, {"Label17", "Cycling Power (Watts)"}, {"Label18", "Bike mass"},
    {"Label19", "Grade (%)"}, {"Label20", "Watts"}, {"Label21", "Watts/kg"}, {"Label22", "lb"},
    {"Label23", "For more coaching tools, visit"},
};
const char *const labelled_by =
    "Text1 Label11 Text23 Label22 Text11 Frame6 Text12 Label12 Text13 Label13 Text14 Label14 Text15 Label15 "
    "Text2 Label2 Text3 Label3 Text4 Label4 Text5 Label5 Text6 Label6 Text7 Label7 Text8 Label8 Text9 Label9 "
    "Text10 Label10 Text16 Label1 Text17 Label18 Text18 Label19 Text19 Label20 Text20 Label21 Text21 Label16 "
    "Text22 Label17";

// Designed places in twips (frame number, 0 for the tab control).
const int designed[][5] = {
    {0, 120, 120, 5055, 3975}, {7, 1440, 480, 3495, 975}, {6, 120, 480, 1095, 975}, {3, 120, 1560, 4815, 1095},
    {2, 120, 2760, 4815, 1095}, {1, 120, 720, 4815, 975}, {4, 120, 1800, 4815, 855}, {5, 120, 2760, 4815, 975},
};

QString caption_of(const QWidget *control)
{
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return static_cast<const QLabel *>(control)->text();
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    static void languages()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    QFont original_font = QApplication::font();
    QPalette original_palette = QApplication::palette();

private slots:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Vorlenta")); }
    void cleanup()
    {
        QApplication::setFont(original_font);
        QApplication::setPalette(original_palette);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void scenarios_data()
    {
        QTest::addColumn<const Scenario *>("scenario");
        QTest::addColumn<testing::Notation>("notation");
        for (const testing::Notation notation : both_notations) {
            const char *suffix = notation == testing::Notation::Comma ? " (decimal comma)" : "";
            for (const auto table : {std::span<const Scenario>(calculator_scenarios), std::span<const Scenario>(window_scenarios)}) {
                for (const Scenario &s : table)
                    QTest::addRow("%s%s", s.protects, suffix) << &s << notation;
            }
        }
        for (const Scenario &s : address_scenarios)
            QTest::addRow("%s", s.protects) << &s << testing::Notation::Point;
    }
    void scenarios()
    {
        QFETCH(const Scenario *, scenario);
        QFETCH(testing::Notation, notation);
        const ScopedLocale locale(notation);
        WindowDriver driver;
        for (const Step &step : steps_of(*scenario, notation)) {
            driver.play(step);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("at step ") + step.name + step.action + step.text));
        }
        driver.finish();
    }

    void captions_and_names_data() { languages(); }
    void captions_and_names()
    {
        QFETCH(QString, language);
        const Translations translations{QLocale(language)};
        // A caption in the window's language: the English one, or its translation.
        const auto in_language = [](const char *english) {
            const int id = StringTable::builtin().strings().key(QString::fromUtf8(english));
            return QCoreApplication::translate("StringTable", english, QByteArray::number(id).constData());
        };
        WindowDriver driver;
        QCOMPARE(driver.window->windowTitle(), QStringLiteral("Vorlenta"));
        auto *tabs = driver.find<QTabWidget>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->tabText(0) + u'|' + tabs->tabText(1), in_language("Body Mass and Strength") + u'|' + in_language("Power and Acceleration"));
        QCOMPARE(driver.find<QMenu>(QStringLiteral("mnufile"))->title(), in_language("&File"));
        QCOMPARE(driver.window->findChild<QAction *>(QStringLiteral("mnuhelp"))->text(), in_language("&Help"));
        QCOMPARE(driver.window->findChild<QAction *>(QStringLiteral("mnuexit"))->text(), in_language("&Exit"));
        for (const auto &[name, caption] : captions)
            QCOMPARE(caption_of(driver.find(QString::fromLatin1(name))), in_language(caption));
        QVERIFY(language == u"en" || in_language("Body mass (kg)") != QStringLiteral("Body mass (kg)"));
        // Words follow the language, numbers the numeric locale.
        QCOMPARE(driver.find<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("0.00"));
        QCOMPARE(driver.find<QLabel>(QStringLiteral("Label24"))->text(), web_address());
        QCOMPARE(driver.find<QLabel>(QStringLiteral("Label25"))->text(), QString::fromUtf8(version_info::legal_copyright));
        QVERIFY(!driver.window->windowIcon().isNull());

        const QStringList pairs = QString::fromLatin1(labelled_by).split(u' ');
        for (qsizetype i = 0; i < pairs.size(); i += 2) {
            QWidget *field = driver.find(pairs[i]);
            QCOMPARE(field->accessibleName(), caption_of(driver.find(pairs[i + 1])));
        }
        QCOMPARE(driver.find(QStringLiteral("Command1"))->accessibleName(),
                 QCoreApplication::translate("frm_calc", "Convert between kilograms and pounds"));
        QCOMPARE(driver.find(QStringLiteral("Command2"))->accessibleName(),
                 QCoreApplication::translate("frm_calc", "Convert between running speed and cycling power"));

        // Help opens the page of the window's language from the disk.
        driver.window->findChild<QAction *>(QStringLiteral("mnuhelp"))->trigger();
        const QString page = help_folder() + QStringLiteral("/vorlenta_%1.htm").arg(language);
        QCOMPARE(driver.opened, QStringList{QUrl::fromLocalFile(page).toString()});
        driver.opened.clear();
        // The page names every panel and field by the caption the window shows.
        QFile help(page);
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(help.readAll());
        for (const auto &[name, caption] : captions)
            QVERIFY2(qstrcmp(name, "Label23") == 0 || html.contains(in_language(caption).toHtmlEscaped()), caption);
    }

    // Every text of the program has its translation in every language.
    void translations_are_complete_data() { languages(); }
    void translations_are_complete()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language == u"en" || translator.load(QStringLiteral(":/vorlenta/i18n/vorlenta_%1.qm").arg(language)));
        const auto strings = StringTable::builtin().strings();
        for (auto it = strings.begin(); language != u"en" && it != strings.end(); ++it)
            QVERIFY2(!translator.translate("StringTable", it->toUtf8().constData(), QByteArray::number(it.key()).constData()).isEmpty(),
                     qPrintable(*it));
        for (const char *text : {"Convert between kilograms and pounds", "Convert between running speed and cycling power",
                                 "Opens the maker's web site", "Open %1"})
            QVERIFY(language == u"en" || !translator.translate("frm_calc", text).isEmpty());
        for (const char *text : {"The expression cannot be evaluated: it divides by zero.",
                                 "The expression cannot be evaluated: a number or a result is too large."})
            QVERIFY(language == u"en" || !translator.translate("Notice", text).isEmpty());
    }

    void a_missing_caption_leaves_the_designed_one()
    {
        QHash<int, QString> strings = StringTable::builtin().strings();
        strings.remove(211);
        WindowDriver driver{StringTable(strings)};
        auto *tabs = driver.find<QTabWidget>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Tab 1"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(driver.window->findChild<QAction *>(QStringLiteral("mnuexit"))->text(), QStringLiteral("&Exit"));
        QCOMPARE(driver.find<QPushButton>(QStringLiteral("Command2"))->text(), QStringLiteral("<->"));
    }

    void layout_fits_the_font_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("points");
        for (const char *language : {"en", "de", "fr", "es"}) {
            QTest::addRow("%s, desktop font", language) << QString::fromLatin1(language) << 0;
            QTest::addRow("%s, 12 pt", language) << QString::fromLatin1(language) << 12;
        }
        QTest::newRow("en, 16 pt") << QStringLiteral("en") << 16;
    }
    void layout_fits_the_font()
    {
        QFETCH(QString, language);
        QFETCH(int, points);
        const Translations translations{QLocale(language)};
        if (points) {
            QFont font = original_font;
            font.setPointSize(points);
            QApplication::setFont(font);
        }
        WindowDriver driver;
        auto *tabs = driver.find<QTabWidget>(QStringLiteral("SSTab1"));
        const double scale = tabs->width() * 15.0 / 5055;
        QVERIFY(scale >= 1.0);
        const auto px = [scale](int twips) { return qRound(twips * scale / 15); };
        const QSize client = driver.window->centralWidget()->size();
        QVERIFY(qAbs(client.width() - px(5235)) <= 1 && qAbs(client.height() - px(5100)) <= 1);
        for (const auto &[frame, left, top, width, height] : designed) {
            QWidget *w = frame ? driver.find(QStringLiteral("Frame%1").arg(frame)) : tabs;
            driver.show_tab(frame == 1 || frame == 4 || frame == 5);
            const QRect at(frame ? w->mapTo(tabs, QPoint()) : tabs->pos(), w->size());
            const QRect expected(px(left), px(top), px(width), px(height));
            QVERIFY2((at.topLeft() - expected.topLeft()).manhattanLength() <= 2
                         && qAbs(at.width() - expected.width()) + qAbs(at.height() - expected.height()) <= 2,
                     qPrintable(w->objectName()));
        }
        const QStringList pairs = QString::fromLatin1(labelled_by).split(u' ');
        for (qsizetype i = 0; i < pairs.size(); i += 2) {
            QWidget *field = driver.find(pairs[i]), *label = driver.find(pairs[i + 1]);
            if (qobject_cast<QLabel *>(label))
                QVERIFY2(label->x() == field->x() && label->geometry().bottom() < field->y(), qPrintable(pairs[i]));
        }
        for (int tab = 0; tab < 2; ++tab) {
            driver.show_tab(tab);
            for (QWidget *w : driver.window->centralWidget()->findChildren<QWidget *>()) {
                if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"))
                    continue;
                const QString name = w->objectName();
                QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name + QStringLiteral(" sticks out")));
                if (auto *label = qobject_cast<QLabel *>(w))
                    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name + QStringLiteral(" is clipped")));
                if (auto *frame = qobject_cast<QGroupBox *>(w))
                    QVERIFY2(frame->width() >= QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + 16,
                             qPrintable(name + QStringLiteral(" clips its caption")));
                if (auto *edit = qobject_cast<QLineEdit *>(w))
                    QVERIFY2(edit->height() >= edit->minimumSizeHint().height(), qPrintable(name + QStringLiteral(" is too low")));
                for (QWidget *other : w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                    QVERIFY2(other == w || !other->isVisible() || other->objectName().startsWith(u"qt_")
                                 || !other->geometry().intersects(w->geometry()),
                             qPrintable(name + QStringLiteral(" overlaps ") + other->objectName()));
            }
        }
        // The window stands centred on the screen, up to its decoration.
        const QRect screen = driver.window->screen()->geometry(), frame = driver.window->frameGeometry();
        QVERIFY((frame.center() - screen.center()).manhattanLength() <= 2 * (frame.height() - driver.window->height()));
        // The three lines under the tabs stand centred one under the other (their
        // designed centres lie 8 twips apart, a pixel or two once scaled).
        const int centre = driver.find(QStringLiteral("Label23"))->geometry().center().x();
        for (const char *line : {"Label24", "Label25"})
            QVERIFY(qAbs(driver.find(QString::fromLatin1(line))->geometry().center().x() - centre) <= 3);
    }

    void colours_stay_readable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }
    void colours_stay_readable()
    {
        QFETCH(bool, dark);
        if (dark) {
            QPalette palette;
            palette.setColor(QPalette::Window, QColor(43, 43, 43));
            palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
            QApplication::setPalette(palette);
        }
        QCursor::setPos(0, 0); // away from the centred window's buttons
        WindowDriver driver;
        const auto shows = [](const QImage &image, const QColor &colour) {
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            return std::ranges::count(std::span(reinterpret_cast<const QRgb *>(argb.constBits()), argb.sizeInBytes() / 4),
                                      colour.rgba()) > 0;
        };
        auto *link = driver.find<LinkLabel>(QStringLiteral("Label24"));
        const QColor background = link->palette().color(QPalette::Window);
        QVERIFY(contrast_ratio(link->link_colour(), background) >= 4.5);
        QCOMPARE(link->link_colour() == QColor(0, 0, 255), !dark);
        QVERIFY(shows(link->grab().toImage(), link->link_colour()));
        auto *button = driver.find<QPushButton>(QStringLiteral("Command1"));
        QVERIFY(button->font().bold());
        const QImage image = button->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() / 8, image.height() / 2), QColor(Qt::white));
        QVERIFY(shows(image, QColor(252, 147, 31)));
        QTest::mouseMove(button, button->rect().center());
        QTRY_VERIFY(button->underMouse());
        const QImage hovered = button->grab().toImage();
        QCOMPARE(hovered.pixelColor(hovered.width() / 8, hovered.height() / 2), QColor(0, 0, 128));
    }

    void evaluator_notices_show_as_message_boxes()
    {
        install_notice_box();
        WindowDriver driver;
        CEval eval;
        QCOMPARE(eval.Evaluate(QStringLiteral("1+2*3")), 7.0);
        QCOMPARE(eval.Evaluate(QStringLiteral("1/0")), 0.0);
        QTRY_COMPARE(driver.boxes, QStringList{QStringLiteral("Vorlenta information: The expression cannot be evaluated: it divides by zero.")});
        driver.boxes.clear();
    }

    void exit_ends_at_once_without_rewriting()
    {
        WindowDriver driver;
        driver.play({QStringLiteral("Text11"), u'=', QStringLiteral("7")});
        QTimer::singleShot(0, this, [&] {
            driver.key(Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(driver.find<QMenu>(QStringLiteral("mnufile"))->isVisible());
            QTest::keyClick(driver.find<QMenu>(QStringLiteral("mnufile")), Qt::Key_E);
        });
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(driver.find<QLineEdit>(QStringLiteral("Text11"))->text(), QStringLiteral("7"));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
