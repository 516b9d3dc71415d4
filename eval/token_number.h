#pragma once

// Reads the tokens of a postfix text as numbers under the user's locale, with
// the same verdict and the same correctly rounded value as the numeric test
// and double conversion of fields/number_format, but without their cost for
// the common token: ASCII digits with at most one decimal separator.

#include <optional>

#include <QChar>
#include <QStringView>

namespace vorlenta {

class TokenNumberReader {
public:
    // Takes the user's locale as it is now.
    TokenNumberReader();

    // The token's value; nothing when the token is no number. Raises overflow
    // (6) for a number beyond the range of a double ("1e400", 400 digits).
    std::optional<double> read(QStringView token) const;

private:
    std::optional<double> read_plain(QStringView token) const;

    QChar m_point; // the locale's decimal separator; null when it is not one character
};

} // namespace vorlenta
