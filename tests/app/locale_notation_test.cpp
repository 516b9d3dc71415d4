// SPDX-License-Identifier: MIT
// The window hands the model the notation of its locale: the model then
// shows every number as Qt shows it in that locale (its decimal point, minus
// sign and digits, an exact half away from zero) and reads what Qt writes.

#include <cmath>

#include <QTest>

#include "apiconstants.h"
#include "fields/number_format.h"
#include "locale_notation.h"
#include "tests/support/locale_scope.h"

using namespace vorlenta;

class LocaleNotationTest : public QObject {
    Q_OBJECT

private slots:
    void shows_and_reads_as_qt_does_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"en_US", "de_DE", "sv_SE", "ar_EG", "fa_IR", "bn_BD"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void shows_and_reads_as_qt_does()
    {
        QFETCH(QString, name);
        QLocale locale(name);
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        const Notation notation = notation_of(locale);
        for (const double value : {0.0, 0.125, 2.5, -0.25, -0.75, -12.5, 1234.5678, -0.001, 1e20}) {
            for (const Pattern pattern : {Pattern::Whole, Pattern::OneDecimal, Pattern::TwoDecimals}) {
                const int decimals = int(pattern);
                const QString magnitude = locale.toString(std::fabs(value), 'f', decimals);
                const bool shows_zero = magnitude == locale.toString(0.0, 'f', decimals);
                const QString qt = (value < 0 && !shows_zero ? locale.negativeSign() : QString()) + magnitude;
                QCOMPARE(from_model(render(value, pattern, notation)), qt);
                QCOMPARE(to_double(to_model(qt), notation),
                         std::round(value * std::pow(10, decimals)) / std::pow(10, decimals) + 0.0);
            }
        }
        QCOMPARE(to_double(to_model(locale.toString(-1.5e-7, 'e')), notation), -1.5e-7);
    }

    void the_decimal_separator_for_the_evaluator()
    {
        for (const testing::Notation notation : testing::both_notations) {
            const testing::ScopedLocale scoped(notation);
            QCOMPARE(apiconstants::get_locale_string(apiconstants::LOCALE_SDECIMAL),
                     testing::in_notation(QStringLiteral("."), notation));
            QCOMPARE(apiconstants::get_locale_string(0), QString());
        }
    }
};

QTEST_GUILESS_MAIN(LocaleNotationTest)
#include "locale_notation_test.moc"
