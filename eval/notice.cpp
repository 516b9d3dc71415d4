// SPDX-License-Identifier: MIT
#include <vorlenta/eval/notice.h>

#include <cstdio>
#include <mutex>
#include <utility>

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

const char *arithmetic_text(std::int32_t number)
{
    switch (number) {
    case eval_errors::DivisionByZero:
        return "The expression cannot be evaluated: it divides by zero.";
    case eval_errors::InvalidArgument:
        return "The expression cannot be evaluated: a square root, logarithm or power is taken of a number "
               "outside its range.";
    default:
        return "The expression cannot be evaluated: a number or a result is too large.";
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
    // A copy, called outside the lock: the handler may take its time (a modal
    // message box) or install another handler, which would destroy the
    // installed one while it runs.
    NoticeHandler handler;
    {
        const std::lock_guard lock(installed().mutex);
        handler = installed().handler;
    }
    if (handler)
        handler(notice);
    else
        std::fprintf(stderr, "%s\n", notice.text.c_str());
}

Notice notice_for(std::int32_t number, std::string_view message)
{
    switch (number) {
    case eval_errors::InvalidArgument:
    case eval_errors::Overflow:
    case eval_errors::DivisionByZero:
        return {NoticeKind::ArithmeticFault, NoticeIcon::Information, number, arithmetic_text(number)};
    default:
        return {NoticeKind::Error, NoticeIcon::None, number, std::to_string(number) + ", " + std::string(message)};
    }
}

} // namespace vorlenta
