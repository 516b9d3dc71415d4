#pragma once

// The evaluator's dynamically typed value: empty, a number (double) or a text.
// The stack and the symbol table keep values with their kind; arithmetic
// counts the empty value as 0.

#include <variant>

#include <QString>

namespace vorlenta {

class VariantValue {
public:
    enum class Kind { Empty, Number, Text };

    VariantValue() = default;
    VariantValue(double number) : m_value(number) {}
    VariantValue(QString text) : m_value(std::move(text)) {}
    VariantValue(const char *) = delete; // say QStringLiteral or QString explicitly

    Kind kind() const noexcept { return Kind(m_value.index()); }
    bool is_empty() const noexcept { return kind() == Kind::Empty; }
    bool is_number() const noexcept { return kind() == Kind::Number; }
    bool is_text() const noexcept { return kind() == Kind::Text; }

    // Only valid for the matching kind.
    double number() const { return std::get<double>(m_value); }
    const QString &text() const { return std::get<QString>(m_value); }

    friend bool operator==(const VariantValue &, const VariantValue &) = default;

private:
    std::variant<std::monostate, double, QString> m_value;
};

// The numeric test on a value: the empty value and finite numbers pass, a text
// passes when it reads as a number in the user's locale.
bool is_numeric_value(const VariantValue &value);

// The value as a double for arithmetic: empty is 0, a text is read in the
// user's locale. Raises type mismatch (13) for a text that is no number and
// overflow (6) for one beyond the range of a double.
double to_arithmetic(const VariantValue &value);

} // namespace vorlenta
