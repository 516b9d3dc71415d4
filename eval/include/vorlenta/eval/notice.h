// SPDX-License-Identifier: MIT
#pragma once

// The notices the evaluation shows the user when an expression cannot be
// evaluated (division by zero, a value outside a function's domain, a number
// too large). The evaluator has no user interface of its own: the host shows
// them through a handler (the desktop program: a modal message box with an
// OK button and the application's title as caption).
//
// Where a notice goes: to the evaluator's own handler when it has one
// (CEval::set_notice_handler), otherwise to the process-wide handler, and
// without either to the Qt message log as a warning. A handler is called on
// the thread that evaluates, before Evaluate returns.
//
// Threads: installing the process-wide handler and showing notices may happen
// on any threads at once. A handler that several threads' evaluators reach,
// the process-wide one above all, must be safe to call from all of them at
// once; an evaluator's own handler is only called by that evaluator.

#include <cstdint>
#include <functional>

#include <QString>

#include <vorlenta/eval_export.h>

namespace vorlenta {

enum class NoticeKind {
    ArithmeticFault, // division by zero, a value outside a function's domain, overflow
    Error,           // any other error: the text is "<number>, <message>"
};

enum class NoticeIcon { Information, None };

struct Notice {
    NoticeKind kind;
    NoticeIcon icon;
    std::int32_t number; // the EvalError number behind the notice
    QString text;        // the message box's text
};

using NoticeHandler = std::function<void(const Notice &)>;

// Installs the process-wide handler and returns the one it replaces; an empty
// handler sends notices to the Qt message log again.
VORLENTA_EVAL_EXPORT NoticeHandler install_notice_handler(NoticeHandler handler);

// Hands the notice to the process-wide handler.
VORLENTA_EVAL_EXPORT void show_notice(const Notice &notice);

// The notice for an error raised during an evaluation: the arithmetic-fault
// notice (information icon) for 5, 6 and 11, and for any other number the
// numbered error notice without icon, "<number>, <message>".
VORLENTA_EVAL_EXPORT Notice notice_for(std::int32_t number, const QString &message);

} // namespace vorlenta
