// SPDX-License-Identifier: MIT
#pragma once

// A scenario is what a user does and sees, written as space-separated steps:
//
//   Text11=80     types 80 into Text11, replacing its text (Text11= empties it)
//   Text13:64.00  Text13 shows 64.00 (Text20: shows nothing); also the
//                 caption of an exchange button (Command1:->)
//   Tab           leaves the field to the next control
//   Command1      clicks an exchange button
//   +panels       the panels that need a body mass are enabled (-panels: not)
//   !message      the body-mass message was shown once since the last check
//
// and the steps of window_driver.h. Numbers are written in "." notation and
// run in both notations.

#include <QString>
#include <QRegularExpression>
#include <QStringList>

#include "tests/support/locale_scope.h"

namespace vorlenta::testing {

struct Scenario {
    const char *protects;
    const char *steps;
};

struct Step {
    QString name;  // a control, or a command word
    QChar action;  // '=' type, ':' expect, or 0 for a command
    QString text;
};

inline QList<Step> steps_of(const Scenario &scenario, Notation notation)
{
    QList<Step> steps;
    const QString all = in_notation(QString::fromUtf8(scenario.steps), notation);
    for (const QString &word : all.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype at = word.indexOf(QRegularExpression(QStringLiteral("[=:]")));
        if (at > 0)
            steps.push_back({word.left(at), word[at], word.mid(at + 1)});
        else
            steps.push_back({word, QChar(), {}});
    }
    return steps;
}

} // namespace vorlenta::testing
