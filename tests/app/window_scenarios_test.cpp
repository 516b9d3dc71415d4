// SPDX-License-Identifier: MIT
// The real window, driven as a user drives it: the scenario tables of
// tests/scenarios (what it shows first, every calculator and every field rule
// through the widgets, the commands and the keyboard) in both notations.

#include "window_driver.h"

using namespace vorlenta;
using namespace vorlenta::testing;

class WindowScenariosTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Vorlenta")); }

    void scenarios_data()
    {
        QTest::addColumn<ScenarioRow>("scenario");
        QTest::addColumn<testing::Notation>("notation");
        for (const testing::Notation notation : both_notations) {
            for (const char *file : {"calculators.txt", "window.txt", "squad.txt"}) {
                for (const ScenarioRow &row : read_scenarios(file)) {
                    if (!row.played_by(Player::Window))
                        continue;
                    // An address would read differently in decimal-comma notation.
                    if (notation == testing::Notation::Comma && row.steps.find("opened:") != std::string::npos)
                        continue;
                    QTest::addRow("%s%s", row.name.c_str(),
                                  notation == testing::Notation::Comma ? " (decimal comma)" : "")
                        << row << notation;
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
