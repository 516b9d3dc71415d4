// SPDX-License-Identifier: MIT
#include "apiconstants.h"

#include "number_format.h"

namespace vorlenta::apiconstants {

QString get_locale_string(int code)
{
    if (code == LOCALE_SDECIMAL)
        return decimal_separator();
    return {};
}

} // namespace vorlenta::apiconstants
