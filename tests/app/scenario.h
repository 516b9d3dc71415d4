// SPDX-License-Identifier: MIT
#pragma once

// The steps of a scenario row (tests/scenarios/) for the window's player.

#include <QList>
#include <QString>

#include "tests/scenarios/scenario_file.h"
#include "tests/support/locale_scope.h"

namespace vorlenta::testing {

struct Step {
    QString name; // a control, or a command word
    QChar action; // '=' type, ':' expect, or 0 for a command
    QString text;
};

inline QList<Step> steps_of(const ScenarioRow &row, Notation notation)
{
    QList<Step> steps;
    for (const std::string &word : words_of(row, notation == Notation::Comma)) {
        const std::size_t at = word.find_first_of("=:");
        if (at != std::string::npos && at > 0)
            steps.push_back({QString::fromStdString(word.substr(0, at)), QChar(word[at]),
                             QString::fromStdString(word.substr(at + 1))});
        else
            steps.push_back({QString::fromStdString(word), QChar(), {}});
    }
    return steps;
}

} // namespace vorlenta::testing
