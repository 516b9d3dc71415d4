// SPDX-License-Identifier: MIT
#pragma once

// A number as the command line and the squad write a computed value.

#include <string>

namespace vorlenta::squad {

// The shortest text that reads back to the same double. Plain digits from
// 0.000001 up to below 10^16 ("14", "2,5", "9999999999999998"); an exponent
// outside that range ("1e+16", "1.8446744073709552e+19", "5e-07"), so that
// no digit is shown that the double does not hold. No group separators.
std::string number_text(double value, char decimal_separator);

} // namespace vorlenta::squad
