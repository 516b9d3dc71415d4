// SPDX-License-Identifier: MIT
#pragma once

// The text written to standard error for an expression that faulted: a
// syntax fault as a compiler shows one, the expression with a caret under
// the fault; an arithmetic fault on one line.

#include <QString>

#include "cli/line_evaluation.h"

namespace vorlenta::cli {

// `where` is "" for an argument, "line 3: " for standard input. The text
// ends in a newline.
QString fault_report(const QString &where, const QString &expression, const LineResult &result);

} // namespace vorlenta::cli
