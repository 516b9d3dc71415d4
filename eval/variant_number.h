// SPDX-License-Identifier: MIT
#pragma once

// The numeric test on a variant value.

#include <vorlenta/eval/variant_value.h>

namespace vorlenta {

// The empty value and finite numbers pass; a text passes when it reads as a
// number in the user's locale.
bool is_numeric_value(const VariantValue &value);

} // namespace vorlenta
