// SPDX-License-Identifier: MIT
// A seeded stream of random user actions against the real window: typed
// characters, Backspace and arrows, Tab and Shift+Tab, clicks into fields, on
// the exchange buttons and on the tabs. After every action the window still
// keeps its promises:
// - every field shows what the model holds;
// - typing never lengthens a field beyond its limit (nor beyond a longer text
//   the program wrote there);
// - a field left for another control holds a number in its pattern;
// - a field entered by Tab or by a click has its whole text selected;
// - the panels that need a body mass are enabled exactly when the body mass
//   field holds a number above 0;
// - the only message box is the request for a body mass.
// VORLENTA_SOAK_SEED and VORLENTA_SOAK_ACTIONS choose another run.

#include <random>

#include <QRegularExpression>

#include "fields/number_format.h"
#include "window_driver.h"

using namespace vorlenta;
using namespace vorlenta::testing;

namespace {

int limit_of(int field)
{
    return field == 1 || field >= 21 ? 5 : field >= 16 ? 4 : 6;
}

// The patterns of the fields after leaving, with "." for the locale's point;
// the power's results hold what their calculation writes back.
QRegularExpression pattern_of(int field, QChar point)
{
    const char *pattern = field >= 6 && field <= 9 ? "-?[0-9]+[.][0-9][0-9]"
        : field == 19                              ? "-?[0-9]+"
        : field == 20                              ? "(-?[0-9]+[.][0-9])?"
                                                   : "-?[0-9]+[.][0-9]";
    return QRegularExpression(QRegularExpression::anchoredPattern(QString::fromLatin1(pattern).replace(u'.', point)));
}

int field_number(const QWidget *widget)
{
    return widget && widget->objectName().startsWith(u"Text") ? widget->objectName().mid(4).toInt() : 0;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void soak_data()
    {
        QTest::addColumn<testing::Notation>("notation");
        QTest::newRow("en_US") << testing::Notation::Point;
        QTest::newRow("de_DE") << testing::Notation::Comma;
    }
    void soak()
    {
        QFETCH(testing::Notation, notation);
        const ScopedLocale locale(notation);
        const QChar point = QLocale().decimalPoint().front();
        const auto setting = [](const char *name, int fallback) {
            return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
        };
        const unsigned seed = unsigned(setting("VORLENTA_SOAK_SEED", 20261206));
        const int actions = setting("VORLENTA_SOAK_ACTIONS", 3000);
        std::mt19937 random(seed + unsigned(notation));
        const auto pick = [&](int n) { return int(random() % unsigned(n)); };
        WindowDriver driver;
        const QString typeable = QStringLiteral("0123456789..,--ex ");
        for (int i = 0; i < actions; ++i) {
            QWidget *before = QApplication::focusWidget();
            const int left = field_number(before);
            const qsizetype length = left ? driver.find<QLineEdit>(before->objectName())->text().size() : 0;
            const int action = pick(12);
            bool typed = false, moved = false;
            if (action < 5 && left) {
                QTest::keyClick(before, typeable[pick(int(typeable.size()))].toLatin1());
                typed = true;
            } else if (action == 5) {
                driver.key(pick(2) ? Qt::Key_Backspace : Qt::Key_Left);
            } else if (action <= 7) {
                driver.key(action == 6 ? Qt::Key_Tab : Qt::Key_Backtab);
                moved = true;
            } else if (action <= 9) {
                const QString name = QStringLiteral("Text%1").arg(1 + pick(23));
                if (driver.find(name)->isEnabled())
                    driver.click(driver.find(name));
                moved = true;
            } else if (action == 10) {
                driver.click(driver.find(QStringLiteral("Command%1").arg(1 + pick(2))));
            } else {
                driver.show_tab(pick(2));
            }
            const QString where = QStringLiteral("action %1 (%2) of seed %3").arg(i).arg(action).arg(seed);
            QWidget *after = QApplication::focusWidget();
            for (int f = 1; f <= field_count; ++f) {
                const QString shown = driver.find<QLineEdit>(QStringLiteral("Text%1").arg(f))->text();
                QVERIFY2(shown.toStdString() == driver.window->model().store().text(Field(f)), qPrintable(where));
            }
            if (typed)
                QVERIFY2(driver.find<QLineEdit>(before->objectName())->text().size()
                             <= std::max<qsizetype>(limit_of(left), length),
                         qPrintable(where));
            if (moved && left && left != 10 && after != before)
                QVERIFY2(pattern_of(left, point)
                             .match(QString::fromStdString(driver.window->model().store().text(Field(left))))
                             .hasMatch(),
                         qPrintable(where + u' ' + before->objectName()));
            if (moved && field_number(after) && after != before) {
                auto *edit = static_cast<QLineEdit *>(after);
                QVERIFY2(edit->selectedText() == edit->text(), qPrintable(where));
            }
            const std::string &body_mass = driver.window->model().store().text(Field::Text11);
            const vorlenta::Notation &host = driver.window->model().store().notation();
            const bool positive = is_numeric(body_mass, host) && to_single(body_mass, host).value_or(0) > 0;
            QVERIFY2(driver.find(QStringLiteral("Frame3"))->isEnabled() == positive, qPrintable(where));
            QVERIFY2(driver.find(QStringLiteral("Frame4"))->isEnabled() == positive, qPrintable(where));
            for (const QString &box : std::exchange(driver.boxes, {}))
                QVERIFY2(box.endsWith(u"Please insert body mass first."), qPrintable(where));
            driver.opened.clear();
        }
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
