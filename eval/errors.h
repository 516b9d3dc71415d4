// SPDX-License-Identifier: MIT
#pragma once

// The sources the classes raise errors under, and errors worded by the fault
// table (fault_words.h).

#include <cstdint>

#include <vorlenta/eval/eval_error.h>

namespace vorlenta {

inline constexpr const char *EvalSource = "CEval";
inline constexpr const char *StackSource = "CStack";
inline constexpr const char *TableSource = "CSymbolTable";

// The error with that number and the table's description, raised by `source`.
EvalError error_for(std::int32_t number, const char *source);

} // namespace vorlenta
