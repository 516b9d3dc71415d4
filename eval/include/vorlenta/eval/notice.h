// SPDX-License-Identifier: MIT
#pragma once

// The notices of an evaluation that cannot give a value (division by zero, a
// value outside a function's domain, a number too large). The library has no
// user interface: a notice is a number and an English text, and the host
// decides how to show it (and in which language) through a handler.
//
// Where a notice goes: to the evaluator's own handler when it has one
// (CEval::set_notice_handler), otherwise to the process-wide handler, and
// without either to standard error as "<text>\n". A handler is called on the
// thread that evaluates, before Evaluate returns; it may install or replace
// handlers (its own too) while it runs.
//
// Threads: installing the process-wide handler and showing notices may happen
// on any threads at once. A handler that several threads' evaluators reach,
// the process-wide one above all, must be safe to call from all of them at
// once; an evaluator's own handler is only called by that evaluator.
//
// Callers who would rather have no handler use CEval::evaluate, which returns
// the fault as a value and shows no notice.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <vorlenta/eval_export.h>

namespace vorlenta {

enum class NoticeKind {
    ArithmeticFault, // division by zero, a value outside a function's domain, overflow
    Error,           // any other error: the text is "<number>, <message>"
};

enum class NoticeIcon { Information, None };

// A plain value type.
struct Notice {
    NoticeKind kind;
    NoticeIcon icon;
    std::int32_t number; // the EvalError number behind the notice
    std::string text;    // English, UTF-8
};

using NoticeHandler = std::function<void(const Notice &)>;

// Installs the process-wide handler and returns the one it replaces; an empty
// handler sends notices to standard error again.
VORLENTA_EVAL_EXPORT NoticeHandler install_notice_handler(NoticeHandler handler);

// Hands the notice to the process-wide handler.
VORLENTA_EVAL_EXPORT void show_notice(const Notice &notice);

// The notice for an error raised during an evaluation: the arithmetic-fault
// notice (information icon) for 5, 6 and 11, and for any other number the
// numbered error notice without icon, "<number>, <message>".
VORLENTA_EVAL_EXPORT Notice notice_for(std::int32_t number, std::string_view message);

} // namespace vorlenta
