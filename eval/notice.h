#pragma once

// The notices the evaluation shows the user. eval/ has no widgets: the host
// installs a handler that shows them (the desktop program: a modal message
// box with an OK button and the application's title as caption), and tests
// install one that records them.

#include <cstdint>
#include <functional>

#include <QString>

namespace vorlenta {

enum class NoticeKind {
    ArithmeticFault, // division by zero, a value outside a function's domain, overflow
    Error,           // any other error: the text is "<number>, <message>"
};

enum class NoticeIcon { Information, None };

struct Notice {
    NoticeKind kind;
    NoticeIcon icon;
    std::int32_t number; // the error number behind the notice
    QString text;        // the message box's text
};

using NoticeHandler = std::function<void(const Notice &)>;

// Installs the process-wide handler and returns the one it replaces. Without
// one, notices go to the Qt message log as warnings. Install it on the thread
// that evaluates, before the first evaluation.
NoticeHandler install_notice_handler(NoticeHandler handler);

// Hands the notice to the process-wide handler.
void show_notice(const Notice &notice);

// The notice for an error raised during an evaluation: the arithmetic-fault
// notice for 5, 6 and 11, the numbered error notice for anything else.
Notice notice_for(std::int32_t number, const QString &message);

} // namespace vorlenta
