// SPDX-License-Identifier: MIT
#include "cli/session_signals.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace vorlenta::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;
volatile std::sig_atomic_t ending = 0;

extern "C" void note(int signal)
{
    if (signal == SIGINT)
        interrupted = 1;
    else
        ending = signal;
}

} // namespace

void note_session_signals()
{
    struct sigaction action {};
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool take_interrupt()
{
    const bool was = interrupted != 0;
    interrupted = 0;
    return was;
}

int ending_signal()
{
    return ending;
}

void end_by(int signal)
{
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    std::raise(signal);
    std::_Exit(128 + signal); // not reached
}

} // namespace vorlenta::cli
