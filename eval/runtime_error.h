// SPDX-License-Identifier: MIT
#pragma once

// The arithmetic and capacity errors (5, 6, 11, 13) with their own messages.

#include <cstdint>

#include <QString>

#include <vorlenta/eval/eval_error.h>

namespace vorlenta {

// "Overflow" for 6; empty for numbers that are not arithmetic or capacity faults.
QString runtime_message(std::int32_t number);

// The error with that number and its message, raised by `source`.
EvalError runtime_error(std::int32_t number, const QString &source);

} // namespace vorlenta
