// SPDX-License-Identifier: MIT
#include <vorlenta/eval/notice.h>

#include <cstdio>
#include <mutex>
#include <utility>

#include "eval/fault_words.h"

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
    if (const char *sentence = fault_words(number).notice)
        return {NoticeKind::ArithmeticFault, NoticeIcon::Information, number, sentence};
    return {NoticeKind::Error, NoticeIcon::None, number, std::to_string(number) + ", " + std::string(message)};
}

} // namespace vorlenta
