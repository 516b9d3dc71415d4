// SPDX-License-Identifier: MIT
#pragma once

// One expression of the command line, from its bytes to its value or its
// fault: what the program does for every argument and every input line.

#include <string_view>

#include <QChar>
#include <QString>

#include <vorlenta/eval.h>

#include "cli/number_text.h"

namespace vorlenta::cli {

enum class Outcome {
    Value,           // `text` is the value in the notation
    SyntaxFault,     // `text` is the message, `position` its 1-based place
    ArithmeticFault, // `text` says what went wrong; `position` is 0
};

struct LineResult {
    Outcome outcome;
    QString text;
    int position = 0;
};

class LineEvaluator {
public:
    explicit LineEvaluator(QChar decimal_separator);

    CEval &evaluator() { return m_eval; }
    QChar decimal_separator() const { return QChar(m_eval.decimal_separator()); }

    LineResult evaluate(const QString &expression);

    // The bytes of one line: invalid UTF-8 and NUL bytes are syntax faults
    // at the first offending character, never silently replaced or skipped.
    LineResult evaluate_bytes(std::string_view line, QString &expression);

private:
    QString number_text(double value) const;

    CEval m_eval;
    bool m_noticed = false;
    QString m_notice;
};

} // namespace vorlenta::cli
