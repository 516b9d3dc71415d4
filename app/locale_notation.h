// SPDX-License-Identifier: MIT
#pragma once

// The window's edge to the model's numbers: the notation of a Qt locale, and
// texts between QString and the model's UTF-8.

#include <string>

#include <QLocale>
#include <QString>

#include "fields/notation.h"

namespace vorlenta {

// How the locale writes numbers: decimal point, signs, exponent symbol and
// digits, as QLocale::toString shows them.
Notation notation_of(const QLocale &locale);

inline std::string to_model(const QString &text)
{
    return text.toStdString();
}
inline QString from_model(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace vorlenta
