// SPDX-License-Identifier: MIT
#pragma once

// The signals of a session at a terminal. Their handlers only note them; the
// reading loop acts on them between reads: Ctrl-C (SIGINT) drops the line
// being typed, SIGTERM and SIGHUP end the session as Ctrl-D does (the history
// is kept) and then the process, by that signal. Reads are interrupted by
// them (no SA_RESTART), so that a blocked read returns to the loop.

namespace vorlenta::cli {

void note_session_signals();

// Whether Ctrl-C was pressed since the last call; clears the note.
bool take_interrupt();

// SIGTERM or SIGHUP once one came; 0 before.
int ending_signal();

// Ends the process by `signal`, as if it had not been caught, so that the
// parent sees what ended it.
[[noreturn]] void end_by(int signal);

} // namespace vorlenta::cli
