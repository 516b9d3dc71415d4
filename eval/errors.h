// SPDX-License-Identifier: MIT
#pragma once

// The arithmetic and capacity errors (5, 6, 11, 13) with their own messages,
// and the sources the classes raise errors under.

#include <cstdint>

#include <vorlenta/eval/eval_error.h>

namespace vorlenta {

inline constexpr const char *EvalSource = "CEval";
inline constexpr const char *StackSource = "CStack";
inline constexpr const char *TableSource = "CSymbolTable";

// "Overflow" for 6; empty for numbers that are not arithmetic or capacity faults.
const char *runtime_message(std::int32_t number);

// The error with that number and its message, raised by `source`.
EvalError runtime_error(std::int32_t number, const char *source);

} // namespace vorlenta
