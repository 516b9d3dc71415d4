// SPDX-License-Identifier: MIT
#pragma once

// The file that keeps the lines typed at a terminal from one session to the
// next: where it lives, and how a session adds its lines to it while other
// sessions may be adding theirs.

#include <cstdio>
#include <functional>
#include <string>

namespace vorlenta::cli {

struct HistoryPlace {
    std::string file;    // "" when no history is kept
    std::string problem; // why not, when the user should hear of it
};

// $XDG_STATE_HOME/vorlenta/eval_history (~/.local/state/… by default), its
// missing folders made readable by the user alone. No file and no problem
// without a home; a problem when the folder cannot be made or written in.
HistoryPlace history_place();

// Replaces `file` by what `write` writes to `out`, given the file as it is
// now (`current`, "" when it is missing or empty). The folder stays locked
// from before `write` reads the file until the new one is in place, so that
// sessions ending at once each add their lines; the new file is written
// beside the old one (mode 0600) and renamed over it, so that a crash leaves
// one of them whole. A problem, or "".
using HistoryWriter = std::function<std::string(const std::string &current, std::FILE *out)>;
std::string replace_locked(const std::string &file, const HistoryWriter &write);

} // namespace vorlenta::cli
