// SPDX-License-Identifier: MIT
#include <vorlenta/eval/notice.h>

#include <mutex>

#include <QCoreApplication>
#include <QDebug>

#include <vorlenta/eval/eval_error.h>

namespace vorlenta {
namespace {

// The process-wide handler, which any thread may install or call.
struct InstalledHandler {
    std::mutex mutex;
    NoticeHandler handler;
};

InstalledHandler &installed()
{
    static InstalledHandler installed;
    return installed;
}

// In the language of the host's translator, when it installed one.
QString arithmetic_text(std::int32_t number)
{
    switch (number) {
    case eval_errors::DivisionByZero:
        return QCoreApplication::translate("Notice", "The expression cannot be evaluated: it divides by zero.");
    case eval_errors::InvalidArgument:
        return QCoreApplication::translate("Notice", "The expression cannot be evaluated: a square root, logarithm "
                                                     "or power is taken of a number outside its range.");
    default:
        return QCoreApplication::translate("Notice", "The expression cannot be evaluated: a number or a result is "
                                                     "too large.");
    }
}

} // namespace

NoticeHandler install_notice_handler(NoticeHandler handler)
{
    const std::lock_guard lock(installed().mutex);
    return std::exchange(installed().handler, std::move(handler));
}

void show_notice(const Notice &notice)
{
    // Called outside the lock: a handler may take its time (a modal message
    // box) or install another handler.
    NoticeHandler handler;
    {
        const std::lock_guard lock(installed().mutex);
        handler = installed().handler;
    }
    if (handler)
        handler(notice);
    else
        qWarning().noquote() << notice.text;
}

Notice notice_for(std::int32_t number, const QString &message)
{
    switch (number) {
    case eval_errors::InvalidArgument:
    case eval_errors::Overflow:
    case eval_errors::DivisionByZero:
        return {NoticeKind::ArithmeticFault, NoticeIcon::Information, number,
                arithmetic_text(number)};
    default:
        return {NoticeKind::Error, NoticeIcon::None, number,
                QString::number(number) + QStringLiteral(", ") + message};
    }
}

} // namespace vorlenta
