// SPDX-License-Identifier: MIT
#include "apiconstants.h"

#include <QLocale>

namespace vorlenta::apiconstants {

QString get_locale_string(int code)
{
    if (code == LOCALE_SDECIMAL)
        return QLocale().decimalPoint();
    return {};
}

} // namespace vorlenta::apiconstants
