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
#include "window_driver.h"

using namespace vorlenta;
using namespace vorlenta::testing;

namespace {

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
        QTest::addColumn<ScenarioRow>("scenario");
        QTest::addColumn<testing::Notation>("notation");
        for (const testing::Notation notation : both_notations) {
            for (const char *file : {"calculators.txt", "window.txt"}) {
                for (const ScenarioRow &row : read_scenarios(file)) {
                    // An address would read differently in decimal-comma notation.
                    if (notation == testing::Notation::Comma && row.steps.find("opened:") != std::string::npos)
                        continue;
                    QTest::addRow("%s%s", row.name.c_str(), notation == testing::Notation::Comma ? " (decimal comma)" : "") << row << notation;
                }
            }
        }
    }
    void scenarios()
    {
        QFETCH(ScenarioRow, scenario);
        QFETCH(testing::Notation, notation);
        const ScopedLocale locale(notation);
        WindowDriver driver;
        for (const Step &step : steps_of(scenario, notation)) {
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
