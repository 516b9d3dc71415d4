// SPDX-License-Identifier: MIT
#pragma once

// The module-level settings of the window. The desktop helpers (center_form,
// select_all_text, open_document) are in apiconstants_desktop.h.

#include <QString>

namespace vorlenta::apiconstants {

// Locale information code of the decimal separator.
inline constexpr int LOCALE_SDECIMAL = 14;

// The user locale's decimal separator; empty until the window's load sets it.
// The expression evaluator does not read it: each CEval has a decimal
// separator of its own, which starts from the same locale.
inline QString DecimalSeparator;

// The user locale's (QLocale()) information for the given code, as text;
// empty when the locale has none for that code. Only LOCALE_SDECIMAL is known.
QString get_locale_string(int code);

} // namespace vorlenta::apiconstants
