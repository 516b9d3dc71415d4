// SPDX-License-Identifier: MIT
#pragma once

// Counts and positions of the evaluator are 16-bit signed integers; passing
// 32,767 is the overflow error (6), never a silent wrap.

#include <cstdint>
#include <limits>

#include "eval/errors.h"

namespace vorlenta {

// A count held in a wider type, narrowed to 16 bits with overflow detection.
inline std::int16_t to16(long long count, const char *source)
{
    if (count > std::numeric_limits<std::int16_t>::max() || count < std::numeric_limits<std::int16_t>::min())
        throw error_for(eval_errors::Overflow, source);
    return std::int16_t(count);
}

inline std::int16_t add16(std::int16_t value, int delta, const char *source)
{
    return to16((long long)value + delta, source);
}

} // namespace vorlenta
