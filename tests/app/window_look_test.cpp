// SPDX-License-Identifier: MIT
// How the window looks: a layout that keeps its design and fits any font and
// scale in every language, and colours that stay readable on light and dark
// palettes.

#include <QGroupBox>
#include <QLabel>

#include "link_label.h"
#include "translations.h"
#include "window_driver.h"
#include "window_labels.h"

using namespace vorlenta;
using namespace vorlenta::testing;

namespace {

// Designed places in twips (frame number, 0 for the tab control).
const int designed[][5] = {
    {0, 120, 120, 5055, 3975},  {7, 1440, 480, 3495, 975}, {6, 120, 480, 1095, 975},  {3, 120, 1560, 4815, 1095},
    {2, 120, 2760, 4815, 1095}, {1, 120, 720, 4815, 975},  {4, 120, 1800, 4815, 855}, {5, 120, 2760, 4815, 975},
};

} // namespace

class WindowLookTest : public QObject {
    Q_OBJECT

    QFont original_font = QApplication::font();
    QPalette original_palette = QApplication::palette();

private slots:
    void cleanup()
    {
        QApplication::setFont(original_font);
        QApplication::setPalette(original_palette);
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
        const Translations translations{QStringList{language}};
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
                QVERIFY2(w->parentWidget()->rect().contains(w->geometry()),
                         qPrintable(name + QStringLiteral(" sticks out")));
                if (auto *label = qobject_cast<QLabel *>(w))
                    QVERIFY2(label->width() >= label->sizeHint().width(),
                             qPrintable(name + QStringLiteral(" is clipped")));
                if (auto *frame = qobject_cast<QGroupBox *>(w))
                    QVERIFY2(frame->width() >= QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + 16,
                             qPrintable(name + QStringLiteral(" clips its caption")));
                if (auto *edit = qobject_cast<QLineEdit *>(w))
                    QVERIFY2(edit->height() >= edit->minimumSizeHint().height(),
                             qPrintable(name + QStringLiteral(" is too low")));
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
            return std::ranges::count(
                       std::span(reinterpret_cast<const QRgb *>(argb.constBits()), argb.sizeInBytes() / 4),
                       colour.rgba())
                > 0;
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
};

QTEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
