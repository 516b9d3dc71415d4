// SPDX-License-Identifier: MIT
// The real window, driven as a user drives it: what it shows first, every
// calculator and every field rule through the widgets, the commands and the
// keyboard, in both notations.

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

} // namespace

class WindowScenariosTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Vorlenta")); }

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

QTEST_MAIN(WindowScenariosTest)
#include "window_scenarios_test.moc"
