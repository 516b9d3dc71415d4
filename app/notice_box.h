// SPDX-License-Identifier: MIT
#pragma once

// Shows the expression evaluator's notices on the desktop: a modal message
// box with an OK button and the application's title as its caption.

namespace vorlenta {

// Installs the desktop handler for the evaluator's notices.
void install_notice_box();

} // namespace vorlenta
